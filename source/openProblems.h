#ifndef VORNAC_OPENPROBLEMS_H
#define VORNAC_OPENPROBLEMS_H

#include <QList>
#include <QPair>
#include <QString>

class QObject;

// The invalid settings that are still standing, one per source (a page, the dialog's loop rule).
// A source's "valid again" closes only its own problem, so one page's valid edit cannot clear
// another page's standing problem.
class CVornMotionOpenProblems
{
public:
    // Opens or replaces the problem of `source`; it becomes the latest.
    void Open(const QObject *source, const QString &message);
    void Close(const QObject *source);
    bool IsEmpty() const;
    bool IsOpen(const QObject *source) const;
    // The message of the most recently opened problem that still stands.
    QString LatestMessage() const;

private:
    int Find(const QObject *source) const;

    QList<QPair<const QObject *, QString>> problems;
};

#endif
