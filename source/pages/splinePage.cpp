#include "splinePage.h"

#include "properties/uiPropertyIntegerComboBox.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId splineType = 0xA300E7;
const qint32 catmullRom = 0xA300E9;
const qint32 splineTypes[] = {0xA300E8, catmullRom, 0};
// Drives of this type interpolate every move themselves.
const qint32 interpolatingDrive = 0xC2002F;

} // namespace

CVornMotionAxisSettingsSpline::CVornMotionAxisSettingsSpline(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
    ShowPicture();
}

void CVornMotionAxisSettingsSpline::CreateProperties()
{
    AddProperty(new UIPropertyIntegerComboBox(splineType, ui.trjLabelSplineType, splineTypes, 0,
                                              QString(), ui.trjSplineType));
}

void CVornMotionAxisSettingsSpline::UpdateCaptions()
{
    CVornMotionAxisSettingsBase::UpdateCaptions();
    int32_t deviceType = 0;
    int32_t second = 0;
    const bool known = db->GetDeviceType(&deviceType, &second) >= 0;
    ui.label_DriveNote->setVisible(known && deviceType == interpolatingDrive);
}

void CVornMotionAxisSettingsSpline::ShowPicture()
{
    SetPicture(ui.splinePicture, ReadInteger(splineType) == catmullRom
                                     ? QStringLiteral(":/images/CatmullRom.png")
                                     : QStringLiteral(":/images/CubicB.png"));
    ui.splinePicture->lower();
}

void CVornMotionAxisSettingsSpline::on_trjSplineType_currentIndexChanged(int curIndex)
{
    if (StoreSelectedId(splineType, 0, ui.trjSplineType, curIndex))
        ShowPicture();
}
