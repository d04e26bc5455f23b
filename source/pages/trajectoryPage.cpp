#include "trajectoryPage.h"

#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "settingsMain.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId motorOff = 0xA30020;
const AttributeId runStop = 0xA30021;
const AttributeId inPosition = 0xA30022;
const AttributeId delay = 0xA30023;
const AttributeId deadband = 0xA30025;
const AttributeId forwardLimitEnabled = 0xA30018;
const AttributeId reverseLimitEnabled = 0xA3001A;
const AttributeId forwardLimitPosition = 0xA30019;
const AttributeId reverseLimitPosition = 0xA3001B;
const AttributeId forwardStopMode = 0xA300D0;
const AttributeId reverseStopMode = 0xA300D1;

// The system profile constraints are built and bound but get no row.
const AttributeId unlistedSection = 0xC20069;
const AttributeId sectionIds[] = {0xA300A2, 0xA3009E, unlistedSection, 0};
const qint32 stopModes[] = {0xA300CA, 0xA300CB, 0xA300CC, 0xC2008C, 0};

const char *const limitOrderMessage = QT_TRANSLATE_NOOP(
    "CVornMotionAxisSettingsTrajectory", "Fwd. Limit Position is less than Rev. Limit Position.");

} // namespace

CVornMotionAxisSettingsTrajectory::CVornMotionAxisSettingsTrajectory(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsTrajectory::CreateProperties()
{
    const QString none;
    const auto formUnits = UIProperty::UnitsSource::FormText;
    AddProperty((new UIPropertyDoubleSpinBox(0xA30024, nullptr, nullptr, 0, none,
                                             ui.trjMvCompleteDelayValue))
                    ->ShowUnitsIn(ui.trjUnitsFilterTime_2, formUnits));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30026, nullptr, ui.trjUnitsMvCompleteDeadband, 0,
                                            none, ui.trjMvCompleteDeadbandValue));
    AddProperty((new UIPropertyDoubleSpinBox(0xA30027, ui.trjLabelMvCompleteMinimumPulse, nullptr,
                                             0, none, ui.trjMvCompleteMinimumPulse))
                    ->ShowUnitsIn(ui.trjUnitsMvCompleteMinimumPulse, formUnits));
    AddProperty(new UIPropertyCheckbox(motorOff, nullptr, 0, none, ui.trjMvCompleteMotorOff));
    AddProperty(new UIPropertyCheckbox(runStop, nullptr, 0, none, ui.trjMvCompleteRunStop));
    AddProperty(new UIPropertyCheckbox(inPosition, nullptr, 0, none, ui.trjMvCompleteInPosition));
    AddProperty(new UIPropertyCheckbox(delay, nullptr, 0, none, ui.trjMvCompleteDelay));
    AddProperty(new UIPropertyCheckbox(deadband, nullptr, 0, none, ui.trjMvCompleteDeadband));
    AddProperty(new UIPropertyCheckbox(forwardLimitEnabled, nullptr, 0, none,
                                       ui.mtnSoftwareFwLimitEnabled));
    AddProperty(new UIPropertyCheckbox(reverseLimitEnabled, nullptr, 0, none,
                                       ui.mtnSoftwareRvLimitEnabled));
    AddProperty(new UIPropertyDoubleSpinBox(
        forwardLimitPosition, ui.mtnLabelSoftwareFwLimitPosition,
        ui.mtnUnitsSoftwareFwLimitPosition, 0, none, ui.mtnSoftwareFwLimitPosition));
    AddProperty(new UIPropertyDoubleSpinBox(
        reverseLimitPosition, ui.mtnLabelSoftwareRvLimitPosition,
        ui.mtnUnitsSoftwareRvLimitPosition, 0, none, ui.mtnSoftwareRvLimitPosition));
    AddProperty(new UIPropertyIntegerComboBox(forwardStopMode, ui.mtnLabelSoftwareFwLimitStopMode,
                                              stopModes, 0, none, ui.mtnSoftwareFwLimitStopMode));
    AddProperty(new UIPropertyIntegerComboBox(reverseStopMode, ui.mtnLabelSoftwareRvLimitStopMode,
                                              stopModes, 0, none, ui.mtnSoftwareRvLimitStopMode));

    const struct
    {
        AttributeId attribute;
        QLabel *label;
        QLabel *units;
        const char *suffix;
        CCoercingSpinBox *box;
    } constraints[] = {
        {0xC2006A, ui.label_trajectorySPCPPosition, ui.units_trajectorySPCPPosition, "",
         ui.trajectorySPCPPosition},
        {0xC2006B, ui.label_trajectorySPCNPosition, ui.units_trajectorySPCNPosition, "",
         ui.trajectorySPCNPosition},
        {0xC2006C, ui.label_trajectorySPCPVelocity, ui.units_trajectorySPCPVelocity,
         QT_TR_NOOP("/s"), ui.trajectorySPCPVelocity},
        {0xC2006D, ui.label_trajectorySPCNVelocity, ui.units_trajectorySPCNVelocity,
         QT_TR_NOOP("/s"), ui.trajectorySPCNVelocity},
        {0xC2006E, ui.label_trajectorySPCAcceleration, ui.units_trajectorySPCAcceleration,
         QT_TR_NOOP("/s^2"), ui.trajectorySPCAcceleration},
        {0xC2006F, ui.label_trajectorySPCDeceleration, ui.units_trajectorySPCDeceleration,
         QT_TR_NOOP("/s^2"), ui.trajectorySPCDeceleration},
        {0xC20070, ui.label_trajectorySPCAccelerationJerk, ui.units_trajectorySPCAccelerationJerk,
         QT_TR_NOOP("/s^3"), ui.trajectorySPCAccelerationJerk},
        {0xC20071, ui.label_trajectorySPCDecelerationJerk, ui.units_trajectorySPCDecelerationJerk,
         QT_TR_NOOP("/s^3"), ui.trajectorySPCDecelerationJerk},
    };
    for (const auto &constraint : constraints) {
        AddProperty(new UIPropertyDoubleSpinBox(constraint.attribute, constraint.label,
                                                constraint.units, 0, tr(constraint.suffix),
                                                constraint.box));
    }
}

