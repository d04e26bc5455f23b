#include "testSettingsPage.h"

#include "axisFixtures.h"

#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyEditComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertyIntegerSpinBox.h"
#include "properties/uiPropertyRadioButton.h"

namespace {
const qint32 feedbackIds[] = {0xA300BE, 0xA3006D, 0xA3006E, 0xA3006F, 0};
const double filterPeriods[] = {0.0000001, 0.0000005, 0.000001, 0.00001, 0.0001, 0.0005, 0.001,
                                0.0};
const qint32 outputTypeIds[] = {0xA10077, 0xA10078, 0xA3007B, 0xA3007C, 0};

const nVornMCPCD100::AttributeId stepperUnits = 0xA30005;
const nVornMCPCD100::AttributeId stepsPerUnit = 0xA30006;
const nVornMCPCD100::AttributeId loopMode = 0xA30007;
const nVornMCPCD100::AttributeId encoderCountsPerUnit = 0xA30035;
const nVornMCPCD100::AttributeId analogUnits = 0xA30040;
const nVornMCPCD100::AttributeId analogCountsPerUnit = 0xA30041;
const nVornMCPCD100::AttributeId firstEncoder = 0xA10061;
const nVornMCPCD100::AttributeId inputType = 0xA3000B;

AxisSetting Bounded(AxisSetting setting, double minimum, double maximum)
{
    nVornMCPCD100::AttributeValue low = {};
    nVornMCPCD100::AttributeValue high = {};
    if (setting.kind == SettingKind::Integer) {
        low.integerValue = qint32(minimum);
        high.integerValue = qint32(maximum);
    } else {
        low.realValue = minimum;
        high.realValue = maximum;
    }
    setting.minimum = low;
    setting.maximum = high;
    return setting;
}

AxisSetting WithDefault(AxisSetting setting, qint32 integer, double real)
{
    setting.defaultValue.integerValue = integer;
    setting.defaultValue.realValue = real;
    return setting;
}

} // namespace

