#include "settingsBase.h"

#include "ioStates.h"
#include "loadingGuard.h"
#include "properties/comboItems.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

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

namespace {

// The pictures draw the high (or conducting) level on top and mark the active one: the captions
// swap places so that "Active" always sits beside the marked level.
void PlaceStateCaptions(QWidget *activeLabel, QWidget *inactiveLabel, qint32 state)
{
    const IoStates::ActiveLevel level = IoStates::ActiveLevelOf(state);
    if (level == IoStates::ActiveLevel::Unknown)
        return;
    const bool activeOnTop = level == IoStates::ActiveLevel::Upper;
    const int top = std::min(activeLabel->y(), inactiveLabel->y());
    const int bottom = std::max(activeLabel->y(), inactiveLabel->y());
    activeLabel->move(activeLabel->x(), activeOnTop ? top : bottom);
    inactiveLabel->move(inactiveLabel->x(), activeOnTop ? bottom : top);
}

} // namespace

void CVornMotionAxisSettingsBase::UpdateActiveStatePicture(ActiveStatePicture picture,
                                                           QWidget *inactiveLabel)
{
    if (!picture.pictureLabel || !picture.activeLabel || !inactiveLabel)
        return;
    picture.activeLabel->show();
    inactiveLabel->show();

    const quint32 index = quint32(instanceIndex);
    const bool isOutput = picture.isOutput != 0;
    AttributeValue state;
    AttributeValue type;
    AttributeValue safe;
    bool safeStepArmed = false;
    if (!isOutput) {
        GetValue(picture.inputStateAttribute, index, state);
        GetValue(picture.inputTypeAttribute, index, type);
        for (QWidget *safePicture : {picture.safePictureA, picture.safePictureB}) {
            if (safePicture)
                safePicture->hide();
        }
    } else {
        GetValue(picture.outputStateAttribute, index, state);
        GetValue(picture.outputTypeAttribute, index, type);
        safeStepArmed
            = picture.safeStateAttribute && picture.safePictureA && picture.safePictureB;
        if (safeStepArmed)
            GetValue(picture.safeStateAttribute, index, safe);
    }

    const IoStates::Picture shown = IoStates::PictureOf(type.integerValue, state.integerValue);
    PlaceStateCaptions(picture.activeLabel, inactiveLabel, state.integerValue);
    if (shown.hidesCaptions) {
        picture.activeLabel->hide();
        inactiveLabel->hide();
    }
    if (shown.hidesSafeState) {
        for (QWidget *safePicture : {picture.safePictureA, picture.safePictureB}) {
            if (safePicture)
                safePicture->hide();
        }
    }
    if (safeStepArmed && shown.showsSafeState)
        ShowSafeStatePictures(safe, state, picture.safePictureA, picture.safePictureB);

    SetPicture(picture.pictureLabel, shown.path);
}

void CVornMotionAxisSettingsBase::ShowSafeStatePictures(AttributeValue safe, AttributeValue state,
                                                        QWidget *a, QWidget *b)
{
    QWidget *first = a;
    QWidget *second = b;
    switch (safe.integerValue) {
    case 0xA1007C:
    case 0xA3007E:
        break;
    case 0xA1007D:
    case 0xA3007D:
        std::swap(first, second);
        break;
    default:
        for (QWidget *each : {a, b}) {
            if (each)
                each->hide();
        }
        return;
    }
    QWidget *shown = nullptr;
    QWidget *hidden = nullptr;
    switch (state.integerValue) {
    case 0xA10072:
    case 0xA30077:
        shown = first;
        hidden = second;
        break;
    case 0xA10073:
    case 0xA30078:
        shown = second;
        hidden = first;
        break;
    default:
        return;
    }
    if (shown)
        shown->show();
    if (hidden)
        hidden->hide();
}
