#include "driveSignalsPage.h"

#include "properties/uiPropertyCheckbox.h"

using nVornMCPCD100::AttributeId;

namespace {

const AttributeId used = 0xA300D4;
const AttributeId activeState = 0xA300BB;
const AttributeId outputType = 0xA300BC;
const AttributeId safeState = 0xA300BD;
const AttributeId outputName = 0xC20097;

const qint32 outputTypes[] = {0xA3007B, 0xA3007C, 0xA10074, 0xA10077, 0xA10078, 0};

} // namespace

CVornMotionAxisSettingsDriveSignals::CVornMotionAxisSettingsDriveSignals(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsDriveSignals::CreateProperties()
{
    const QString none;
    AddProperty(new UIPropertyCheckbox(used, nullptr, 0, none, ui.mtnDriveEnableEnabled));
    output = AddIoLine(
        {this,
         {outputType, activeState, safeState, safeState, outputName, UIProperty::FixedIndex},
         {ui.mtnDriveEnableOutputType, ui.mtnLabelDriveEnableOutputType,
          ui.mtnDriveEnableActiveState, ui.mtnLabelDriveEnableActiveState, nullptr, nullptr,
          ui.mtnDriveEnableSafeState, ui.mtnLabelDriveEnableSafeState, ui.mtnDriveEnablePicture,
          ui.label_activeDE, ui.label_inactiveDE, ui.label_SafeStateDE, ui.label_SafeState2DE,
          nullptr, ui.mtnGpboxDriveEnable, tr("Drive Enable Output (%1)"),
          tr("Drive Enable Output")}},
        outputTypes);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableEnabled_toggled(bool curState)
{
    StoreBoolean(used, 0, curState);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableActiveState_currentIndexChanged(
    int curIndex)
{
    output->StoreActiveState(ui.mtnDriveEnableActiveState, curIndex);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableOutputType_currentIndexChanged(
    int curIndex)
{
    output->StoreType(curIndex);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableSafeState_currentIndexChanged(
    int curIndex)
{
    output->StoreSafeState(curIndex);
}
