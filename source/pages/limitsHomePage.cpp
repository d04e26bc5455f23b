#include "limitsHomePage.h"

#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"

using nVornMCPCD100::AttributeId;

namespace {

const AttributeId sectionIds[] = {0xA3009B, 0xA3009C, 0xA3009D, 0};
const qint32 inputTypes[] = {0xA30079, 0xA3007A, 0xA10075, 0xA10076, 0};
const qint32 stopModes[] = {0xA300CA, 0xA300CB, 0xA300CC, 0xC2008C, 0};
const double filters[] = {1.2e-7, 5e-5, 5e-4, 0.001, 0.01, 0.0};

} // namespace

CVornMotionAxisSettingsLimitsHome::CVornMotionAxisSettingsLimitsHome(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
    ui.limitsAndHomeTable->setCurrentCell(0, 0);
    ui.limitsAndHomeTable->setFocus();
    ui.motionIOStack->setCurrentIndex(0);
}

void CVornMotionAxisSettingsLimitsHome::CreateProperties()
{
    const int fixed = UIProperty::FixedIndex;
    DeclareSwitch(Forward,
                  {0xA3000C, 0xA3000F, 0xA300CD, ui.mtnFwLimitEnabled, ui.mtnFwLimitFilterFreq,
                   ui.mtnLabelFwLimitFilterFreq, ui.mtnFwLimitStopMode, ui.mtnLabelFwLimitStopMode,
                   nullptr},
                  {this,
                   {0xA3000E, 0xA3000D, 0, 0xA3000F, 0xC20091, fixed},
                   {ui.mtnFwLimitInputType, ui.mtnLabelFwLimitInputType, ui.mtnFwLimitActiveState,
                    ui.mtnLabelFwLimitActiveState, ui.mtnFwLimitActiveState_Drive,
                    ui.mtnLabelFwLimitActiveState_Drive, nullptr, nullptr, ui.forwardPicture,
                    ui.label_activeForward, ui.label_inactiveForward, nullptr, nullptr,
                    ui.forwardHardwareStack, ui.forwardHardwareGroup,
                    tr("Forward Limit Input (%1)"), tr("Forward Limit Input")}});
    DeclareSwitch(Reverse,
                  {0xA30010, 0xA30013, 0xA300CE, ui.mtnRvLimitEnabled, ui.mtnRvLimitFilterFreq,
                   ui.mtnLabelRvLimitFilterFreq, ui.mtnRvLimitStopMode, ui.mtnLabelRvLimitStopMode,
                   nullptr},
                  {this,
                   {0xA30012, 0xA30011, 0, 0xA30013, 0xC20092, fixed},
                   {ui.mtnRvLimitInputType, ui.mtnLabelRvLimitInputType, ui.mtnRvLimitActiveState,
                    ui.mtnLabelRvLimitActiveState, ui.mtnRvLimitActiveState_Drive,
                    ui.mtnLabelRvLimitActiveState_Drive, nullptr, nullptr, ui.reversePicture,
                    ui.label_activeReverse, ui.label_inactiveReverse, nullptr, nullptr,
                    ui.reverseHardwareStack, ui.reverseHardwareGroup,
                    tr("Reverse Limit Input (%1)"), tr("Reverse Limit Input")}});
    DeclareSwitch(
        Home,
        {0xA30014, 0xA30017, 0xA300CF, ui.mtnHomeEnabled, ui.mtnHomeFilterFreq,
         ui.mtnLabelHomeFilterFreq, ui.mtnHomeStopMode, ui.mtnLabelHomeStopMode, nullptr},
        {this,
         {0xA30016, 0xA30015, 0, 0xA30017, 0xC20093, fixed},
         {ui.mtnHomeInputType, ui.mtnLabelHomeInputType, ui.mtnHomeActiveState,
          ui.mtnLabelHomeActiveState, ui.mtnHomeActiveState_Drive, ui.mtnLabelHomeActiveState_Drive,
          nullptr, nullptr, ui.homePicture, ui.label_activeHome, ui.label_inactiveHome, nullptr,
          nullptr, ui.homeHardwareStack, ui.homeHardwareGroup, tr("Home Switch Input (%1)"),
          tr("Home Switch Input")}});
}

