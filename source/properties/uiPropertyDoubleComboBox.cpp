#include "uiPropertyDoubleComboBox.h"

#include "comboItems.h"
#include "displayTexts.h"
#include "uiPropertyDoubleSpinBox.h"

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
    // As the combo shows it: the item the value selects, with the units beside it.
    const int item = combo ? ComboItems::NearestRealItem(combo, value.realValue) : -1;
    if (item >= 0)
        return combo->itemText(item) + UnitsText();
    const QString period = FormatPeriodText(value.realValue, attribute);
    if (!period.isEmpty())
        return period;
    // A value the list does not offer, in the units of its items.
    if (UIPropertyDoubleSpinBox::IsShownInMilliseconds(attribute))
        return QString::number(value.realValue * 1000.0, 'g', 6) + UnitsText();
    return UIProperty::ValueText(value, text);
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
