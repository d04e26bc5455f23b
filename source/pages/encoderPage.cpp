#include "encoderPage.h"

#include "axisIds.h"
#include "displayTexts.h"
#include "ioStates.h"
#include "pictures.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyEditComboBox.h"
#include "properties/uiPropertyRadioButton.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

const AttributeId filterFrequency = 0xA30036;
const AttributeId activeStateA = 0xA30037;
const AttributeId activeStateB = 0xA30038;
const AttributeId activeStateIndex = 0xA30039;
const AttributeId criterionA = 0xA3003A;
const AttributeId criterionB = 0xA3003B;

const qint32 activeHigh = 0xA30077;
const qint32 activeLow = 0xA30078;
const qint32 criterionActive = 0xA3008F;
const qint32 criterionInactive = 0xA3008E;

const AttributeId velocitySection = 0xA30036;
const AttributeId sectionIds[] = {firstEncoderFeedback, secondEncoderFeedback, velocitySection, 0};
const double filterFrequencies[]
    = {500000, 1000000, 2000000, 4000000, 8000000, 16000000, 20000000, 0.0};

const int encoderStackPage = 0;
const int velocityStackPage = 1;

// The section of an encoder counted from the axis's first encoder; 0 for none.
AttributeId SectionOfEncoder(qint64 encoder)
{
    if (encoder == 0)
        return AttributeId(firstEncoderFeedback);
    if (encoder == 1)
        return AttributeId(secondEncoderFeedback);
    return 0;
}

// The encoder a row's section stands for, counted from the axis's first encoder; -1 for none.
qint32 EncoderOfSection(AttributeId section)
{
    if (section == AttributeId(firstEncoderFeedback))
        return 0;
    if (section == AttributeId(secondEncoderFeedback))
        return 1;
    return -1;
}

bool IsActiveHigh(qint32 state)
{
    return IoStates::ActiveLevelOf(state) == IoStates::ActiveLevel::Upper;
}

} // namespace

CVornMotionAxisSettingsEncoder::CVornMotionAxisSettingsEncoder(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    ui.encLabelCountsPerUnit->setTextFormat(Qt::PlainText);
    ui.encLabelActiveStateLineStateAH->setTextFormat(Qt::PlainText);
    ui.encLabelActiveStateLineStateAL->setTextFormat(Qt::PlainText);
    RunConstructionSequence();
    ui.encVelocityFeedbackPicture->setPixmap(
        LoadPicture(QStringLiteral(":/images/EncoderVelocityFeedback_small.png"),
                    ui.encVelocityFeedbackPicture->devicePixelRatioF()));
    ui.encoderTable->setCurrentCell(0, 0);
    ui.encoderTable->setFocus();
}

void CVornMotionAxisSettingsEncoder::CreateProperties()
{
    const int encoder = UIProperty::InstanceIndex;
    const QString none;
    AddProperty(new UIPropertyDoubleSpinBox(encoderCountsPerUnit, nullptr, nullptr, encoder, none,
                                            ui.encCountsPerUnit));
    AddProperty(
        new UIPropertyEditComboBox(encoderUnits, ui.encLabelUnits, encoder, none, ui.encUnits));
    AddProperty(new UIPropertyDoubleComboBox(filterFrequency, ui.encLabelFilterFreq,
                                             filterFrequencies, encoder, none, ui.encFilterFreq));
    AddProperty(new UIPropertyRadioButton(activeStateA, ui.encActiveStateLineStateAActiveLow,
                                          encoder, none, ui.encActiveStateLineStateAActiveHigh));
    AddProperty(new UIPropertyRadioButton(activeStateB, ui.encActiveStateLineStateBActiveLow,
                                          encoder, none, ui.encActiveStateLineStateBActiveHigh));
    AddProperty(new UIPropertyRadioButton(activeStateIndex,
                                          ui.encActiveStateLineStateIndexActiveLow, encoder, none,
                                          ui.encActiveStateLineStateIndexActiveHigh));
    AddProperty(new UIPropertyRadioButton(criterionA, ui.encIndexRefCriteriaLineStateAInactive,
                                          encoder, none, ui.encIndexRefCriteriaLineStateAActive));
    AddProperty(new UIPropertyRadioButton(criterionB, ui.encIndexRefCriteriaLineStateBInactive,
                                          encoder, none, ui.encIndexRefCriteriaLineStateBActive));
    AddProperty(new UIPropertyDoubleSpinBox(0xA3001C, ui.trjLabelVelocityThreshold,
                                            ui.trjUnitsVelocityThreshold, 0, tr("/s"),
                                            ui.trjVelocityThreshold));
    AddProperty((new UIPropertyDoubleSpinBox(0xA3001D, ui.trjLabelFilterTime, nullptr, 0, none,
                                             ui.trjFilterTime))
                    ->ShowUnitsIn(ui.trjUnitsFilterTime, UIProperty::UnitsSource::FormText));
    AddProperty(new UIPropertyDoubleSpinBox(0xA3001E, ui.trjLabelFilterDistance,
                                            ui.trjUnitsFilterDistance, 0, none,
                                            ui.trjFilterDistance));
}

