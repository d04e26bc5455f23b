#include "comparePage.h"

#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyIntegerComboBox.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId action = 0xA3002D;
const AttributeId pulseWidth = 0xA30031;
const AttributeId safeState = 0xA30030;
const AttributeId activeState = 0xA3002F;
const AttributeId outputType = 0xA10079;
const AttributeId outputName = 0xC20095;

const qint32 pulseAction = 0xA300C3;
const qint32 compareActions[] = {0xA300BF, 0xA300C0, 0xA300C1, 0xA300C2, pulseAction, 0};
const qint32 outputTypes[] = {0xA3007B, 0xA3007C, 0xA10074, 0xA10077, 0xA10078, 0};
const double pulseWidths[] = {1e-7, 5e-7, 1e-6, 1e-5, 1e-4, 5e-4, 0.001, 0.0};

QString ActionPicture(qint32 value)
{
    switch (value) {
    case 0xA300C0:
        return QStringLiteral(":/images/compareSetActiveHigh.png");
    case 0xA300C2:
        return QStringLiteral(":/images/compareToggleActiveHigh.png");
    case pulseAction:
        return QStringLiteral(":/images/comparePulseActiveHigh.png");
    default:
        return QString();
    }
}

} // namespace

CVornMotionAxisSettingsCompare::CVornMotionAxisSettingsCompare(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsCompare::CreateProperties()
{
    const QString none;
    AddProperty(new UIPropertyIntegerComboBox(action, ui.ccpLabelCompareAction, compareActions, 0,
                                              none, ui.ccpCompareAction));
    AddProperty(new UIPropertyDoubleSpinBox(0xA3002E, ui.ccpLabelCompareWindow,
                                            ui.ccpUnitsCompareWindow, 0, none,
                                            ui.ccpCompareWindow));
    AddProperty(new UIPropertyDoubleComboBox(pulseWidth, ui.ccpLabelComparePulseWidth, pulseWidths,
                                             0, none, ui.ccpComparePulseWidth));
    output = AddIoLine(
        {this,
         {outputType, activeState, safeState, safeState, outputName, UIProperty::FixedIndex},
         {ui.ccpCompareOutputType, ui.ccpLabelCompareOutputType, ui.ccpCompareActiveState,
          ui.ccpLabelCompareActiveState, nullptr, nullptr, ui.ccpCompareSafestate,
          ui.ccpLabelCompareSafestate, ui.ccpComparePicture, ui.label_activeCom,
          ui.label_inactiveCom, ui.label_SafeStateCom, ui.label_SafeState2Com, nullptr,
          ui.compareHardwareGroup, tr("Compare Output (%1)"), tr("Compare Output")}},
        outputTypes);
}

void CVornMotionAxisSettingsCompare::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    ShowAction();
}

// Only the pulse action has a width.
void CVornMotionAxisSettingsCompare::ShowAction()
{
    const qint32 shown = ReadInteger(action);
    RestrictBinding(ui.ccpComparePulseWidth, shown == pulseAction);
    SetPicture(ui.ccpCompareActionPicture, ActionPicture(shown));
}

void CVornMotionAxisSettingsCompare::on_ccpCompareAction_currentIndexChanged(int curIndex)
{
    if (StoreSelectedId(action, 0, ui.ccpCompareAction, curIndex))
        ShowAction();
}

void CVornMotionAxisSettingsCompare::on_ccpComparePulseWidth_currentIndexChanged(int curIndex)
{
    StoreSelectedReal(pulseWidth, 0, ui.ccpComparePulseWidth, curIndex);
}

void CVornMotionAxisSettingsCompare::on_ccpCompareActiveState_currentIndexChanged(int curIndex)
{
    output->StoreActiveState(ui.ccpCompareActiveState, curIndex);
}

void CVornMotionAxisSettingsCompare::on_ccpCompareActiveState_Drive_currentIndexChanged(
    int curIndex)
{
    output->StoreActiveState(findChild<QComboBox *>(QStringLiteral("ccpCompareActiveState_Drive")),
                             curIndex);
}

void CVornMotionAxisSettingsCompare::on_ccpCompareOutputType_currentIndexChanged(int curIndex)
{
    output->StoreType(curIndex);
}

void CVornMotionAxisSettingsCompare::on_ccpCompareSafestate_currentIndexChanged(int curIndex)
{
    output->StoreSafeState(curIndex);
}
