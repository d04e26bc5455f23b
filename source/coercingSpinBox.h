#ifndef VORNAC_COERCINGSPINBOX_H
#define VORNAC_COERCINGSPINBOX_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QDoubleSpinBox>

// The numeric entry of every settings page. Typing is never cut short; when the user finishes an
// edit the value is clamped into the range the database allows and announced with the attribute,
// for the page to store. Values set by the program are never announced.
class CCoercingSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit CCoercingSpinBox(QWidget *parent = nullptr);

    // Shows a stored value. It is no edit: the next finished edit announces only if the user
    // changes the box after this.
    void setValue(double value);

    // Takes a typed but unfinished edit as finished, as leaving the box would.
    void FinishEdit();
    // Forgets a typed but unfinished edit, so that leaving the box announces nothing.
    void AbandonEdit();

    // Announces `value` as if the user had entered it (used by "Reset to Default").
    void Announce(double value);

    // The clamping range of finished edits; an infinite side is open.
    double coerceMinimum = 0.0;
    double coerceMaximum = 0.0;
    nVornMCPCD100::AttributeId attribute = 0;
    bool isDouble = true;

signals:
    void CoercedValueChanged(long attribute, double value, bool isDouble);

protected slots:
    void onValueChanged();

protected:
    void stepBy(int steps) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void MarkEdited();

    bool edited = false;
};

#endif
