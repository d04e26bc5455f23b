#include "uiPropertyCheckbox.h"

#include "displayTexts.h"

#include <QAbstractButton>

namespace {
const nVornMCPCD100::AttributeId loopLocation = 0xA3005E;
}

UIPropertyCheckbox::UIPropertyCheckbox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                                       int indexSource, const QString &unitsSuffix,
                                       QAbstractButton *button)
    : UIProperty(attribute, BooleanValue, button, label, nullptr, indexSource, unitsSuffix),
      button(button)
{
}

bool UIPropertyCheckbox::IsShownByPage() const
{
    return attribute == loopLocation;
}

void UIPropertyCheckbox::ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &)
{
    if (button && !IsShownByPage())
        button->setChecked(value.booleanValue != 0);
}

void UIPropertyCheckbox::SetLabelText(const QString &text)
{
    if (IsShownByPage())
        return;
    if (label)
        UIProperty::SetLabelText(text);
    else if (button)
        button->setText(text);
}

CVornMotionSettingKind UIPropertyCheckbox::HeldKind() const
{
    return IsShownByPage() ? CVornMotionSettingKind::Enumeration : CVornMotionSettingKind::Boolean;
}

QString UIPropertyCheckbox::ValueText(const nVornMCPCD100::AttributeValue &value,
                                      const QString &text) const
{
    if (IsShownByPage())
        return GetDisplayNameOrId(quint32(value.integerValue));
    return UIProperty::ValueText(value, text);
}
