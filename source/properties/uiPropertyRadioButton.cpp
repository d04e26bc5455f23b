#include "uiPropertyRadioButton.h"

#include "displayTexts.h"

#include <QLabel>
#include <QRadioButton>

UIPropertyRadioButton::UIPropertyRadioButton(nVornMCPCD100::AttributeId attribute,
                                             QRadioButton *second, int indexSource,
                                             const QString &unitsSuffix, QRadioButton *first)
    : UIProperty(attribute, IntegerValue, first, nullptr, nullptr, indexSource, unitsSuffix),
      first(first),
      second(second)
{
}

void UIPropertyRadioButton::ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &)
{
    const qint32 state = value.integerValue;
    const bool firstChecked
        = state == 0xA3008F || state == 0xA30077 || state == 0xA30073 || state == 0xA10072;
    if (first)
        first->setChecked(firstChecked);
    if (second)
        second->setChecked(!firstChecked);
}

void UIPropertyRadioButton::SetToolTip(const QString &text)
{
    for (QRadioButton *button : {first, second}) {
        if (button)
            button->setToolTip(EscapedToolTip(text));
    }
}

QVector<QWidget *> UIPropertyRadioButton::Widgets() const
{
    QVector<QWidget *> shown;
    for (QRadioButton *button : {first, second}) {
        if (button)
            shown.append(button);
    }
    return shown;
}

void UIPropertyRadioButton::UpdateVisibility(quint32 index,
                                             nVornMCPCD100::iMotionConfigurationDatabase *db)
{
    ApplyVisibility(index, db, {first, second, static_cast<QWidget *>(label), unitsLabel});
}

CVornMotionSettingKind UIPropertyRadioButton::HeldKind() const
{
    return CVornMotionSettingKind::Enumeration;
}
