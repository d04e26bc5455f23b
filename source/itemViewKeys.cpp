#include "itemViewKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

CVornMotionItemViewKeys::CVornMotionItemViewKeys(QObject *parent)
    : QObject(parent)
{
}

void CVornMotionItemViewKeys::Guard(QAbstractItemView *view)
{
    if (!view)
        return;
    view->installEventFilter(this);
    // Tab leaves the view for the next input; the arrows move inside it.
    view->setTabKeyNavigation(false);
}

void CVornMotionItemViewKeys::GuardChildrenOf(QWidget *root)
{
    // A combo box's list is a window of its own: there Return chooses the item.
    for (QAbstractItemView *view : root->findChildren<QAbstractItemView *>()) {
        if (view->window() == root->window())
            Guard(view);
    }
}

bool CVornMotionItemViewKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *view = qobject_cast<QAbstractItemView *>(watched);
    if (!view || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QObject::eventFilter(watched, event);
    if (view->currentIndex().isValid())
        emit view->activated(view->currentIndex());
    return true;
}
