#ifndef VORNAC_READINGORDER_H
#define VORNAC_READINGORDER_H

#include <QObject>
#include <QVector>

class QWidget;

// Tab moves through a page's inputs as a person reads them: row by row from the top, each row
// from the left. The order spans the inputs of every section and instance at once; Qt skips the
// hidden ones, so it holds whichever section shows.
class CVornMotionReadingOrder : public QObject
{
    Q_OBJECT

public:
    // Orders the inputs of `page` now and again whenever it is shown, where layouts have placed
    // them anew.
    explicit CVornMotionReadingOrder(QWidget *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Apply();

    QWidget *page;
    QVector<QWidget *> applied;
};

#endif
