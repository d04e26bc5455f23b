#include "brakePage.h"

#include "properties/uiPropertyCheckbox.h"

namespace {
const nVornMCPCD100::AttributeId brakeFitted = 0xC20033;
} // namespace

CVornMotionAxisSettingsBrake::CVornMotionAxisSettingsBrake(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsBrake::CreateProperties()
{
    AddProperty(new UIPropertyCheckbox(brakeFitted, nullptr, 0, QString(), ui.brakeEnable));
}

void CVornMotionAxisSettingsBrake::on_brakeEnable_toggled(bool checked)
{
    StoreBoolean(brakeFitted, 0, checked);
}
