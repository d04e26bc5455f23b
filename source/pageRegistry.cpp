#include "pageRegistry.h"

#include "pages/analogPage.h"
#include "pages/brakePage.h"
#include "pages/capturePage.h"
#include "pages/comparePage.h"
#include "pages/digitalPage.h"
#include "pages/driveCommandPage.h"
#include "pages/driveSignalsPage.h"
#include "pages/encoderPage.h"
#include "pages/generalPage.h"
#include "pages/limitsHomePage.h"
#include "pages/positionLoopPage.h"
#include "pages/splinePage.h"
#include "pages/stepperPage.h"
#include "pages/trajectoryPage.h"
#include "pages/velocityLoopPage.h"

namespace {

template <typename Page>
CVornMotionAxisSettingsBase *Create(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                    CVornMotionChangeList *changeList,
                                    CVornMotionAxisSettings *dialog, QWidget *parent)
{
    return new Page(db, changeList, dialog, parent);
}

const PageEntry pages[] = {
    {0xA300D5, "General", "gmodeSetup", 0xA300D5, "dt/eng/generated/AxisConfig_General.html",
     Create<CVornMotionAxisSettingsGeneral>},
    {0xA300D6, "Trajectory", "gmodeTrajectory", 0xA300D6,
     "dt/eng/generated/AxisConfig_Trajectory.html", Create<CVornMotionAxisSettingsTrajectory>},
    {0xA300AA, "Position loop", "gmodePositionLoop", 0xA300AA,
     "dt/eng/generated/AxisConfig_ControlLoop.html", Create<CVornMotionSettingsPositionLoop>},
    {0xA300AC, "Velocity loop", "gmodeMultiPurpose", 0xA300AC,
     "dt/eng/generated/AxisConfig_VelocityLoop.html", Create<CVornMotionSettingsVelocityLoop>},
    {0xA300EE, "Drive command", "gmodeMultiPurpose", 0xA300E5,
     "dt/eng/generated/AxisConfig_DriveCommand.html", Create<CVornMotionAxisSettingsDriveCommand>},
    {0xA300D7, "Stepper", "gmodeMultiPurpose", 0xA300D7,
     "dt/eng/generated/AxisConfig_Stepper.html", Create<CVornMotionAxisSettingsStepper>},
    {0xA300DD, "Encoder", "gmodeEnc", 0xA300DD, "dt/eng/generated/AxisConfig_Encoder.html",
     Create<CVornMotionAxisSettingsEncoder>},
    {0xA300D8, "Limits and home", "gmodeLimitsAndHome", 0xC2000B,
     "dt/eng/generated/AxisConfig_LimHome.html", Create<CVornMotionAxisSettingsLimitsHome>},
    {0xA300DB, "Digital IO", "gmodeDigitalIO", 0xA300DB,
     "dt/eng/generated/AxisConfig_Digital.html", Create<CVornMotionAxisSettingsDigital>},
    {0xA300B9, "Drive signals", "gmodeDriveSignals", 0xA300B9,
     "dt/eng/generated/AxisConfig_DriveSignals.html", Create<CVornMotionAxisSettingsDriveSignals>},
    {0xA300DC, "Analog", "gmodeAnalogIO", 0xA300DC, "dt/eng/generated/AxisConfig_Analog.html",
     Create<CVornMotionAxisSettingsAnalog>},
    {0xB10025, "Compare", "gmodeComp", 0xA300DA, "dt/eng/generated/AxisConfig_Compare.html",
     Create<CVornMotionAxisSettingsCompare>},
    {0xA10003, "Capture", "gmodeCapt", 0xA10082, "dt/eng/generated/AxisConfig_Capture.html",
     Create<CVornMotionAxisSettingsCapture>},
    {0xA300E7, "Spline", "gmodeSpline", 0xA300E7, "dt/eng/generated/AxisConfig_Spline.html",
     Create<CVornMotionAxisSettingsSpline>},
    {0xC20030, "Brake", "gmodeBrake", 0xC20030, "dt/eng/generated/AxisConfig_Brake.html",
     Create<CVornMotionAxisSettingsBrake>},
};

} // namespace

namespace PageRegistry {

const PageEntry *Find(int pageId)
{
    for (const PageEntry &entry : pages) {
        if (entry.pageId == pageId)
            return &entry;
    }
    return nullptr;
}

QString HelpTopic(int pageId)
{
    const PageEntry *entry = Find(pageId);
    return QString::fromLatin1(entry ? entry->helpTopic : "dt/eng/generated/AxisConfig_DB.html");
}

const PageEntry *begin()
{
    return std::begin(pages);
}

const PageEntry *end()
{
    return std::end(pages);
}

} // namespace PageRegistry
