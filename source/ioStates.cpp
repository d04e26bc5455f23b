#include "ioStates.h"

#include <QString>

using nVornMCPCD100::AttributeId;

namespace IoStates {

namespace {

const qint32 activeHighT = 0xA30077;
const qint32 activeLowT = 0xA30078;
const qint32 activeOnS = 0xA10072;
const qint32 activeOffS = 0xA10073;
const qint32 safeFirstT = 0xA3007E;
const qint32 safeSecondT = 0xA3007D;
const qint32 safeFirstS = 0xA1007C;
const qint32 safeSecondS = 0xA1007D;
const qint32 safeShared = 0xA300C9;

struct Pairing
{
    AttributeId state;
    AttributeId type;
};

const Pairing activeStatePairings[] = {
    {0xA1007B, 0xA1007A}, {0xA30009, 0xA3000B}, {0xA3000D, 0xA3000E}, {0xA30011, 0xA30012},
    {0xA30015, 0xA30016}, {0xA3002F, 0xA10079}, {0xA30063, 0xA30065}, {0xA30067, 0xA30069},
    {0xA300BB, 0xA300BC}, {0xC2005C, 0xC2005E}};

const Pairing safeStatePairings[] = {{0xA30008, 0xA3000B},
                                     {0xA30030, 0xA10079},
                                     {0xA30068, 0xA30069},
                                     {0xA300BD, 0xA300BC},
                                     {0xC2005D, 0xC2005E}};

template <size_t count>
AttributeId TypeOf(const Pairing (&pairings)[count], AttributeId state)
{
    for (const Pairing &pairing : pairings) {
        if (pairing.state == state)
            return pairing.type;
    }
    return 0;
}

template <size_t count>
AttributeId StateOf(const Pairing (&pairings)[count], AttributeId type)
{
    for (const Pairing &pairing : pairings) {
        if (pairing.type == type)
            return pairing.state;
    }
    return 0;
}

// Corresponding values: index 0 is group T, index 1 group S.
const qint32 activeCorrespondence[][2] = {{activeHighT, activeOnS}, {activeLowT, activeOffS}};
const qint32 safeCorrespondence[][2] = {{safeFirstT, safeFirstS}, {safeSecondT, safeSecondS}};

template <size_t count>
qint32 Map(const qint32 (&table)[count][2], qint32 value, Group group)
{
    if (group == Group::None)
        return value;
    const int target = group == Group::T ? 0 : 1;
    for (const auto &row : table) {
        if (row[1 - target] == value)
            return row[target];
    }
    return value;
}

template <size_t count>
bool IsOfOtherGroup(const qint32 (&table)[count][2], qint32 value, Group group)
{
    if (group == Group::None)
        return false;
    const int other = group == Group::T ? 1 : 0;
    for (const auto &row : table) {
        if (row[other] == value)
            return true;
    }
    return false;
}

} // namespace

Group GroupOf(qint32 ioType)
{
    switch (ioType) {
    case 0xA10074:
    case 0xA10075:
    case 0xA10076:
    case 0xA10077:
    case 0xA10078:
    case 0xA30075:
    case 0xA30076:
        return Group::T;
    case 0xA30079:
    case 0xA3007A:
    case 0xA3007B:
    case 0xA3007C:
        return Group::S;
    default:
        return Group::None;
    }
}

AttributeId TypeOfActiveState(AttributeId activeStateAttribute)
{
    return TypeOf(activeStatePairings, activeStateAttribute);
}

AttributeId TypeOfSafeState(AttributeId safeStateAttribute)
{
    return TypeOf(safeStatePairings, safeStateAttribute);
}

AttributeId ActiveStateOfType(AttributeId typeAttribute)
{
    return StateOf(activeStatePairings, typeAttribute);
}

AttributeId SafeStateOfType(AttributeId typeAttribute)
{
    return StateOf(safeStatePairings, typeAttribute);
}

QVector<qint32> ActiveStates(Group group)
{
    switch (group) {
    case Group::T:
        return {activeHighT, activeLowT};
    case Group::S:
        return {activeOnS, activeOffS};
    default:
        return {};
    }
}

QVector<qint32> SafeStates(Group group)
{
    switch (group) {
    case Group::T:
        return {safeFirstT, safeSecondT, safeShared};
    case Group::S:
        return {safeFirstS, safeSecondS, safeShared};
    default:
        return {};
    }
}

qint32 MapActiveState(qint32 state, Group group)
{
    return Map(activeCorrespondence, state, group);
}

qint32 MapSafeState(qint32 safeState, Group group)
{
    return Map(safeCorrespondence, safeState, group);
}

bool IsActiveStateOfOtherGroup(qint32 state, Group group)
{
    return IsOfOtherGroup(activeCorrespondence, state, group);
}

bool IsSafeStateOfOtherGroup(qint32 safeState, Group group)
{
    return IsOfOtherGroup(safeCorrespondence, safeState, group);
}

const StateKind activeStateKind = {TypeOfActiveState, ActiveStateOfType, ActiveStates,
                                   MapActiveState, IsActiveStateOfOtherGroup};
const StateKind safeStateKind = {TypeOfSafeState, SafeStateOfType, SafeStates, MapSafeState,
                                 IsSafeStateOfOtherGroup};

Picture PictureOf(qint32 ioType, qint32 activeState)
{
    struct Row
    {
        qint32 type;
        const char *first;  // active high (group T) or active on (group S)
        const char *second; // active low or active off
        bool showsSafeState;
    };
    static const Row rows[] = {
        {0xA10076, "SEInputActiveHigh.png", "SEInputActiveLow.png", false},
        {0xA10077, "SEOutputActiveHigh.png", "SEOutputActiveLow.png", true},
        {0xA10078, "DiffOutputActiveHigh.png", "DiffOutputActiveLow.png", true},
        {0xA30079, "DISinkingActiveOn.png", "DISinkingActiveOff.png", false},
        {0xA3007A, "DISourcingActiveOn.png", "DISourcingActiveOff.png", false},
        {0xA3007B, "DOsinkingActiveOn.png", "DOsinkingActiveOff.png", true},
        {0xA3007C, "DOsourcingActiveOn.png", "DOsourcingActiveOff.png", true}};

    Picture picture = {QString(), false, false, false};
    if (ioType == 0xA10074) {
        picture.hidesCaptions = true;
        picture.hidesSafeState = true;
        return picture;
    }
    if (ioType == 0xA10075) {
        picture.hidesCaptions = true;
        return picture;
    }
    const Group group = GroupOf(ioType);
    const qint32 first = group == Group::T ? activeHighT : activeOnS;
    const qint32 second = group == Group::T ? activeLowT : activeOffS;
    for (const Row &row : rows) {
        if (row.type != ioType)
            continue;
        picture.showsSafeState = row.showsSafeState;
        if (activeState == first)
            picture.path = QStringLiteral(":/images/") + QLatin1String(row.first);
        else if (activeState == second)
            picture.path = QStringLiteral(":/images/") + QLatin1String(row.second);
    }
    return picture;
}

ActiveLevel ActiveLevelOf(qint32 activeState)
{
    if (activeState == activeHighT || activeState == activeOnS)
        return ActiveLevel::Upper;
    if (activeState == activeLowT || activeState == activeOffS)
        return ActiveLevel::Lower;
    return ActiveLevel::Unknown;
}

} // namespace IoStates
