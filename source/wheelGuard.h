#ifndef VORNAC_WHEELGUARD_H
#define VORNAC_WHEELGUARD_H

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing settings in passing: numeric and enumeration widgets take
// wheel events only while they have the keyboard focus.
class CVornMotionWheelGuard : public QObject
{
    Q_OBJECT

public:
    explicit CVornMotionWheelGuard(QObject *parent);

    // Guards every combo box and spin box below `root`.
    void GuardChildrenOf(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
