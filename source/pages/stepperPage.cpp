#include "stepperPage.h"

#include "axisIds.h"
#include "displayTexts.h"
#include "loadingGuard.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyEditComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertyRadioButton.h"

#include <algorithm>
#include <cmath>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

const AttributeId activeState = 0xA30009;
const AttributeId outputMode = 0xA3000A;
const AttributeId outputType = 0xA3000B;
const AttributeId positionErrorLimit = 0xA30059;
const AttributeId enforceErrorLimit = 0xC2002D;
const AttributeId correctionAcceleration = 0xC20026;
const AttributeId correctionDeceleration = 0xC20027;
const AttributeId correctionJerk = 0xC20028;
const AttributeId correctionDecelerationJerk = 0xC20029;
const AttributeId maximumCorrection = 0xC2002E;

const qint32 stepAndDirection = 0xA30073;
const qint32 clockwiseCounterclockwise = 0xA30074;

const AttributeId outputSection = 0xA300D7;
const AttributeId positionErrorSection = 0xB1006D;
const AttributeId correctionSection = 0xC2002C;
const AttributeId sectionIds[] = {outputSection, positionErrorSection, correctionSection, 0};
const qint32 outputTypes[] = {0xA10077, 0xA10078, 0xA10074, 0xA3007B, 0xA3007C, 0};

// The picture of the profile whose cap lies nearest to maximum correction / error limit.
QString CorrectionPicture(double maximum, double errorLimit)
{
    const double ratio = errorLimit > 0.0 ? maximum / errorLimit : std::nan("");
    int percent = 125;
    if (std::isfinite(ratio)) {
        const struct
        {
            double upTo;
            int percent;
        } steps[] = {{0.375, 25}, {0.625, 50}, {0.875, 75}, {1.125, 100}};
        for (const auto &step : steps) {
            if (ratio <= step.upTo) {
                percent = step.percent;
                break;
            }
        }
    }
    return QStringLiteral(":/images/MaxCorrErr%1.png").arg(percent);
}

} // namespace

CVornMotionAxisSettingsStepper::CVornMotionAxisSettingsStepper(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    ui.stpLabelStepsPerUnit->setTextFormat(Qt::PlainText);
    connect(ui.genMonitorPE, &QAbstractButton::toggled, this, [this](bool checked) {
        on_genMonitorPE_stateChanged(checked ? Qt::Checked : Qt::Unchecked);
    });
    RunConstructionSequence();
    ui.stepperStack->setCurrentIndex(0);
    ui.stepperTable->setCurrentCell(0, 0);
}