void CVornMotionAxisSettingsLimitsHome::DeclareSwitch(Switch which, const SwitchControls &controls,
                                                      const CVornMotionIoLine &input)
{
    const QString none;
    SwitchControls &each = switches[which];
    each = controls;
    AddProperty(new UIPropertyDoubleComboBox(each.filter, each.filterLabel, filters, 0, none,
                                             each.filterCombo));
    AddProperty(new UIPropertyCheckbox(each.enabled, nullptr, 0, none, each.enabledBox));
    each.input = AddIoLine(input, inputTypes);
    AddProperty(new UIPropertyIntegerComboBox(each.stopMode, each.stopModeLabel, stopModes, 0, none,
                                              each.stopModeCombo));
}

void CVornMotionAxisSettingsLimitsHome::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    AttachSections(sections, ui.limitsAndHomeTable, ui.motionIOStack);
    sections.Fill(sectionIds);
}

void CVornMotionAxisSettingsLimitsHome::StoreEnabled(Switch which, bool enabled)
{
    StoreBoolean(switches[which].enabled, 0, enabled);
}

void CVornMotionAxisSettingsLimitsHome::StoreActiveState(Switch which, const QComboBox *combo,
                                                         int curIndex)
{
    switches[which].input->StoreActiveState(combo, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::StoreInputType(Switch which, int curIndex)
{
    switches[which].input->StoreType(curIndex);
}

void CVornMotionAxisSettingsLimitsHome::StoreFilter(Switch which, int curIndex)
{
    const SwitchControls &each = switches[which];
    StoreSelectedReal(each.filter, 0, each.filterCombo, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::StoreStopMode(Switch which, int curIndex)
{
    const SwitchControls &each = switches[which];
    StoreSelectedId(each.stopMode, 0, each.stopModeCombo, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_limitsAndHomeTable_currentCellChanged(int currentRow,
                                                                                 int, int, int)
{
    const int page = sections.StackPageOf(currentRow);
    if (page < 0)
        return;
    ui.motionIOStack->setCurrentIndex(page);
    if (page < SwitchCount)
        switches[page].input->ShowPicture();
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitEnabled_toggled(bool curState)
{
    StoreEnabled(Forward, curState);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitActiveState_currentIndexChanged(int curIndex)
{
    StoreActiveState(Forward, ui.mtnFwLimitActiveState, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitActiveState_Drive_currentIndexChanged(
    int curIndex)
{
    StoreActiveState(Forward, ui.mtnFwLimitActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitInputType_currentIndexChanged(int curIndex)
{
    StoreInputType(Forward, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitFilterFreq_currentIndexChanged(int curIndex)
{
    StoreFilter(Forward, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnFwLimitStopMode_currentIndexChanged(int curIndex)
{
    StoreStopMode(Forward, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitEnabled_toggled(bool curState)
{
    StoreEnabled(Reverse, curState);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitActiveState_currentIndexChanged(int curIndex)
{
    StoreActiveState(Reverse, ui.mtnRvLimitActiveState, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitActiveState_Drive_currentIndexChanged(
    int curIndex)
{
    StoreActiveState(Reverse, ui.mtnRvLimitActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitInputType_currentIndexChanged(int curIndex)
{
    StoreInputType(Reverse, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitFilterFreq_currentIndexChanged(int curIndex)
{
    StoreFilter(Reverse, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnRvLimitStopMode_currentIndexChanged(int curIndex)
{
    StoreStopMode(Reverse, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeEnabled_toggled(bool curState)
{
    StoreEnabled(Home, curState);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeActiveState_currentIndexChanged(int curIndex)
{
    StoreActiveState(Home, ui.mtnHomeActiveState, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeActiveState_Drive_currentIndexChanged(
    int curIndex)
{
    StoreActiveState(Home, ui.mtnHomeActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeInputType_currentIndexChanged(int curIndex)
{
    StoreInputType(Home, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeFilterFreq_currentIndexChanged(int curIndex)
{
    StoreFilter(Home, curIndex);
}

void CVornMotionAxisSettingsLimitsHome::on_mtnHomeStopMode_currentIndexChanged(int curIndex)
{
    StoreStopMode(Home, curIndex);
}
