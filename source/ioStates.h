#ifndef VORNAC_IOSTATES_H
#define VORNAC_IOSTATES_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QVector>

// The electrical types of I/O lines fall into two groups with their own active-state and
// safe-state values; a value of one group has a corresponding value in the other.
namespace IoStates {

enum class Group
{
    None,
    T, // single-ended and differential lines
    S  // sinking and sourcing lines
};

Group GroupOf(qint32 ioType);

// The I/O type attribute that goes with an active-state or safe-state attribute; 0 when none.
nVornMCPCD100::AttributeId TypeOfActiveState(nVornMCPCD100::AttributeId activeStateAttribute);
nVornMCPCD100::AttributeId TypeOfSafeState(nVornMCPCD100::AttributeId safeStateAttribute);
// The reverse: the state attribute that goes with an I/O type attribute; 0 when none.
nVornMCPCD100::AttributeId ActiveStateOfType(nVornMCPCD100::AttributeId typeAttribute);
nVornMCPCD100::AttributeId SafeStateOfType(nVornMCPCD100::AttributeId typeAttribute);

// Where an active state puts the active level in the pictures, which draw high (or on) above low
// (or off); Unknown for values that are no active state.
enum class ActiveLevel
{
    Upper,
    Lower,
    Unknown
};
ActiveLevel ActiveLevelOf(qint32 activeState);

// The values a line of the group offers, in list order; empty for Group::None.
QVector<qint32> ActiveStates(Group group);
QVector<qint32> SafeStates(Group group);

// The value of `group` that corresponds to `state`; `state` itself when it already belongs to the
// group, is shared by both, or has no counterpart.
qint32 MapActiveState(qint32 state, Group group);
qint32 MapSafeState(qint32 safeState, Group group);

// True when the value belongs to the group other than `group` (never for Group::None).
bool IsActiveStateOfOtherGroup(qint32 state, Group group);
bool IsSafeStateOfOtherGroup(qint32 safeState, Group group);

// The functions above for one of the two kinds of state, so that code serving both is written once.
struct StateKind
{
    nVornMCPCD100::AttributeId (*typeOfState)(nVornMCPCD100::AttributeId stateAttribute);
    nVornMCPCD100::AttributeId (*stateOfType)(nVornMCPCD100::AttributeId typeAttribute);
    QVector<qint32> (*choices)(Group group);
    qint32 (*map)(qint32 state, Group group);
    bool (*isOfOtherGroup)(qint32 state, Group group);
};
extern const StateKind activeStateKind;
extern const StateKind safeStateKind;

// What the active-state picture of a line shows for its type and active state.
struct Picture
{
    QString path;          // empty: no picture
    bool showsSafeState;   // output lines whose safe state is drawn beside the picture
    bool hidesCaptions;    // the "Active"/"Inactive" captions do not apply
    bool hidesSafeState;   // the safe-state pictures do not apply
};
Picture PictureOf(qint32 ioType, qint32 activeState);

} // namespace IoStates

#endif
