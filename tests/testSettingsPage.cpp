#include "testSettingsPage.h"

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
