#ifndef VORNAC_UIPROPERTYINTEGERSPINBOX_H
#define VORNAC_UIPROPERTYINTEGERSPINBOX_H

#include "uiPropertySpinBoxBase.h"

// A coercing spin box bound to an integer setting.
class UIPropertyIntegerSpinBox : public UIPropertySpinBoxBase
{
public:
    UIPropertyIntegerSpinBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                             int indexSource, const QString &unitsSuffix,
                             CCoercingSpinBox *spinBox);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;

protected:
    double Displayed(const nVornMCPCD100::AttributeValue &value) const override;
};

#endif
