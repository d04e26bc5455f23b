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
    const CVornMotionValueReader reader(db, changeList);
    const qint32 ioType = reader.ReadInteger(kind.typeOfState(attribute), index);
    ComboItems::SetAcceptedIds(db, attribute, index, kind.choices(IoStates::GroupOf(ioType)),
                               combo);
}

bool UIPropertyIoStateComboBox::ItemsFollowValues() const
{
    return true;
}

CVornMotionSettingKind UIPropertyIoStateComboBox::HeldKind() const
{
    return CVornMotionSettingKind::Enumeration;
}
