#include "generalPage.h"

#include "axisIds.h"
#include "displayTexts.h"
#include "loadingGuard.h"
#include "properties/comboItems.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertyIntegerSpinBox.h"
#include "settingsMain.h"

#include <vector>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

const AttributeId axisEnabled = 0xA30002;
const AttributeId activateAxis = 0xA10069;
const AttributeId watchdogTimeout = 0xA30004;
const AttributeId dualLoop = 0xA300B7;
const AttributeId loopLocation = 0xA3005E;

const qint32 axisTypes[] = {servoAxis, stepperAxis, 0};
const qint32 feedbackDevices[]
    = {noFeedback, firstEncoderFeedback, analogFeedback, secondEncoderFeedback, 0};
const qint32 loopModes[] = {openLoop, closedLoop, 0xA30072, 0};

} // namespace

CVornMotionAxisSettingsGeneral::CVornMotionAxisSettingsGeneral(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsGeneral::CreateProperties()
{
    AddProperty(new UIPropertyIntegerComboBox(AxisIds::axisType, ui.genLabelAxisType, axisTypes, 0,
                                              QString(), ui.genAxisType));
    AddProperty(new UIPropertyCheckbox(axisEnabled, nullptr, 0, QString(), ui.genEnabledButton));
    AddProperty(new UIPropertyCheckbox(activateAxis, ui.genLabelDriveEnableOnSwitch, 0, QString(),
                                       ui.genChkboxActivateAxis));
    AddProperty(new UIPropertyIntegerComboBox(feedback, ui.genLabelFeedbackType, nullptr, 0,
                                              QString(), ui.genFeedbackType));
    AddProperty(
        (new UIPropertyIntegerSpinBox(watchdogTimeout, nullptr, 0, QString(), ui.genCommTimeout))
            ->ShowUnitsIn(ui.genLabelCommTimeout_2, UIProperty::UnitsSource::FormText));
    AddProperty(new UIPropertyCheckbox(dualLoop, nullptr, 0, QString(), ui.genDualLoopEnabled));
    AddProperty(new UIPropertyIntegerComboBox(stepperLoopMode, ui.genLabelAxisLoopMode, loopModes,
                                              0, QString(), ui.genAxisLoopMode));
}

void CVornMotionAxisSettingsGeneral::LoadProperties()
{
    {
        CVornMotionLoadingGuard loading(changeList);
        RestrictBinding(ui.genChkboxActivateAxis, true, ReadBoolean(axisEnabled));
        axisType = ReadInteger(AxisIds::axisType);
        RefreshLoopModeAndFeedback();
    }
    CVornMotionAxisSettingsBase::LoadProperties();
}

void CVornMotionAxisSettingsGeneral::RefreshLoopModeAndFeedback()
{
    const bool servo = axisType == servoAxis;
    // A servo and a closed-loop stepper cannot run without feedback: "none" is no choice.
    const bool needsFeedback = servo || ReadInteger(stepperLoopMode) == closedLoop;
    std::vector<qint32> devices;
    for (const qint32 *device = feedbackDevices; *device != 0; ++device) {
        if (!needsFeedback || *device != noFeedback)
            devices.push_back(*device);
    }
    devices.push_back(0);
    UpdateWidgetState(feedback, 0, ui.genFeedbackType, ui.genLabelFeedbackType, 0);
    FillEnumComboBox(feedback, 0, devices.data(), ui.genFeedbackType);

    // Only a stepper has a loop mode.
    RestrictBinding(ui.genAxisLoopMode, !servo);
    if (needsFeedback)
        ReplaceMissingFeedback();
}

void CVornMotionAxisSettingsGeneral::ReplaceMissingFeedback()
{
    if (ReadInteger(feedback) != noFeedback)
        return;
    // The first encoder where the database offers it, else whatever it offers first.
    qint32 replacement = 0;
    const int encoder = ui.genFeedbackType->findData(firstEncoderFeedback);
    if (!ComboItems::IdAt(ui.genFeedbackType, encoder >= 0 ? encoder : 0, &replacement))
        return;
    CVornMotionLoadingGuard storing(changeList, false);
    StoreId(feedback, 0, replacement);
}

void CVornMotionAxisSettingsGeneral::UpdateUnits()
{
    CVornMotionAxisSettingsBase::UpdateUnits();
    const QString units = GetDisplayUnits();
    const qint32 type = ReadInteger(AxisIds::axisType);
    const qint32 device = ReadInteger(feedback);

    const bool known = type == servoAxis || type == stepperAxis;
    QString source;
    if (!known)
        source = tr("Units");
    else if (device == firstEncoderFeedback || device == secondEncoderFeedback)
        source = tr("Units (Configured on Encoder Page)");
    else if (device == analogFeedback)
        source = tr("Units (Configured on Analog Page)");
    else if (type == stepperAxis && device == noFeedback)
        source = tr("Units (Configured on Stepper Page)");
    if (!source.isEmpty())
        ui.genLabelDisplayUnits->setText(source);

    const QList<QPair<QLabel *, QString>> labels = {{ui.genLabelDistanceUnits, units},
                                                    {ui.genLabelVelocityUnits, units + tr("/s")},
                                                    {ui.genLabelAcclUnits, units + tr("/s^2")}};
    for (const auto &label : labels) {
        QFont font(label.first->font().family(), 8, QFont::Bold);
        font.setItalic(false);
        label.first->setFont(font);
        label.first->setTextFormat(Qt::PlainText);
        label.first->setText(label.second);
    }
}

qint32 CVornMotionAxisSettingsGeneral::GetResetValue(AttributeId attr, quint32 index,
                                                     AttributeValue &out)
{
    if (attr == loopLocation)
        return GetDefaultValue(axisType == servoAxis ? loopLocation : stepperLoopMode, index, out);
    return CVornMotionAxisSettingsBase::GetResetValue(attr, index, out);
}

void CVornMotionAxisSettingsGeneral::on_genAxisLoopMode_currentIndexChanged(int curIndex)
{
    if (StoreSelectedId(stepperLoopMode, 0, ui.genAxisLoopMode, curIndex))
        emit AxisTypeOrLoopModeChanged();
}

void CVornMotionAxisSettingsGeneral::on_genAxisType_currentIndexChanged(int curIndex)
{
    qint32 chosen = 0;
    if (changeList->loading || !ComboItems::IdAt(ui.genAxisType, curIndex, &chosen))
        return;
    StoreId(AxisIds::axisType, 0, chosen);
    axisType = chosen;
    UpdateUnits();
    LoadProperties();
    {
        // The loop period a stepper gets goes with its type: a revert takes both back.
        const CVornMotionChangeList::Derivation derived(changeList, AxisIds::axisType, 0);
        if (chosen == stepperAxis)
            dialog->SelectStepperLoopPeriod();
        else if (chosen == servoAxis)
            dialog->CheckServoLoopPeriod();
    }
    emit AxisTypeOrLoopModeChanged();
}

void CVornMotionAxisSettingsGeneral::on_genEnabledButton_toggled(bool curState)
{
    if (!StoreBoolean(axisEnabled, 0, curState))
        return;
    // The activation follows, unless the database lets no one set it: a refused write would
    // fail the whole commit.
    if (db->IsAttributeSupported(activateAxis, 0) && !db->IsAttributeReadOnly(activateAxis, 0)) {
        AttributeValue activate = {};
        if (curState)
            GetDefaultValue(activateAxis, 0, activate);
        SetValue(activateAxis, 0, activate);
    }
    LoadProperties();
}

void CVornMotionAxisSettingsGeneral::on_genChkboxActivateAxis_toggled(bool curState)
{
    StoreBoolean(activateAxis, 0, curState);
}

void CVornMotionAxisSettingsGeneral::on_genFeedbackType_currentIndexChanged(int curIndex)
{
    if (StoreSelectedId(feedback, 0, ui.genFeedbackType, curIndex))
        emit UpdateAllSettingsPages();
}

void CVornMotionAxisSettingsGeneral::on_genDualLoopEnabled_toggled(bool curState)
{
    StoreBoolean(dualLoop, 0, curState);
}