TestSettingsPage::TestSettingsPage(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void TestSettingsPage::CreateProperties()
{
    AddProperty(new UIPropertyCheckbox(MotorOff, nullptr, 0, QString(), ui.tstMotorOff));
    AddProperty(new UIPropertyIntegerComboBox(Feedback, ui.tstLabelFeedback, feedbackIds, 0,
                                              QString(), ui.tstFeedback));
    AddProperty(new UIPropertyDoubleComboBox(Filter, ui.tstLabelFilter, filterPeriods, 0,
                                             QString(), ui.tstFilter));
    AddProperty(new UIPropertyIntegerSpinBox(Limit, ui.tstLabelLimit, 0, QString(), ui.tstLimit));
    AddProperty(new UIPropertyIntegerSpinBox(EncoderCount, ui.tstLabelEncoderCount, 0, QString(),
                                             ui.tstEncoderCount));
    AddProperty(new UIPropertyDoubleSpinBox(Velocity, ui.tstLabelVelocity, ui.units_tstVelocity,
                                            0, QStringLiteral("/s"), ui.tstVelocity));
    AddProperty(new UIPropertyDoubleSpinBox(Settle, ui.tstLabelSettle, nullptr, 0, QString(),
                                            ui.tstSettle));
    AddProperty(new UIPropertyRadioButton(InputState, ui.tstActiveLow, 0, QString(),
                                          ui.tstActiveHigh));
    output = AddIoLine({this,
                        {OutputType, OutputState, SafeState, SafeState, 0, UIProperty::FixedIndex},
                        {ui.tstOutputType, ui.tstLabelOutputType, ui.tstOutputState,
                         ui.tstLabelOutputState, nullptr, nullptr, ui.tstSafeState,
                         ui.tstLabelSafeState, ui.tstOutputPicture, ui.tstActive, ui.tstInactive,
                         ui.tstSafePictureA, ui.tstSafePictureB, nullptr, nullptr, QString(),
                         QString()}},
                       outputTypeIds);
    AddProperty(new UIPropertyEditComboBox(EncoderUnits, ui.tstLabelUnits,
                                           UIProperty::InstanceIndex, QString(), ui.tstUnits));
}

void TestSettingsPage::on_tstMotorOff_toggled(bool checked)
{
    StoreBoolean(MotorOff, 0, checked);
}

void TestSettingsPage::on_tstFeedback_currentIndexChanged(int index)
{
    StoreSelectedId(Feedback, 0, ui.tstFeedback, index);
}

void TestSettingsPage::on_tstFilter_currentIndexChanged(int index)
{
    StoreSelectedReal(Filter, 0, ui.tstFilter, index);
}

void TestSettingsPage::on_tstActiveHigh_toggled(bool checked)
{
    StoreId(InputState, 0, checked ? 0xA30077 : 0xA30078);
}

void TestSettingsPage::on_tstOutputType_currentIndexChanged(int index)
{
    output->StoreType(index);
}

void TestSettingsPage::on_tstOutputState_currentIndexChanged(int index)
{
    output->StoreActiveState(ui.tstOutputState, index);
}

void TestSettingsPage::on_tstSafeState_currentIndexChanged(int index)
{
    output->StoreSafeState(index);
}

void TestSettingsPage::on_tstUnits_editTextChanged(const QString &text)
{
    StoreText(EncoderUnits, quint32(instanceIndex), text);
}

void TestSettingsPage::SetUpServo(CAxisDatabase &database)
{
    SetUpAxis(database, 0xA3006B, 0.0001);
    database.SetSetting(Feedback, 0,
                        EnumerationSetting(0xA3006D, {0xA3006D, 0xA3006E, 0xA3006F}));
    database.SetSetting(EncoderCount, 0, IntegerSetting(2, true));
    database.SetSetting(firstEncoder, 0, IntegerSetting(0, true));
    database.SetSetting(encoderCountsPerUnit, 0, RealSetting(1000));
    database.SetSetting(encoderCountsPerUnit, 1, RealSetting(500));
    database.SetSetting(EncoderUnits, 0, StringSetting(QStringLiteral("mm")));
    database.SetSetting(EncoderUnits, 1, StringSetting(QStringLiteral("rev")));
    database.SetSetting(analogUnits, 0, StringSetting(QStringLiteral("V")));
    database.SetSetting(analogCountsPerUnit, 0, RealSetting(10));
    database.SetSetting(stepperUnits, 0, StringSetting(QStringLiteral("in")));
    database.SetSetting(stepsPerUnit, 0, RealSetting(200));
    database.SetSetting(loopMode, 0, EnumerationSetting(0xA30070, {0xA30070, 0xA30071}));

    AxisSetting motorOff;
    motorOff.kind = SettingKind::Boolean;
    motorOff.value.booleanValue = 1;
    database.SetSetting(MotorOff, 0, motorOff);
    database.SetSetting(Filter, 0,
                        Bounded(RealSetting(0.000001), 0.0000005, 0.0001));
    database.SetSetting(Limit, 0, Bounded(IntegerSetting(5), 0, 100));
    AxisSetting velocity = WithDefault(Bounded(RealSetting(10), 0, 1000), 0, 20);
    velocity.scaled = true;
    database.SetSetting(Velocity, 0, velocity);
    database.SetSetting(Settle, 0,
                        WithDefault(Bounded(RealSetting(0.002), 0, 0.1), 0, 0.001));
    database.SetSetting(InputState, 0,
                        EnumerationSetting(0xA30077, {0xA30077, 0xA30078}));
    database.SetSetting(inputType, 0, EnumerationSetting(0xA10076, {0xA10076}));
    database.SetSetting(OutputType, 0,
                        EnumerationSetting(0xA10077, {0xA10077, 0xA10078, 0xA3007B}));
    database.SetSetting(
        OutputState, 0,
        WithDefault(EnumerationSetting(0xA30078, {0xA30077, 0xA30078, 0xA10072, 0xA10073}),
                    0xA10072, 0));
    database.SetSetting(SafeState, 0,
                        EnumerationSetting(0xA3007D, {0xA3007E, 0xA3007D, 0xA300C9, 0xA1007C,
                                                      0xA1007D}));
}