void CVornMotionAxisSettingsEncoder::InitializeProperties()
{
    StartInstancesAt(firstEncoder);
    encoders = ReadInteger(encoderCount);
    // Hides what the database does not support, the velocity settings included.
    CVornMotionAxisSettingsBase::InitializeProperties();

    sections.Attach(ui.encoderTable);
    sections.Fill(sectionIds, [this](AttributeId section) {
        return section != AttributeId(secondEncoderFeedback) || encoders > 1;
    });
}

void CVornMotionAxisSettingsEncoder::UpdateCaptions()
{
    CVornMotionAxisSettingsBase::UpdateCaptions();
    ui.encLabelActiveStateLineStateAH->setText(GetDictionaryName(activeHigh));
    ui.encLabelActiveStateLineStateAL->setText(GetDictionaryName(activeLow));
}

QString CVornMotionAxisSettingsEncoder::InstanceName(const UIProperty *binding, quint32 index) const
{
    if (binding->IndexSource() != UIProperty::InstanceIndex)
        return QString();
    const QTableWidgetItem *item = ui.encoderTable->item(RowShowing(binding, index), 0);
    return item ? item->text() : tr("Encoder %1").arg(qint64(index) - instanceBase + 1);
}

QVector<quint32> CVornMotionAxisSettingsEncoder::Instances(const UIProperty *binding) const
{
    if (binding->IndexSource() != UIProperty::InstanceIndex)
        return CVornMotionAxisSettingsBase::Instances(binding);
    QVector<quint32> listed;
    for (qint64 encoder = 0; sections.RowOf(SectionOfEncoder(encoder)) >= 0; ++encoder) {
        const qint32 index = InstanceAt(instanceBase, encoder);
        if (index >= 0)
            listed.append(quint32(index));
    }
    return listed;
}

void CVornMotionAxisSettingsEncoder::ShowSettingAt(const UIProperty *binding, quint32 index)
{
    const int row = RowShowing(binding, index);
    if (row >= 0)
        ui.encoderTable->setCurrentCell(row, 0);
}

int CVornMotionAxisSettingsEncoder::RowShowing(const UIProperty *binding, quint32 index) const
{
    if (binding->IndexSource() != UIProperty::InstanceIndex)
        return sections.RowOf(velocitySection);
    return sections.RowOf(SectionOfEncoder(qint64(index) - instanceBase));
}

void CVornMotionAxisSettingsEncoder::LoadProperties()
{
    const QString units = GetStringValue(encoderUnits, quint32(instanceIndex),
                                         CVornMotionUnitScale::UnitsTextCapacity);
    ui.encLabelCountsPerUnit->setText(
        GetDictionaryName(encoderCountsPerUnit).replace(QStringLiteral("Unit"), units));
    CVornMotionAxisSettingsBase::LoadProperties();
    ShowPhasingPicture();
}

void CVornMotionAxisSettingsEncoder::on_encoderTable_currentCellChanged(int currentRow, int, int,
                                                                        int)
{
    if (changeList->loading || currentRow < 0 || currentRow >= sections.RowCount())
        return;
    const qint32 encoder = EncoderOfSection(sections.SectionOf(currentRow));
    if (encoder >= 0) {
        SelectEncoder(encoder);
        return;
    }
    ui.encoderStack->setCurrentIndex(velocityStackPage);
    LoadProperties();
}

void CVornMotionAxisSettingsEncoder::SelectEncoder(qint32 encoder)
{
    ui.encoderStack->setCurrentIndex(encoderStackPage);
    SelectInstance(UIProperty::InstanceIndex, InstanceAt(instanceBase, encoder));
    RefreshEncoderWidgets();
}

