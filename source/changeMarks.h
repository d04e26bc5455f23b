#ifndef VORNAC_CHANGEMARKS_H
#define VORNAC_CHANGEMARKS_H

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The marks of a page's pending edits: an emphasised widget turns bold and shows a small corner
// marker; every marked widget carries a tool tip about the edit. Unmarking gives back the font and
// the tool tip the widget had.
class CVornMotionChangeMarks : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~CVornMotionChangeMarks() override;

    // Collects the marks of one pass; Apply() then shows exactly them and clears the rest.
    void Mark(QWidget *widget, const QString &toolTip, bool emphasise);
    void Apply();
    // Nothing marked and nothing collected.
    bool IsEmpty() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Original
    {
        QPointer<QWidget> widget;
        QFont font;
        bool ownFont = false;
        QString toolTip;
        bool emphasised = false;
    };
    struct Wanted
    {
        QString toolTip;
        bool emphasise = false;
    };

    void Emphasise(Original &original, bool emphasise);
    static void Restore(const Original &original);
    static void PaintMarker(QWidget *widget);

    QHash<QWidget *, Original> marked;
    QHash<QWidget *, Wanted> wanted;
};

#endif
