#ifndef VORNAC_UIPROPERTYSPINBOXBASE_H
#define VORNAC_UIPROPERTYSPINBOXBASE_H

#include "uiProperty.h"

class CCoercingSpinBox;

// What the integer and double spin-box bindings share: the range and the write path.
class UIPropertySpinBoxBase : public UIProperty
{
public:
    UIPropertySpinBoxBase(nVornMCPCD100::AttributeId attribute, int valueKind, QLabel *label,
                          QLabel *unitsLabel, int indexSource, const QString &unitsSuffix,
                          CCoercingSpinBox *spinBox);

    void SetRange(const AttributeRange &range, CVornMotionAxisSettingsBase *page) override;
    bool TakesRange() const override;
    void StoreShownValue(const nVornMCPCD100::AttributeValue &value) override;
    QString ValueText(const nVornMCPCD100::AttributeValue &value,
                      const QString &text) const override;

protected:
    // The number the box shows for a stored value.
    virtual double Displayed(const nVornMCPCD100::AttributeValue &value) const = 0;

    CCoercingSpinBox *spinBox;
    bool coercionConnected = false;
};

#endif
