#include "uiPropertyIoStateComboBox.h"

#include "comboItems.h"
#include "valueReader.h"

#include <QComboBox>

UIPropertyIoStateComboBox::UIPropertyIoStateComboBox(nVornMCPCD100::AttributeId attribute,
                                                     QLabel *label, int indexSource,
                                                     const QString &unitsSuffix, QComboBox *combo,
                                                     const IoStates::StateKind &kind)
    : UIProperty(attribute, IntegerValue, combo, label, nullptr, indexSource, unitsSuffix),
      combo(combo),
      kind(kind)
{
}

void UIPropertyIoStateComboBox::ShowValue(const nVornMCPCD100::AttributeValue &value,
                                          const QString &)
{
    if (combo)
        ComboItems::SelectData(combo, value.integerValue);
}

void UIPropertyIoStateComboBox::FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                          CVornMotionChangeList *changeList, quint32 index)
{
    if (!combo)
        return;
    ComboItems::SetAcceptedIds(db, attribute, index,
                               kind.choices(GroupOfLine(db, changeList, index)), combo);
}

void UIPropertyIoStateComboBox::FitResetValue(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                              CVornMotionChangeList *changeList, quint32 index,
                                              nVornMCPCD100::AttributeValue &value) const
{
    value.integerValue = kind.map(value.integerValue, GroupOfLine(db, changeList, index));
}

IoStates::Group
UIPropertyIoStateComboBox::GroupOfLine(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                       CVornMotionChangeList *changeList, quint32 index) const
{
    const CVornMotionValueReader reader(db, changeList);
    return IoStates::GroupOf(reader.ReadInteger(kind.typeOfState(attribute), index));
}

bool UIPropertyIoStateComboBox::ItemsFollowValues() const
{
    return true;
}

CVornMotionSettingKind UIPropertyIoStateComboBox::HeldKind() const
{
    return CVornMotionSettingKind::Enumeration;
}