void CVornMotionAxisSettingsStepper::CreateProperties()
{
    const QString none;
    AddProperty(new UIPropertyDoubleSpinBox(stepsPerUnit, ui.stpLabelStepsPerUnit, nullptr, 0, none,
                                            ui.stpStepsPerUnit));
    output = AddIoLine({this,
                        {outputType, activeState, 0, 0, 0, UIProperty::FixedIndex},
                        {ui.stpOutputType, ui.stpLabelOutputType, ui.stpActiveState,
                         ui.stpLabelActiveState, nullptr, nullptr, nullptr, nullptr,
                         ui.stpOutputTypePicture, ui.label_activeStp, ui.label_inactiveStp,
                         nullptr, nullptr, nullptr, nullptr, QString(), QString()}},
                       outputTypes);
    AddProperty(new UIPropertyRadioButton(outputMode, ui.stpOutputModeClkCntClkwise, 0, none,
                                          ui.stpOutputModeStepDirection));
    AddProperty(new UIPropertyEditComboBox(stepperUnits, ui.stpLabelUnits, 0, none, ui.stpUnits));
    // The correction reads in the display units, its delay in the form's milliseconds.
    const auto displayUnits = UIProperty::UnitsSource::DisplayUnits;
    const struct
    {
        AttributeId attribute;
        QLabel *caption;
        QLabel *units;
        UIProperty::UnitsSource source;
        const char *suffix;
        CCoercingSpinBox *box;
    } corrections[] = {
        {0xC20025, ui.label_stpCorrVel, ui.units_stpCorrVel, displayUnits, QT_TR_NOOP("/s"),
         ui.stpCorrVel},
        {correctionAcceleration, ui.label_stpCorrAcc, ui.units_stpCorrAcc, displayUnits,
         QT_TR_NOOP("/s^2"), ui.stpCorrAcc},
        {correctionJerk, ui.label_stpCorrAccJerk, ui.units_stpCorrAccJerk, displayUnits,
         QT_TR_NOOP("/s^3"), ui.stpCorrAccJerk},
        {0xC2002A, ui.label_stpCorrDeadband, ui.units_stpCorrDeadband, displayUnits, "",
         ui.stpCorrDeadband},
        {0xC2002B, ui.label_stpCorrDelayCorr, ui.units_stpCorrDelayCorr,
         UIProperty::UnitsSource::FormText, "", ui.stpCorrDelayCorr},
        {maximumCorrection, ui.label_stpCorrMaxCorrLim, ui.units_stpCorrMaxCorrLim, displayUnits,
         "", ui.stpCorrMaxCorrLim},
    };
    for (const auto &correction : corrections) {
        const QString suffix = *correction.suffix ? tr(correction.suffix) : none;
        AddProperty((new UIPropertyDoubleSpinBox(correction.attribute, correction.caption, nullptr,
                                                 0, suffix, correction.box))
                        ->ShowUnitsIn(correction.units, correction.source));
    }
    AddProperty(new UIPropertyCheckbox(enforceErrorLimit, nullptr, 0, none, ui.genMonitorPE));
    // The position error reads in the units of the feedback that measures it.
    const auto feedbackUnits = UIProperty::UnitsSource::FeedbackUnits;
    AddProperty((new UIPropertyDoubleSpinBox(positionErrorLimit, ui.genLabelOLoopPELimit, nullptr,
                                             0, none, ui.stepperPELimit))
                    ->ShowUnitsIn(ui.units_stepperPELimit, feedbackUnits));
    AddProperty((new UIPropertyDoubleSpinBox(positionErrorLimit, ui.genLabelOLoopPELimitCLoop,
                                             nullptr, 0, none, ui.stepperPELimitCLoop))
                    ->ShowUnitsIn(ui.units_stepperPELimitCLoop, feedbackUnits));
}

void CVornMotionAxisSettingsStepper::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    AttachSections(sections, ui.stepperTable, ui.stepperStack);
    AttachLayoutStack(ui.stepperPEStack);
    FillSections();
}

void CVornMotionAxisSettingsStepper::FillSections()
{
    const AttributeId shown = sections.SectionOf(ui.stepperTable->currentRow());
    const bool hasFeedback = ReadInteger(feedback) != noFeedback;
    const bool isClosedLoop = ReadInteger(stepperLoopMode) == closedLoop;
    sections.Fill(sectionIds, [=](AttributeId section) {
        if (section == positionErrorSection)
            return hasFeedback;
        if (section == correctionSection)
            return isClosedLoop;
        return true;
    });
    const int row = std::max(0, sections.RowOf(shown));
    ui.stepperTable->setCurrentCell(row, 0);
    ui.stepperStack->setCurrentIndex(std::max(0, sections.StackPageOf(row)));
}

void CVornMotionAxisSettingsStepper::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    CVornMotionLoadingGuard loading(changeList);
    FillSections();
    ShowOutputModePicture();
    ShowCorrectionPicture();
    EnablePositionErrorLimit();
    UpdateUnits();
    // Only closed loop takes the units from the feedback; any other mode shows what a new page
    // shows, so that the page never depends on the mode it showed before.
    const bool closed = ReadInteger(stepperLoopMode) == closedLoop;
    RestrictBinding(ui.stpUnits, true, !closed);
    ui.stepperPEStack->setCurrentIndex(closed ? 1 : 0);
}

