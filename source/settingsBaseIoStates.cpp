#include "settingsBase.h"

#include "ioLine.h"
#include "ioStates.h"
#include "loadingGuard.h"
#include "properties/comboItems.h"

#include <QComboBox>

// The active-state and safe-state handling of I/O lines: the values follow the group of the
// line's type, and the pictures show the type, the active level and the safe state.

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

qint32 CVornMotionAxisSettingsBase::MapActiveStateValue(AttributeId attr, quint32 index,
                                                        qint32 &value)
{
    return MapIoStateValue(IoStates::activeStateKind, attr, index, value);
}

qint32 CVornMotionAxisSettingsBase::MapSafeStateValue(AttributeId attr, quint32 index,
                                                      qint32 &value)
{
    return MapIoStateValue(IoStates::safeStateKind, attr, index, value);
}

qint32 CVornMotionAxisSettingsBase::MapIoStateValue(const IoStates::StateKind &kind,
                                                    AttributeId attr, quint32 index,
                                                    qint32 &value)
{
    const AttributeId typeAttribute = kind.typeOfState(attr);
    if (typeAttribute == 0)
        return 1;
    AttributeValue type;
    GetValue(typeAttribute, index, type);
    value = kind.map(value, IoStates::GroupOf(type.integerValue));
    return 0;
}

void CVornMotionAxisSettingsBase::FillActiveStateComboBox(AttributeId stateAttr, quint32 index,
                                                          QComboBox *combo)
{
    FillIoStateComboBox(IoStates::activeStateKind, stateAttr, index, combo);
}

void CVornMotionAxisSettingsBase::FillSafeStateComboBox(AttributeId safeAttr, quint32 index,
                                                        QComboBox *combo)
{
    FillIoStateComboBox(IoStates::safeStateKind, safeAttr, index, combo);
}

void CVornMotionAxisSettingsBase::FillIoStateComboBox(const IoStates::StateKind &kind,
                                                      AttributeId stateAttr, quint32 index,
                                                      QComboBox *combo)
{
    if (!combo)
        return;
    AttributeValue type;
    GetValue(kind.typeOfState(stateAttr), index, type);
    ComboItems::SetAcceptedIds(db, stateAttr, index,
                               kind.choices(IoStates::GroupOf(type.integerValue)), combo);
}

void CVornMotionAxisSettingsBase::OnActiveStateTypeChanged(AttributeId typeAttr, quint32 index,
                                                           QComboBox *stateCombo, bool reload)
{
    OnIoTypeChanged(IoStates::activeStateKind, typeAttr, index, stateCombo, reload);
}

void CVornMotionAxisSettingsBase::OnSafeStateTypeChanged(AttributeId typeAttr, quint32 index,
                                                         QComboBox *safeCombo, bool reload)
{
    OnIoTypeChanged(IoStates::safeStateKind, typeAttr, index, safeCombo, reload);
}

// After a new I/O type was stored: a state of the other group becomes its counterpart, and the
// combo offers the new group's states.
void CVornMotionAxisSettingsBase::OnIoTypeChanged(const IoStates::StateKind &kind,
                                                  AttributeId typeAttr, quint32 index,
                                                  QComboBox *combo, bool reload)
{
    const AttributeId stateAttr = kind.stateOfType(typeAttr);
    if (stateAttr == 0)
        return;
    {
        CVornMotionLoadingGuard loading(changeList);
        AttributeValue state;
        AttributeValue type;
        GetValue(stateAttr, index, state);
        GetValue(typeAttr, index, type);
        const IoStates::Group group = IoStates::GroupOf(type.integerValue);
        qint32 shown = state.integerValue;
        if (kind.isOfOtherGroup(shown, group)) {
            shown = kind.map(shown, group);
            CVornMotionLoadingGuard storing(changeList, false);
            AttributeValue mapped = {};
            mapped.integerValue = shown;
            SetValue(stateAttr, index, mapped);
        }
        if (combo) {
            FillIoStateComboBox(kind, stateAttr, index, combo);
            ComboItems::SelectData(combo, shown);
        }
    }
    if (reload)
        LoadProperties();
}

void CVornMotionAxisSettingsBase::UpdateActiveStatePicture(ActiveStatePicture picture,
                                                           QWidget *inactiveLabel)
{
    if (!picture.pictureLabel || !picture.activeLabel || !inactiveLabel)
        return;
    const quint32 index = quint32(instanceIndex);
    const bool isOutput = picture.isOutput != 0;
    AttributeValue state;
    AttributeValue type;
    GetValue(isOutput ? picture.outputStateAttribute : picture.inputStateAttribute, index, state);
    GetValue(isOutput ? picture.outputTypeAttribute : picture.inputTypeAttribute, index, type);
    std::optional<AttributeValue> safe;
    if (isOutput && picture.safeStateAttribute && picture.safePictureA && picture.safePictureB) {
        safe.emplace();
        GetValue(picture.safeStateAttribute, index, *safe);
    }
    CVornMotionIoLine::DrawPicture({picture.pictureLabel, picture.activeLabel, inactiveLabel,
                                    picture.safePictureA, picture.safePictureB},
                                   type.integerValue, state.integerValue, safe);
}

void CVornMotionAxisSettingsBase::ShowSafeStatePictures(AttributeValue safe, AttributeValue state,
                                                        QWidget *a, QWidget *b)
{
    CVornMotionIoLine::ShowSafeStatePictures(safe.integerValue, state.integerValue, a, b);
}
