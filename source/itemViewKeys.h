#ifndef VORNAC_ITEMVIEWKEYS_H
#define VORNAC_ITEMVIEWKEYS_H

#include <QObject>

class QAbstractItemView;
class QWidget;

// Return and Enter in an item view open its current item and end there. QAbstractItemView lets
// the key through after activating, and the dialog would then press its default button: OK
// writes every pending edit and closes. Tab leaves the view for the next input, as the arrows
// move inside it.
class CVornMotionItemViewKeys : public QObject
{
    Q_OBJECT

public:
    explicit CVornMotionItemViewKeys(QObject *parent);

    void Guard(QAbstractItemView *view);
    // Guards every item view below `root`.
    void GuardChildrenOf(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
