#include "uiPropertyDoubleComboBox.h"

#include "comboItems.h"
#include "displayTexts.h"

#include <QComboBox>

UIPropertyDoubleComboBox::UIPropertyDoubleComboBox(nVornMCPCD100::AttributeId attribute,
                                                   QLabel *label, const double *values,
                                                   int indexSource, const QString &unitsSuffix,
                                                   QComboBox *combo)
    : UIProperty(attribute, DoubleValue, combo, label, nullptr, indexSource, unitsSuffix),
      values(values),
      combo(combo)
{
}

void UIPropertyDoubleComboBox::ShowValue(const nVornMCPCD100::AttributeValue &value,
                                         const QString &)
{
    if (combo)
        ComboItems::SelectNearestReal(combo, value.realValue);
}

QString UIPropertyDoubleComboBox::ValueText(const nVornMCPCD100::AttributeValue &value,
                                            const QString &text) const
{
    const QString item = FormatPeriodText(value.realValue, attribute);
    return item.isEmpty() ? UIProperty::ValueText(value, text) : item;
}

void UIPropertyDoubleComboBox::FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                         CVornMotionChangeList *, quint32 index)
{
    if (!combo || !values)
        return;
    QVector<ComboItems::Item> accepted;
    for (const double *value = values; *value != 0.0; ++value) {
        nVornMCPCD100::AttributeValue candidate = {};
        candidate.realValue = *value;
        quint8 adjusted = 0;
        if (db->CheckAttributeValue(attribute, index, &candidate, &adjusted) == 0)
            accepted.append({FormatPeriodText(*value, attribute), *value});
    }
    ComboItems::SetItems(combo, accepted);
}