// Each encoder may support a different set of settings.
void CVornMotionAxisSettingsEncoder::RefreshEncoderWidgets()
{
    const quint32 index = quint32(instanceIndex);
    UpdateWidgetState(encoderCountsPerUnit, index, ui.encCountsPerUnit, ui.encLabelCountsPerUnit,
                      0);
    UpdateWidgetState(encoderUnits, index, ui.encUnits, ui.encLabelUnits, 0);
    UpdateWidgetState(filterFrequency, index, ui.encFilterFreq, ui.encLabelFilterFreq, 0);
    UpdateWidgetState(filterFrequency, index, ui.units_encFilterFreq, nullptr, 0);
    UpdateWidgetState(activeStateIndex, index, ui.encActiveStateLineStateIndexActiveHigh,
                      ui.encLabelActiveStateLineStateIndex, 0);
    UpdateWidgetState(activeStateIndex, index, ui.encActiveStateLineStateIndexActiveLow,
                      ui.encLabelActiveStateLineStateIndex, 0);
    UpdateWidgetState(activeStateA, index, ui.encGpboxActiveState, ui.encIndexCriteriaPicture, 0);
    UpdateWidgetState(criterionA, index, ui.encGpboxIndexRefCriteria, ui.encIndexCriteriaPicture,
                      0);
}

void CVornMotionAxisSettingsEncoder::on_encCountsPerUnit_editingFinished()
{
    if (!changeList->loading)
        emit UpdateAllSettingsPages();
}

void CVornMotionAxisSettingsEncoder::on_encActiveStateLineStateAActiveHigh_toggled(bool curState)
{
    StoreLineState(activeStateA, curState ? activeHigh : activeLow);
}

void CVornMotionAxisSettingsEncoder::on_encActiveStateLineStateBActiveHigh_toggled(bool curState)
{
    StoreLineState(activeStateB, curState ? activeHigh : activeLow);
}

void CVornMotionAxisSettingsEncoder::on_encActiveStateLineStateIndexActiveHigh_toggled(
    bool curState)
{
    StoreLineState(activeStateIndex, curState ? activeHigh : activeLow);
}

void CVornMotionAxisSettingsEncoder::on_encIndexRefCriteriaLineStateAActive_toggled(bool curState)
{
    StoreLineState(criterionA, curState ? criterionActive : criterionInactive);
}

void CVornMotionAxisSettingsEncoder::on_encIndexRefCriteriaLineStateBActive_toggled(bool curState)
{
    StoreLineState(criterionB, curState ? criterionActive : criterionInactive);
}

void CVornMotionAxisSettingsEncoder::StoreLineState(AttributeId attr, qint32 state)
{
    if (StoreId(attr, quint32(instanceIndex), state))
        ShowPhasingPicture();
}

void CVornMotionAxisSettingsEncoder::on_encUnits_editTextChanged(const QString &text)
{
    EditUnitsText(encoderUnits, quint32(instanceIndex), ui.encUnits, text);
}

void CVornMotionAxisSettingsEncoder::on_encFilterFreq_currentIndexChanged(int curIndex)
{
    StoreSelectedReal(filterFrequency, quint32(instanceIndex), ui.encFilterFreq, curIndex);
}

// The letters name the levels of A, B and Index at which the index is recognised.
void CVornMotionAxisSettingsEncoder::ShowPhasingPicture()
{
    const quint32 index = quint32(instanceIndex);
    const auto read = [this, index](AttributeId attr) { return ReadInteger(attr, index); };
    const auto level = [](bool high) {
        return high ? QLatin1Char('H') : QLatin1Char('L');
    };
    const bool aHigh = (read(criterionA) == criterionActive) == IsActiveHigh(read(activeStateA));
    const bool bHigh = (read(criterionB) == criterionActive) == IsActiveHigh(read(activeStateB));
    const bool indexHigh = IsActiveHigh(read(activeStateIndex));
    const QString letters = QString(level(aHigh)) + level(bHigh) + level(indexHigh);
    SetPicture(ui.encIndexCriteriaPicture,
               QStringLiteral(":/images/encsignalphasing_%1.png").arg(letters));
}

void CVornMotionAxisSettingsEncoder::on_invalidSettings(bool state)
{
    MarkInvalid(ui.encCountsPerUnit, state);
}
