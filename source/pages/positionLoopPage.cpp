#include "positionLoopPage.h"

#include "axisIds.h"
#include "loadingGuard.h"
#include "loopPeriod.h"
#include "pictures.h"
#include "properties/comboItems.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertyIntegerSpinBox.h"
#include "settingsMain.h"
#include "valueReader.h"

#include <cmath>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

const AttributeId gainSetCount = 0xA300C7;
const AttributeId multipleGainSets = 0xC20060;
const AttributeId gainUse = 0xA3005F;
const AttributeId gainSetSelector = 0xC2005F;
const AttributeId location = 0xA3005E;

const qint32 onHardware = 0xE1000A;
const qint32 notOnHardware = 0xA30082;
const qint32 inDrive = 0xC2004C;

const AttributeId sectionIds[] = {0xC20045, 0xC20059, 0xC20007, 0xC2005F, 0xC2008E, 0};
const int ratesRow = 1;
const int ratesPage = 1;
const qint32 gainUses[] = {0xA30083, 0xA30084, 0xA30085, 0xA30086, 0xA30087, 0};

const char *const loopRuleMessage
    = QT_TRANSLATE_NOOP("CVornMotionSettingsPositionLoop",
                        "The Vorn Scan Engine rate must be a multiple of the position loop rate");

bool SamePeriod(double left, double right)
{
    return std::fabs(left - right) <= 1e-9 * std::max(std::fabs(left), std::fabs(right));
}

} // namespace

CVornMotionSettingsPositionLoop::CVornMotionSettingsPositionLoop(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    // The page's rate check and the dialog's loop rule are one problem with one message.
    dialog->ShareLoopRuleProblem(this);
    connect(ui.positionLoopRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                on_positionLoopRate_currentIndexChanged(ui.positionLoopRate->itemText(index));
            });
    RunConstructionSequence();
    ui.positionLoopTable->setCurrentCell(0, 0);
    ui.positionLoopTable->setFocus();
    ui.positionLoopAttributeStack->setCurrentIndex(0);
}

void CVornMotionSettingsPositionLoop::CreateProperties()
{
    const int gainSet = UIProperty::InstanceIndex;
    const QString none;
    // The drive's gains, the rate and its list read in the units the form gives them.
    const auto formUnits = UIProperty::UnitsSource::FormText;
    AddProperty(new UIPropertyDoubleSpinBox(0xA30044, ui.label_positionLoopKp, nullptr, gainSet,
                                            none, ui.positionLoopKp));
    AddProperty((new UIPropertyDoubleSpinBox(0xA30044, ui.label_positionLoopKp_2, nullptr, gainSet,
                                             none, ui.positionLoopKp_2))
                    ->ShowUnitsIn(ui.units_DriveKp, formUnits));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30045, ui.label_positionLoopKd, nullptr, gainSet,
                                            none, ui.positionLoopKd));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30046, ui.label_positionLoopKi, nullptr, gainSet,
                                            none, ui.positionLoopKi));
    AddProperty((new UIPropertyDoubleSpinBox(0xA30046, ui.label_positionLoopKi_2, nullptr, gainSet,
                                             none, ui.positionLoopKi_2))
                    ->ShowUnitsIn(ui.units_DriveKi, formUnits));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30047, ui.label_positionLoopVff, nullptr, gainSet,
                                            none, ui.positionLoopVff));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30047, ui.label_positionLoopVff_2, nullptr, gainSet,
                                            none, ui.positionLoopVff_2));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30048, ui.label_positionLoopAff, nullptr, gainSet,
                                            none, ui.positionLoopAff));
    AddProperty(new UIPropertyDoubleSpinBox(0xA3005B, ui.label_positionLoopKv, nullptr, gainSet,
                                            none, ui.positionLoopKv));
    AddProperty(new UIPropertyIntegerSpinBox(0xA300D2, ui.label_positionLoopTout, gainSet, none,
                                             ui.positionLoopTout));
    AddProperty(new UIPropertyIntegerSpinBox(0xA30049, ui.label_positionLoopTd, gainSet, none,
                                             ui.positionLoopTd));
    AddProperty(new UIPropertyDoubleSpinBox(0xA3005A, ui.label_positionLoopILim, nullptr, gainSet,
                                            none, ui.positionLoopILim));
    AddProperty(new UIPropertyDoubleSpinBox(0xC20044, ui.label_positionLoopIIS,
                                            ui.units_positionLoopIIS, gainSet, none,
                                            ui.positionLoopIIS));
    AddProperty(new UIPropertyDoubleSpinBox(0xC20043, ui.label_positionLoopIOS,
                                            ui.units_positionLoopIOS, gainSet, none,
                                            ui.positionLoopIOS));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30059, ui.label_positionLoopPEL,
                                            ui.units_positionLoopPEL, gainSet, none,
                                            ui.positionLoopPEL));
    AddProperty(
        new UIPropertyCheckbox(multipleGainSets, nullptr, 0, none, ui.positionLoopMultiGainSet));
    AddProperty(new UIPropertyIntegerComboBox(gainUse, ui.label_cntUseGainsWhen, gainUses, gainSet,
                                              none, ui.cntUseGainsWhen));
    AddProperty((new UIPropertyDoubleComboBox(positionLoopPeriod, ui.label_positionLoopRate,
                                              nullptr, 0, none, ui.positionLoopRate))
                    ->ShowUnitsIn(ui.units_positionLoopRate, formUnits));
    AddProperty((new UIPropertyDoubleSpinBox(positionLoopPeriod, nullptr, nullptr, 0, none,
                                             ui.cntTmodeLoopRate))
                    ->ShowUnitsIn(ui.cntUnitsVmodeLoopRate, formUnits));
    AddProperty(new UIPropertyIntegerComboBox(gainSetSelector, ui.label_cntPmodeGainSets, nullptr,
                                              0, none, ui.cntPmodeGainSets));
    AddProperty(new UIPropertyCheckbox(location, nullptr, 0, none, ui.positionLoopRunOnHardware));
}