void CVornMotionAxisSettingsStepper::EnablePositionErrorLimit()
{
    RestrictBinding(ui.stepperPELimit, true, ReadBoolean(enforceErrorLimit));
}

void CVornMotionAxisSettingsStepper::UpdateUnits()
{
    CVornMotionAxisSettingsBase::UpdateUnits();
    ui.stpLabelStepsPerUnit->setText(
        GetDictionaryName(stepsPerUnit).replace(QStringLiteral("Unit"), GetDisplayUnits()));
}

void CVornMotionAxisSettingsStepper::ShowOutputModePicture()
{
    const qint32 mode = ReadInteger(outputMode);
    QString picture;
    if (mode == stepAndDirection)
        picture = QStringLiteral(":/images/StepDir.png");
    else if (mode == clockwiseCounterclockwise)
        picture = QStringLiteral(":/images/CWCCW.png");
    SetPicture(ui.stpOutputModePicture, picture);
}

void CVornMotionAxisSettingsStepper::ShowCorrectionPicture()
{
    AttributeValue maximum;
    AttributeValue errorLimit;
    GetValue(maximumCorrection, 0, maximum);
    GetValue(positionErrorLimit, 0, errorLimit);
    SetPicture(ui.corrProfilePicture, CorrectionPicture(maximum.realValue, errorLimit.realValue));
}

void CVornMotionAxisSettingsStepper::on_stepperTable_currentCellChanged(int currentRow, int, int,
                                                                        int)
{
    const int page = sections.StackPageOf(currentRow);
    if (page >= 0)
        ui.stepperStack->setCurrentIndex(page);
}

void CVornMotionAxisSettingsStepper::on_stpOutputModeStepDirection_toggled(bool checked)
{
    if (StoreId(outputMode, 0, checked ? stepAndDirection : clockwiseCounterclockwise))
        ShowOutputModePicture();
}

void CVornMotionAxisSettingsStepper::on_stpActiveState_currentIndexChanged(int curIndex)
{
    output->StoreActiveState(ui.stpActiveState, curIndex);
}

void CVornMotionAxisSettingsStepper::on_stpOutputType_currentIndexChanged(int curIndex)
{
    output->StoreType(curIndex);
}

void CVornMotionAxisSettingsStepper::on_stpStepsPerUnit_editingFinished()
{
    if (!changeList->loading)
        emit UpdateAllSettingsPages();
}

void CVornMotionAxisSettingsStepper::on_genMonitorPE_stateChanged(int state)
{
    if (StoreBoolean(enforceErrorLimit, 0, state == Qt::Checked))
        EnablePositionErrorLimit();
}

void CVornMotionAxisSettingsStepper::on_stpUnits_editTextChanged(const QString &text)
{
    EditUnitsText(stepperUnits, 0, ui.stpUnits, text);
}

void CVornMotionAxisSettingsStepper::on_coercedValueChanged(long attr, double curValue,
                                                            bool dataTypeDouble)
{
    AttributeValue value;
    if (changeList->loading || !CoercedValue(attr, curValue, dataTypeDouble, value))
        return;
    const AttributeId edited = AttributeId(attr);
    SetValue(edited, 0, value);
    // The correction decelerates as it accelerates: one edit to the person who made it.
    const CVornMotionChangeList::Derivation derived(changeList, edited, 0);
    if (edited == correctionAcceleration)
        SetValue(correctionDeceleration, 0, value);
    else if (edited == correctionJerk)
        SetValue(correctionDecelerationJerk, 0, value);
    else if (edited == maximumCorrection || edited == positionErrorLimit)
        ShowCorrectionPicture();
}

void CVornMotionAxisSettingsStepper::on_invalidSettings(bool state)
{
    MarkInvalid(ui.stpStepsPerUnit, state);
}
