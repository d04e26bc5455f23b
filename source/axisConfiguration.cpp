#include "settingsMain.h"
#include "translation.h"

#include <vornac/VornMotionAxisConfiguration.h>

CVornMotionAxisConfiguration::CVornMotionAxisConfiguration(
    nVornMCPCD100::iMotionConfigurationDatabase *database, CmxProvider *provider)
    : dialog(nullptr)
{
    // The forms take their texts as they are built.
    InstallModuleTranslation();
    dialog = new CVornMotionAxisSettings(database, this, provider);
}

CVornMotionAxisConfiguration::~CVornMotionAxisConfiguration()
{
    delete dialog;
}

CVornMotionAxisConfiguration &CVornMotionAxisConfiguration::operator=(
    const CVornMotionAxisConfiguration &other)
{
    dialog = other.dialog;
    return *this;
}

QDialog *CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(
    nVornMCPCD100::iMotionConfigurationDatabase *database, CmxProvider *provider)
{
    if (!database)
        return nullptr;
    return (new CVornMotionAxisConfiguration(database, provider))->dialog;
}

void CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(QDialog *dialog)
{
    CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog);
    if (settings && settings->Owner())
        delete settings->Owner();
}

int CVornMotionAxisConfiguration::GetCurrentPage(QDialog *dialog)
{
    CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog);
    return settings ? settings->CurrentPage() : 0;
}

void CVornMotionAxisConfiguration::SetStartPage(QDialog *dialog, int page)
{
    if (CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog))
        settings->ApplyStartPage(page);
}

void CVornMotionAxisConfiguration::SetHostLoopRate(QDialog *dialog, double period)
{
    if (CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog))
        settings->SetHostLoopRate(period);
}

int CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(QDialog *dialog)
{
    CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog);
    return settings && settings->IsSwitchToConfigModeRequired() ? 1 : 0;
}
