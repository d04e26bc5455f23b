#ifndef VORNAC_TESTS_TESTSETTINGSPAGE_H
#define VORNAC_TESTS_TESTSETTINGSPAGE_H

#include "ioLine.h"
#include "settingsBase.h"

#include "ui_testSettingsPage.h"

class CAxisDatabase;

// A page as the product's pages are written: a form, a binding table and a few slots. It binds
// one widget of every kind of binding that shows one instance, the I/O states through an output
// line; the table column is the Digital I/O page's.
class TestSettingsPage : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    enum : nVornMCPCD100::AttributeId
    {
        MotorOff = 0xA30020,
        Feedback = 0xA30003,
        Filter = 0xA30031,
        Limit = 0xA30021,
        EncoderCount = 0xA300C6,
        Velocity = 0xA30025,
        Settle = 0xA3001D,
        InputState = 0xA30009,
        OutputType = 0xA30069,
        OutputState = 0xA30067,
        SafeState = 0xA30068,
        EncoderUnits = 0xA30034
    };

    TestSettingsPage(nVornMCPCD100::iMotionConfigurationDatabase *db,
                     CVornMotionChangeList *changeList, CVornMotionAxisSettings *dialog,
                     QWidget *parent);

    // A servo axis fed back by its first encoder, with every setting this page binds.
    static void SetUpServo(CAxisDatabase &database);

    using CVornMotionAxisSettingsBase::GetDisplayUnits;
    using CVornMotionAxisSettingsBase::LoadProperties;
    using CVornMotionAxisSettingsBase::InstanceAt;

    Ui::TestSettingsPageClass ui;

private slots:
    void on_tstMotorOff_toggled(bool checked);
    void on_tstFeedback_currentIndexChanged(int index);
    void on_tstFilter_currentIndexChanged(int index);
    void on_tstActiveHigh_toggled(bool checked);
    void on_tstOutputType_currentIndexChanged(int index);
    void on_tstOutputState_currentIndexChanged(int index);
    void on_tstSafeState_currentIndexChanged(int index);
    void on_tstUnits_editTextChanged(const QString &text);

protected:
    void CreateProperties() override;

private:
    CVornMotionIoLine *output = nullptr;
};

#endif
