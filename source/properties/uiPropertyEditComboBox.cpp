#include "uiPropertyEditComboBox.h"

#include "comboItems.h"
#include "displayTexts.h"

#include <QComboBox>

UIPropertyEditComboBox::UIPropertyEditComboBox(nVornMCPCD100::AttributeId attribute,
                                               QLabel *label, int indexSource,
                                               const QString &unitsSuffix, QComboBox *combo)
    : UIProperty(attribute, StringValue, combo, label, nullptr, indexSource, unitsSuffix),
      combo(combo)
{
}

void UIPropertyEditComboBox::ShowValue(const nVornMCPCD100::AttributeValue &, const QString &text)
{
    if (combo)
        combo->setEditText(text);
}

void UIPropertyEditComboBox::FillItems(nVornMCPCD100::iMotionConfigurationDatabase *,
                                       CVornMotionChangeList *, quint32)
{
    if (!combo)
        return;
    QVector<quint32> units;
    if (attribute == 0xA30005 || attribute == 0xA30034)
        units = {0, 7, 1, 2, 3, 4, 5};
    else if (attribute == 0xA30040)
        units = {0, 6};
    if (units.isEmpty())
        return;
    QVector<ComboItems::Item> names;
    for (const quint32 unit : units)
        names.append({UnitName(unit), QVariant()});
    ComboItems::SetItems(combo, names);
}