void CVornMotionAxisSettingsTrajectory::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    AttachSections(sections, ui.trajectoryTable, ui.trajectoryStack);
    sections.Fill(sectionIds, [](AttributeId section) {
        return section != unlistedSection;
    });
    ui.trajectoryTable->setCurrentCell(0, 0);
    ui.trajectoryStack->setCurrentIndex(0);
}

void CVornMotionAxisSettingsTrajectory::on_trajectoryTable_currentCellChanged(int currentRow, int,
                                                                              int, int)
{
    const int page = sections.StackPageOf(currentRow);
    if (page >= 0)
        ui.trajectoryStack->setCurrentIndex(page);
}

void CVornMotionAxisSettingsTrajectory::on_trjMvCompleteMotorOff_toggled(bool curState)
{
    StoreBoolean(motorOff, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_trjMvCompleteRunStop_toggled(bool curState)
{
    StoreBoolean(runStop, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_trjMvCompleteInPosition_toggled(bool curState)
{
    StoreBoolean(inPosition, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_trjMvCompleteDelay_toggled(bool curState)
{
    StoreBoolean(delay, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_trjMvCompleteDeadband_toggled(bool curState)
{
    StoreBoolean(deadband, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_mtnSoftwareFwLimitEnabled_toggled(bool curState)
{
    StoreBoolean(forwardLimitEnabled, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_mtnSoftwareRvLimitEnabled_toggled(bool curState)
{
    StoreBoolean(reverseLimitEnabled, 0, curState);
}

void CVornMotionAxisSettingsTrajectory::on_mtnSoftwareFwLimitStopMode_currentIndexChanged(
    int curIndex)
{
    StoreSelectedId(forwardStopMode, 0, ui.mtnSoftwareFwLimitStopMode, curIndex);
}

void CVornMotionAxisSettingsTrajectory::on_mtnSoftwareRvLimitStopMode_currentIndexChanged(
    int curIndex)
{
    StoreSelectedId(reverseStopMode, 0, ui.mtnSoftwareRvLimitStopMode, curIndex);
}

void CVornMotionAxisSettingsTrajectory::on_coercedValueChanged(long attr, double curValue,
                                                               bool dataTypeDouble)
{
    if (changeList->loading)
        return;
    const AttributeId edited = AttributeId(attr);
    if (edited == forwardLimitPosition || edited == reverseLimitPosition)
        CheckLimitOrder(edited, curValue);
    // The pair is stored even when it is invalid; the open problem keeps it from being applied.
    CVornMotionAxisSettingsBase::on_coercedValueChanged(attr, curValue, dataTypeDouble);
}

void CVornMotionAxisSettingsTrajectory::CheckLimitOrder(AttributeId edited, double position)
{
    const bool forwardEdited = edited == forwardLimitPosition;
    AttributeValue other;
    GetValue(forwardEdited ? reverseLimitPosition : forwardLimitPosition, 0, other);
    ReportLimitOrder(forwardEdited ? position : other.realValue,
                     forwardEdited ? other.realValue : position);
}

void CVornMotionAxisSettingsTrajectory::ReportLimitOrder(double forward, double reverse)
{
    limitsInverted = !(forward > reverse);
    ReportProblem(limitsInverted, tr(limitOrderMessage));
}

// Only a pair reported inverted or with a pending edit (one loaded from a file) is looked at
// again: a pair stored inverted before the dialog opened is the database's own.
void CVornMotionAxisSettingsTrajectory::RecheckProblems()
{
    if (!limitsInverted && !changeList->Contains(forwardLimitPosition, 0)
        && !changeList->Contains(reverseLimitPosition, 0))
        return;
    AttributeValue forward;
    AttributeValue reverse;
    GetValue(forwardLimitPosition, 0, forward);
    GetValue(reverseLimitPosition, 0, reverse);
    ReportLimitOrder(forward.realValue, reverse.realValue);
}
