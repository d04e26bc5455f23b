#include "uiPropertyIntegerSpinBox.h"

#include "coercingSpinBox.h"

UIPropertyIntegerSpinBox::UIPropertyIntegerSpinBox(nVornMCPCD100::AttributeId attribute,
                                                   QLabel *label, int indexSource,
                                                   const QString &unitsSuffix,
                                                   CCoercingSpinBox *spinBox)
    : UIPropertySpinBoxBase(attribute, IntegerValue, label, nullptr, indexSource, unitsSuffix,
                            spinBox)
{
}

void UIPropertyIntegerSpinBox::ShowValue(const nVornMCPCD100::AttributeValue &value,
                                         const QString &)
{
    if (spinBox)
        spinBox->setValue(Displayed(value));
}

double UIPropertyIntegerSpinBox::Displayed(const nVornMCPCD100::AttributeValue &value) const
{
    return value.integerValue;
}
