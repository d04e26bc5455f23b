#include "uiPropertyIntegerComboBox.h"

#include "comboItems.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {
const nVornMCPCD100::AttributeId gainSetSelector = 0xC2005F;
const nVornMCPCD100::AttributeId gainSetCount = 0xA300C7;
// A count beyond this is no real gain-set count but a corrupt answer.
const qint32 mostGainSets = 64;
} // namespace

UIPropertyIntegerComboBox::UIPropertyIntegerComboBox(nVornMCPCD100::AttributeId attribute,
                                                     QLabel *label, const qint32 *ids,
                                                     int indexSource, const QString &unitsSuffix,
                                                     QComboBox *combo)
    : UIProperty(attribute, IntegerValue, combo, label, nullptr, indexSource, unitsSuffix),
      ids(ids),
      combo(combo)
{
}

void UIPropertyIntegerComboBox::ShowValue(const nVornMCPCD100::AttributeValue &value,
                                          const QString &)
{
    if (combo && attribute != gainSetSelector)
        ComboItems::SelectData(combo, value.integerValue);
}

QString UIPropertyIntegerComboBox::ValueText(const nVornMCPCD100::AttributeValue &value,
                                             const QString &text) const
{
    const int item = combo ? combo->findData(value.integerValue) : -1;
    return item >= 0 ? combo->itemText(item) : UIProperty::ValueText(value, text);
}

void UIPropertyIntegerComboBox::FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                          CVornMotionChangeList *, quint32 index)
{
    if (!combo)
        return;
    if (ids) {
        ComboItems::SetAcceptedIds(db, attribute, index, ComboItems::ZeroTerminated(ids), combo);
    } else if (attribute == gainSetSelector) {
        FillGainSets(db);
    }
}

qint32 UIPropertyIntegerComboBox::GainSetsOffered(nVornMCPCD100::iMotionConfigurationDatabase *db)
{
    nVornMCPCD100::AttributeValue count = {};
    db->GetAttribute(gainSetCount, 0, &count);
    return qBound(0, count.integerValue, mostGainSets);
}

void UIPropertyIntegerComboBox::FillGainSets(nVornMCPCD100::iMotionConfigurationDatabase *db)
{
    combo->clear();
    const qint32 sets = GainSetsOffered(db);
    for (qint32 set = 1; set <= sets; ++set)
        combo->addItem(
            QCoreApplication::translate("UIPropertyIntegerComboBox", "Gain Set %1").arg(set));
    combo->setCurrentIndex(sets > 0 ? 0 : -1);
}

CVornMotionSettingKind UIPropertyIntegerComboBox::HeldKind() const
{
    return attribute == gainSetSelector ? CVornMotionSettingKind::Integer
                                        : CVornMotionSettingKind::Enumeration;
}