void CVornMotionSettingsPositionLoop::InitializeProperties()
{
    // Per-gain-set bindings are checked and filled at the gain set shown first.
    StartInstancesAt(firstGainSet);
    CVornMotionAxisSettingsBase::InitializeProperties();

    const qint32 sets = ReadInteger(gainSetCount);
    const bool inTheDrive = Location() == inDrive;
    AttachSections(sections, ui.positionLoopTable, ui.positionLoopAttributeStack);
    AttachLayoutStack(ui.positionLoopGainsStack);
    AttachLayoutStack(ui.positionLoopRateStack);
    sections.Fill(sectionIds, [=](AttributeId section) {
        if (section == 0xC2005F)
            return sets > 1;
        if (section == 0xC2008E)
            return !inTheDrive;
        return true;
    });
    ShowPicture();
    RefreshGainSetControls();
}

qint32 CVornMotionSettingsPositionLoop::Location()
{
    return ReadInteger(location);
}

// Offered: the database's default first, then every table period that fits the host's scan
// period. Refilled on every load, so a host period that arrives later is honoured.
void CVornMotionSettingsPositionLoop::FillLoopPeriods()
{
    CVornMotionLoadingGuard loading(changeList);
    AttributeValue fallback = {};
    const bool hasDefault = db->GetAttributeDefault(positionLoopPeriod, 0, &fallback) >= 0
                            && std::isfinite(fallback.realValue);
    QVector<ComboItems::Item> periods;
    const auto add = [&periods](double period) {
        periods.append({QString::number(period * 1000.0, 'g', 6), period});
    };
    if (hasDefault)
        add(fallback.realValue);
    for (const double *period = loopPeriodTable; *period != 0.0; ++period) {
        if (IsLoopPeriodCompatible(*period, dialog->HostLoopPeriod())
            && !(hasDefault && SamePeriod(*period, fallback.realValue)))
            add(*period);
    }
    ComboItems::SetItems(ui.positionLoopRate, periods);
}

void CVornMotionSettingsPositionLoop::ShowPicture()
{
    AttributeValue committed = {};
    db->GetAttribute(location, 0, &committed);
    const QString picture = committed.integerValue == inDrive
                                ? QStringLiteral(":/images/DriveControlGainsPLoop_small.PNG")
                                : QStringLiteral(":/images/ControlGains_small.PNG");
    ui.positionLoopPicture->setPixmap(
        LoadPicture(picture, ui.positionLoopPicture->devicePixelRatioF()));
}

QString CVornMotionSettingsPositionLoop::GainSetName(quint32 index) const
{
    return tr("Gain Set %1").arg(qint64(index) - instanceBase + 1);
}

QString CVornMotionSettingsPositionLoop::InstanceName(const UIProperty *binding,
                                                      quint32 index) const
{
    // While the axis uses one gain set, which one is no question.
    const bool sets
        = binding->IndexSource() == UIProperty::InstanceIndex && !ui.cntPmodeGainSets->isHidden();
    return sets ? GainSetName(index) : QString();
}

// Only the first gain set is offered while the axis uses one.
QVector<quint32> CVornMotionSettingsPositionLoop::Instances(const UIProperty *binding) const
{
    if (binding->IndexSource() != UIProperty::InstanceIndex)
        return CVornMotionAxisSettingsBase::Instances(binding);
    // Counted as the gain-set selector counts them, whether or not it is filled yet.
    const int sets = ui.cntPmodeGainSets->isHidden()
                         ? 1
                         : UIPropertyIntegerComboBox::GainSetsOffered(db);
    QVector<quint32> offered;
    for (int set = 0; set < sets; ++set) {
        const qint32 index = InstanceAt(instanceBase, set);
        if (index >= 0)
            offered.append(quint32(index));
    }
    return offered;
}

void CVornMotionSettingsPositionLoop::ShowSettingAt(const UIProperty *binding, quint32 index)
{
    const qint64 set = qint64(index) - instanceBase;
    if (binding->IndexSource() == UIProperty::InstanceIndex && set >= 0
        && set < ui.cntPmodeGainSets->count())
        ui.cntPmodeGainSets->setCurrentIndex(int(set));
    CVornMotionAxisSettingsBase::ShowSettingAt(binding, index);
}

