#include "wheelGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

CVornMotionWheelGuard::CVornMotionWheelGuard(QObject *parent) : QObject(parent)
{
}

void CVornMotionWheelGuard::GuardChildrenOf(QWidget *root)
{
    QList<QWidget *> widgets;
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        widgets.append(combo);
    for (QAbstractSpinBox *spinBox : root->findChildren<QAbstractSpinBox *>())
        widgets.append(spinBox);
    for (QWidget *widget : widgets) {
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(this);
    }
}

bool CVornMotionWheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        const QWidget *widget = qobject_cast<QWidget *>(watched);
        if (widget && !widget->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
