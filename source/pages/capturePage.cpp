#include "capturePage.h"

#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId edge = 0xA30032;
const AttributeId activeState = 0xA1007B;
const AttributeId inputType = 0xA1007A;
const AttributeId filter = 0xA30033;
const AttributeId inputName = 0xC20098;

const qint32 toActive = 0xA30088;
const qint32 edges[] = {toActive, 0xA30089, 0};
const qint32 inputTypes[] = {0xA30079, 0xA3007A, 0xA10075, 0xA10076, 0};
const double filters[] = {1.2e-7, 5e-8, 1e-7, 5e-7, 1e-6, 1e-5, 1e-4, 0.0};

} // namespace

CVornMotionAxisSettingsCapture::CVornMotionAxisSettingsCapture(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsCapture::CreateProperties()
{
    const QString none;
    AddProperty(new UIPropertyIntegerComboBox(edge, ui.ccpLabelCaptureEdge, edges, 0, none,
                                              ui.ccpCaptureEdge));
    // The form's caption objects carry each other's word: the word decides where a caption sits.
    input
        = AddIoLine({this,
                     {inputType, activeState, 0, filter, inputName, UIProperty::FixedIndex},
                     {ui.ccpCaptureInputType, ui.ccpLabelCaptureInputType, ui.ccpCaptureActiveState,
                      ui.ccpLabelCaptureActiveState, ui.ccpCaptureActiveState_Drive,
                      ui.ccpLabelCaptureActiveState_Drive, nullptr, nullptr, ui.capturePicture,
                      ui.label_inactiveCap, ui.label_activeCap, nullptr, nullptr, ui.captureStack,
                      ui.captureHardwareGroup, tr("Capture Input (%1)"), tr("Capture Input")}},
                    inputTypes);
    AddProperty(new UIPropertyDoubleComboBox(filter, ui.ccpLabelCaptureFilterFreq, filters, 0, none,
                                             ui.ccpCaptureFilterFreq));
}

void CVornMotionAxisSettingsCapture::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    ShowEdgePicture();
}

void CVornMotionAxisSettingsCapture::ShowEdgePicture()
{
    SetPicture(ui.ccpCaptureActionPicture,
               ReadInteger(edge) == toActive
                   ? QStringLiteral(":/images/captureActiveHighTransitionActive.png")
                   : QStringLiteral(":/images/captureActiveHighTransitionInactive.png"));
}

void CVornMotionAxisSettingsCapture::on_ccpCaptureEdge_currentIndexChanged(int curIndex)
{
    if (StoreSelectedId(edge, 0, ui.ccpCaptureEdge, curIndex))
        ShowEdgePicture();
}

void CVornMotionAxisSettingsCapture::on_ccpCaptureActiveState_currentIndexChanged(int curIndex)
{
    input->StoreActiveState(ui.ccpCaptureActiveState, curIndex);
}

void CVornMotionAxisSettingsCapture::on_ccpCaptureActiveState_Drive_currentIndexChanged(
    int curIndex)
{
    input->StoreActiveState(ui.ccpCaptureActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsCapture::on_ccpCaptureInputType_currentIndexChanged(int curIndex)
{
    input->StoreType(curIndex);
}

void CVornMotionAxisSettingsCapture::on_ccpCaptureFilterFreq_currentIndexChanged(int curIndex)
{
    StoreSelectedReal(filter, 0, ui.ccpCaptureFilterFreq, curIndex);
}