void CVornMotionSettingsPositionLoop::RefreshGainSetControls()
{
    const bool enabled = ReadBoolean(multipleGainSets);
    if (!enabled) {
        ui.cntUseGainsWhen->setCurrentIndex(0);
        ui.cntPmodeGainSets->setCurrentIndex(0);
    }
    // The gain set shown is the page's choice, no setting of the database's.
    ui.cntPmodeGainSets->setVisible(enabled);
    ui.label_cntPmodeGainSets->setVisible(enabled);
    ui.label_cntPmodeGainSetsNote->setVisible(enabled);
    RestrictBinding(ui.cntUseGainsWhen, enabled && ui.cntPmodeGainSets->currentIndex() >= 1);

    QString rates = tr("Rates");
    QString gains = tr("Gains");
    if (enabled) {
        const QString name = GainSetName(quint32(instanceIndex));
        rates = tr("Rates (%1)").arg(name);
        gains = tr("Gains (%1)").arg(name);
    }
    ui.ratesGroupBox->setTitle(rates);
    ui.gainsGroupBox->setTitle(gains);
}

void CVornMotionSettingsPositionLoop::LoadProperties()
{
    FillLoopPeriods();
    CVornMotionAxisSettingsBase::LoadProperties();
    CVornMotionLoadingGuard loading(changeList);
    const qint32 where = Location();
    AttributeValue period;
    GetValue(positionLoopPeriod, 0, period);
    ui.positionLoopGainsStack->setCurrentIndex(where == inDrive ? 1 : 0);
    RestrictBinding(ui.cntTmodeLoopRate, true, false);
    double shown = period.realValue;
    if (where == onHardware) {
        ui.positionLoopRateStack->setCurrentIndex(0);
    } else {
        ui.positionLoopRateStack->setCurrentIndex(1);
        if (where != inDrive)
            shown = dialog->HostLoopPeriod();
    }
    ui.cntTmodeLoopRate->setValue(shown * 1000.0);
    ui.positionLoopRunOnHardware->setChecked(where != notOnHardware);
}

void CVornMotionSettingsPositionLoop::on_positionLoopRate_currentIndexChanged(const QString &)
{
    if (changeList->loading || Location() != onHardware)
        return;
    double period = 0.0;
    const bool chosen
        = ComboItems::RealAt(ui.positionLoopRate, ui.positionLoopRate->currentIndex(), &period);
    const bool compatible = chosen && IsLoopPeriodCompatible(period, dialog->HostLoopPeriod());
    ReportProblem(!compatible, tr(loopRuleMessage));
    if (!compatible)
        return;
    AttributeValue value = {};
    value.realValue = period;
    SetValue(positionLoopPeriod, 0, value);
}

void CVornMotionSettingsPositionLoop::on_cntPmodeGainSets_currentIndexChanged(int index)
{
    if (changeList->loading || index < 0)
        return;
    SelectInstance(UIProperty::InstanceIndex, InstanceAt(instanceBase, index));
    RefreshGainSetControls();
}

void CVornMotionSettingsPositionLoop::on_cntUseGainsWhen_currentIndexChanged(int index)
{
    StoreSelectedId(gainUse, quint32(instanceIndex), ui.cntUseGainsWhen, index);
}

void CVornMotionSettingsPositionLoop::on_positionLoopMultiGainSet_toggled(bool checked)
{
    StoreBoolean(multipleGainSets, 0, checked);
    RefreshGainSetControls();
}

void CVornMotionSettingsPositionLoop::on_positionLoopRunOnHardware_toggled(bool checked)
{
    if (StoreId(location, 0, checked ? onHardware : notOnHardware))
        emit AxisTypeOrLoopModeChanged();
}

void CVornMotionSettingsPositionLoop::on_positionLoopTable_currentCellChanged(int currentRow, int,
                                                                              int, int)
{
    const int page = sections.StackPageOf(currentRow);
    if (page >= 0)
        ui.positionLoopAttributeStack->setCurrentIndex(page);
}

void CVornMotionSettingsPositionLoop::on_coercedValueChanged(long attr, double curValue,
                                                             bool dataTypeDouble)
{
    // The period is chosen from the list only; its spin box just shows it.
    if (AttributeId(attr) != positionLoopPeriod)
        CVornMotionAxisSettingsBase::on_coercedValueChanged(attr, curValue, dataTypeDouble);
}

void CVornMotionSettingsPositionLoop::on_invalidSettings(bool state)
{
    if (state) {
        const CVornMotionValueReader reader(db, changeList);
        ui.positionLoopRateStack->setCurrentIndex(
            reader.ReadInteger(location, 0) == onHardware ? 0 : 1);
        ui.positionLoopAttributeStack->setCurrentIndex(ratesPage);
        ui.positionLoopTable->setCurrentCell(ratesRow, 0);
    }
    MarkInvalid(ui.positionLoopRate, state);
    MarkInvalid(ui.cntTmodeLoopRate, state);
}
