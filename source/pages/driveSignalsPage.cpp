#include "driveSignalsPage.h"

#include "properties/uiPropertyActiveStateComboBox.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertySafeStateComboBox.h"

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
    AddProperty(new UIPropertyActiveStateComboBox(activeState, ui.mtnLabelDriveEnableActiveState, 0,
                                                  none, ui.mtnDriveEnableActiveState));
    AddProperty(new UIPropertyIntegerComboBox(outputType, ui.mtnLabelDriveEnableOutputType,
                                              outputTypes, 0, none, ui.mtnDriveEnableOutputType));
    AddProperty(new UIPropertySafeStateComboBox(safeState, ui.mtnLabelDriveEnableSafeState, 0, none,
                                                ui.mtnDriveEnableSafeState));
}

void CVornMotionAxisSettingsDriveSignals::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    TitleWithStoredName(ui.mtnGpboxDriveEnable, tr("Drive Enable Output"), outputName);
}

void CVornMotionAxisSettingsDriveSignals::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    ShowPicture();
}

void CVornMotionAxisSettingsDriveSignals::ShowPicture()
{
    UpdateActiveStatePicture({ui.mtnDriveEnablePicture, ui.label_activeDE, ui.label_SafeStateDE,
                              ui.label_SafeState2DE, 0, activeState, safeState, 0, outputType, 1},
                             ui.label_inactiveDE);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableEnabled_toggled(bool curState)
{
    StoreBoolean(used, 0, curState);
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableActiveState_currentIndexChanged(
    int curIndex)
{
    if (StoreSelectedId(activeState, 0, ui.mtnDriveEnableActiveState, curIndex))
        ShowPicture();
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableOutputType_currentIndexChanged(
    int curIndex)
{
    if (!StoreSelectedId(outputType, 0, ui.mtnDriveEnableOutputType, curIndex))
        return;
    OnActiveStateTypeChanged(outputType, 0, ui.mtnDriveEnableActiveState, true);
    OnSafeStateTypeChanged(outputType, 0, ui.mtnDriveEnableSafeState, true);
    ShowPicture();
}

void CVornMotionAxisSettingsDriveSignals::on_mtnDriveEnableSafeState_currentIndexChanged(
    int curIndex)
{
    if (StoreSelectedId(safeState, 0, ui.mtnDriveEnableSafeState, curIndex))
        ShowPicture();
}
