#include "coercingSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>

CCoercingSpinBox::CCoercingSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    // The wheel must not change a machine setting in passing; see CVornMotionWheelGuard.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSpinBox::editingFinished, this, &CCoercingSpinBox::onValueChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CCoercingSpinBox::MarkEdited);
}

void CCoercingSpinBox::setValue(double value)
{
    edited = false;
    QDoubleSpinBox::setValue(value);
}

void CCoercingSpinBox::FinishEdit()
{
    if (!edited)
        return;
    interpretText();
    onValueChanged();
}

void CCoercingSpinBox::AbandonEdit()
{
    edited = false;
}

void CCoercingSpinBox::Announce(double value)
{
    emit CoercedValueChanged(long(attribute), value, isDouble);
}

void CCoercingSpinBox::onValueChanged()
{
    if (!edited)
        return;
    edited = false;
    double coerced = value();
    if (coerced < coerceMinimum)
        coerced = coerceMinimum;
    else if (coerced > coerceMaximum)
        coerced = coerceMaximum;
    QDoubleSpinBox::setValue(coerced);
    // The limit itself is announced, not its rounding to the box's decimals.
    Announce(coerced);
}

void CCoercingSpinBox::stepBy(int steps)
{
    MarkEdited();
    QDoubleSpinBox::stepBy(steps);
}

void CCoercingSpinBox::keyPressEvent(QKeyEvent *event)
{
    QDoubleSpinBox::keyPressEvent(event);
    // Return finishes the edit here; it must not reach the dialog's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

void CCoercingSpinBox::MarkEdited()
{
    edited = true;
}
