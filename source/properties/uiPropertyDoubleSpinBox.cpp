#include "uiPropertyDoubleSpinBox.h"

#include "coercingSpinBox.h"

UIPropertyDoubleSpinBox::UIPropertyDoubleSpinBox(nVornMCPCD100::AttributeId attribute,
                                                 QLabel *label, QLabel *unitsLabel,
                                                 int indexSource, const QString &unitsSuffix,
                                                 CCoercingSpinBox *spinBox)
    : UIPropertySpinBoxBase(attribute, DoubleValue, label, unitsLabel, indexSource, unitsSuffix,
                            spinBox)
{
}

bool UIPropertyDoubleSpinBox::IsShownInMilliseconds(nVornMCPCD100::AttributeId attribute)
{
    // The position loop period (0xA3004B) is shown by its page, in milliseconds too.
    return attribute == 0xA3001D || attribute == 0xA30024 || attribute == 0xA30027
        || attribute == 0xC2005A || attribute == 0xA3004B;
}

bool UIPropertyDoubleSpinBox::IsShownByPage() const
{
    return attribute == 0xA3004B || (attribute >= 0xC2003C && attribute <= 0xC2003F);
}

void UIPropertyDoubleSpinBox::ShowValue(const nVornMCPCD100::AttributeValue &value,
                                        const QString &)
{
    if (spinBox && !IsShownByPage())
        spinBox->setValue(Displayed(value));
}

double UIPropertyDoubleSpinBox::Displayed(const nVornMCPCD100::AttributeValue &value) const
{
    return IsShownInMilliseconds(attribute) ? value.realValue * 1000.0 : value.realValue;
}
