#include "velocityLoopPage.h"

#include "axisIds.h"
#include "loadingGuard.h"
#include "pictures.h"
#include "properties/comboItems.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "valueReader.h"

#include <cmath>

using AxisIds::firstGainSet;
using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId filterType = 0xC2003B;
// Numerator frequency, denominator frequency, numerator Q, denominator Q.
const AttributeId biquadIds[] = {0xC2003C, 0xC2003D, 0xC2003E, 0xC2003F};
const AttributeId lowPassCorner = 0xC20063;
const AttributeId lowPassQ = 0xC20065;
const AttributeId notchFrequency = 0xC20062;
const AttributeId notchDepth = 0xC20061;
const AttributeId notchQ = 0xC20064;
const AttributeId leadLagCenter = 0xC2004D;
const AttributeId leadLagGain = 0xC2004E;

const qint32 noFilter = 0xC20047;
const qint32 lowPass = 0xC20048;
const qint32 notch = 0xC20049;
const qint32 leadLag = 0xC2004A;
const qint32 generalBiquad = 0xC2004B;
// A type's position in this list is also its page of the parameter stack.
const qint32 filterTypes[] = {noFilter, lowPass, notch, leadLag, generalBiquad, 0};

const AttributeId gainsSection = 0xC20042;
const AttributeId ratesSection = 0xC2005B;
const AttributeId sectionIds[] = {gainsSection, ratesSection, 0xC20037, 0xC2005F, 0};
const int filterCount = 4;
const int filterStackPage = 3;

bool IsFilterParameter(AttributeId attr)
{
    return attr == leadLagCenter || attr == leadLagGain || (attr >= 0xC20061 && attr <= 0xC20065);
}

bool SameValue(double left, double right)
{
    return std::fabs(left - right) <= 1e-9 * std::max(std::fabs(left), std::fabs(right));
}

std::optional<double> Product(std::optional<double> value, double factor)
{
    if (!value || !std::isfinite(*value * factor))
        return std::nullopt;
    return *value * factor;
}

} // namespace

CVornMotionSettingsVelocityLoop::CVornMotionSettingsVelocityLoop(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
    ui.velocityLoopPicture->setPixmap(
        LoadPicture(QStringLiteral(":/images/DriveControlGainsVLoop_small.PNG"),
                    ui.velocityLoopPicture->devicePixelRatioF()));
    ui.velocityLoopAttributeStack->setCurrentIndex(0);
    ui.velocityLoopTable->setCurrentCell(0, 0);
    ui.velocityLoopTable->setFocus();
}

void CVornMotionSettingsVelocityLoop::CreateProperties()
{
    // Gains and limiters belong to the axis's gain set; filters to the filter shown.
    const int gainSet = UIProperty::InstanceIndex;
    const int filter = UIProperty::SecondaryIndex;
    const QString none;
    // Gains, frequencies and the rate read in the units the form gives them.
    const auto formUnits = UIProperty::UnitsSource::FormText;
    AddProperty((new UIPropertyDoubleSpinBox(0xA3004A, ui.label_velocityLoopKp, nullptr, gainSet,
                                             none, ui.velocityLoopKp))
                    ->ShowUnitsIn(ui.label_velocityLoopKp_2, formUnits));
    AddProperty((new UIPropertyDoubleSpinBox(0xA3005D, ui.label_velocityLoopKi, nullptr, gainSet,
                                             none, ui.velocityLoopKi))
                    ->ShowUnitsIn(ui.label_velocityLoopKp_3, formUnits));
    AddProperty(new UIPropertyDoubleSpinBox(0xC20038, ui.label_velocityLoopPSLim,
                                            ui.units_velocityLoopPSLim, gainSet, tr("/s"),
                                            ui.velocityLoopPSLim));
    AddProperty(new UIPropertyDoubleSpinBox(0xC20039, ui.label_velocityLoopNSLim,
                                            ui.units_velocityLoopNSLim, gainSet, tr("/s"),
                                            ui.velocityLoopNSLim));
    AddProperty(new UIPropertyDoubleSpinBox(0xC20041, ui.label_velocityLoopKo, nullptr, gainSet,
                                            none, ui.velocityLoopKo));
    const struct
    {
        AttributeId attribute;
        QLabel *caption;
        QLabel *units;
        CCoercingSpinBox *box;
    } filterValues[] = {
        {biquadIds[0], ui.label_velocityLoopNumFreq, ui.label_velocityLoopNumFreq_2,
         ui.velocityLoopNumFreq},
        {biquadIds[1], ui.label_velocityLoopDenFreq, ui.label_velocityLoopNumFreq_3,
         ui.velocityLoopDenFreq},
        {biquadIds[2], ui.label_velocityLoopNumQ, nullptr, ui.velocityLoopNumQ},
        {biquadIds[3], ui.label_velocityLoopDenQ, nullptr, ui.velocityLoopDenQ},
        {lowPassCorner, ui.label_velocityLoopLowPassCornerFreq, nullptr,
         ui.velocityLoopLowPassCornerFreq},
        {lowPassQ, ui.label_velocityLoopLowPassQ, nullptr, ui.velocityLoopLowPassQ},
        {notchFrequency, ui.label_velocityLoopNotchFrequency, ui.units_velocityLoopGain_2,
         ui.velocityLoopNotchFrequency},
        {notchDepth, ui.label_velocityLoopNotchDepth, ui.units_velocityLoopGain_3,
         ui.velocityLoopNotchDepth},
        {notchQ, ui.label_velocityLoopNotchQ, nullptr, ui.velocityLoopNotchQ},
        {leadLagCenter, ui.label_velocityLoopLeadLagFCenter, nullptr,
         ui.velocityLoopLeadLagFCenter},
        {leadLagGain, ui.label_velocityLoopLeadLagGain, ui.units_velocityLoopLeadLagGain,
         ui.velocityLoopLeadLagGain},
    };
    for (const auto &value : filterValues) {
        AddProperty((new UIPropertyDoubleSpinBox(value.attribute, value.caption, nullptr, filter,
                                                 none, value.box))
                        ->ShowUnitsIn(value.units, formUnits));
    }
    AddProperty(new UIPropertyIntegerComboBox(filterType, ui.label_velocityLoopFilterType,
                                              filterTypes, filter, none,
                                              ui.velocityLoopFilterType));
    AddProperty((new UIPropertyDoubleSpinBox(0xC2005A, ui.label_velocityLoopRate, nullptr, 0, none,
                                             ui.velocityLoopRate))
                    ->ShowUnitsIn(ui.dummylabel99, formUnits));
}

void CVornMotionSettingsVelocityLoop::InitializeProperties()
{
    StartInstancesAt(firstGainSet);
    CVornMotionAxisSettingsBase::InitializeProperties();

    AttachSections(sections, ui.velocityLoopTable, ui.velocityLoopAttributeStack);
    sections.Fill(sectionIds, [](AttributeId section) {
        return section == gainsSection || section == ratesSection;
    });
    for (int filter = 0; filter < filterCount; ++filter)
        sections.AppendRow(FilterName(filter), filterStackPage);
    // The rate is shown, never set, on this page.
    RestrictBinding(ui.velocityLoopRate, true, false);
}

QString CVornMotionSettingsVelocityLoop::FilterName(qint64 filter)
{
    return tr("Anti-Resonance %1").arg(filter + 1);
}

QString CVornMotionSettingsVelocityLoop::InstanceName(const UIProperty *binding,
                                                      quint32 index) const
{
    return binding->IndexSource() == UIProperty::SecondaryIndex ? FilterName(index) : QString();
}

QVector<quint32> CVornMotionSettingsVelocityLoop::Instances(const UIProperty *binding) const
{
    if (binding->IndexSource() != UIProperty::SecondaryIndex)
        return CVornMotionAxisSettingsBase::Instances(binding);
    QVector<quint32> filters;
    for (int filter = 0; filter < filterCount; ++filter)
        filters.append(quint32(filter));
    return filters;
}

void CVornMotionSettingsVelocityLoop::ShowSettingAt(const UIProperty *binding, quint32 index)
{
    if (binding->IndexSource() == UIProperty::SecondaryIndex && index < quint32(filterCount))
        ui.velocityLoopTable->setCurrentCell(FirstFilterRow() + int(index), 0);
    CVornMotionAxisSettingsBase::ShowSettingAt(binding, index);
}

// A filter shows the parameters of its own type only.
bool CVornMotionSettingsVelocityLoop::CanShow(const UIProperty *binding, quint32 index) const
{
    if (!CVornMotionAxisSettingsBase::CanShow(binding, index))
        return false;
    if (!IsFilterParameter(binding->Attribute()))
        return true;
    const qint32 type = CVornMotionValueReader(db, changeList).ReadInteger(filterType, index);
    const int typePage = ComboItems::ZeroTerminated(filterTypes).indexOf(type);
    QWidget *page = ui.velocityLoopARStack->widget(typePage);
    return page && page->isAncestorOf(binding->Widget());
}

int CVornMotionSettingsVelocityLoop::FirstFilterRow() const
{
    return sections.RowCount() - filterCount;
}

void CVornMotionSettingsVelocityLoop::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    CVornMotionLoadingGuard loading(changeList);
    ShowBiquad(DeriveBiquad(quint32(secondaryIndex)));
}

void CVornMotionSettingsVelocityLoop::on_velocityLoopTable_currentCellChanged(int currentRow, int,
                                                                              int, int)
{
    const int page = sections.StackPageOf(currentRow);
    if (page < 0)
        return;
    if (sections.SectionOf(currentRow) != 0) {
        ui.velocityLoopAttributeStack->setCurrentIndex(page);
        return;
    }
    ui.velocityLoopAttributeStack->setCurrentIndex(page);
    const qint32 filter = currentRow - FirstFilterRow();
    ui.arFilterBox->setTitle(FilterName(filter));
    // The load shows the filter's biquad; what differs from the database is stored.
    SelectInstance(UIProperty::SecondaryIndex, filter);
    StoreBiquad(quint32(filter), DeriveBiquad(quint32(filter)), PendingCauseOf(quint32(filter)));
}

void CVornMotionSettingsVelocityLoop::on_velocityLoopFilterType_currentIndexChanged(int index)
{
    qint32 type = 0;
    if (!ComboItems::IdAt(ui.velocityLoopFilterType, index, &type))
        return;
    StoreId(filterType, quint32(secondaryIndex), type);
    const QVector<qint32> types = ComboItems::ZeroTerminated(filterTypes);
    ui.velocityLoopARStack->setCurrentIndex(types.indexOf(type));
    RecomputeBiquad(filterType);
}

void CVornMotionSettingsVelocityLoop::on_coercedValueChanged(long attr, double curValue,
                                                             bool dataTypeDouble)
{
    CVornMotionAxisSettingsBase::on_coercedValueChanged(attr, curValue, dataTypeDouble);
    if (!changeList->loading && IsFilterParameter(AttributeId(attr)))
        RecomputeBiquad(AttributeId(attr));
}

// A revert may leave a parameter whose biquad was reverted with another: derive it again.
void CVornMotionSettingsVelocityLoop::ReconcileDerivedEdits()
{
    CVornMotionAxisSettingsBase::ReconcileDerivedEdits();
    for (quint32 filter = 0; filter < quint32(filterCount); ++filter) {
        const AttributeId cause = PendingCauseOf(filter);
        if (cause != 0)
            StoreBiquad(filter, DeriveBiquad(filter), cause);
    }
}

AttributeId CVornMotionSettingsVelocityLoop::PendingCauseOf(quint32 filter) const
{
    const AttributeId causes[] = {filterType, lowPassCorner, lowPassQ,      notchFrequency,
                                  notchDepth, notchQ,        leadLagCenter, leadLagGain};
    for (const AttributeId cause : causes) {
        if (changeList->Contains(cause, filter))
            return cause;
    }
    return 0;
}

std::optional<double> CVornMotionSettingsVelocityLoop::Current(AttributeId attr, quint32 filter)
{
    AttributeValue value = {};
    const CVornMotionValueReader reader(db, changeList);
    if (reader.ReadValue(attr, filter, &value) < 0 || !std::isfinite(value.realValue))
        return std::nullopt;
    return double(value.realValue);
}

std::optional<double> CVornMotionSettingsVelocityLoop::Default(AttributeId attr, quint32 filter)
{
    AttributeValue value;
    if (GetDefaultValue(attr, filter, value) < 0 || !std::isfinite(value.realValue))
        return std::nullopt;
    return double(value.realValue);
}

CVornMotionSettingsVelocityLoop::Biquad
CVornMotionSettingsVelocityLoop::DeriveBiquad(quint32 filter)
{
    const auto Current = [this, filter](AttributeId attr) {
        return this->Current(attr, filter);
    };
    const auto Default = [this, filter](AttributeId attr) {
        return this->Default(attr, filter);
    };
    Biquad biquad;
    std::optional<double> *values = biquad.values;
    switch (ReadInteger(filterType, filter)) {
    case noFilter:
        for (int value = 0; value < 4; ++value)
            values[value] = Default(biquadIds[value]);
        break;
    case lowPass:
        values[0] = Default(biquadIds[0]);
        values[1] = Current(lowPassCorner);
        values[2] = Default(biquadIds[2]);
        values[3] = Current(lowPassQ);
        break;
    case notch: {
        const std::optional<double> depth = Current(notchDepth);
        values[0] = values[1] = Current(notchFrequency);
        if (depth) {
            values[2] = Product(Current(notchQ), std::pow(10.0, -*depth / 40.0));
            values[3] = Product(Current(notchQ), std::pow(10.0, *depth / 40.0));
        }
        break;
    }
    case leadLag: {
        const std::optional<double> gain = Current(leadLagGain);
        if (gain) {
            values[0] = Product(Current(leadLagCenter), std::pow(10.0, -*gain / 80.0));
            values[1] = Product(Current(leadLagCenter), std::pow(10.0, *gain / 80.0));
        }
        values[2] = Default(biquadIds[2]);
        values[3] = Default(biquadIds[3]);
        break;
    }
    case generalBiquad:
        for (int value = 0; value < 4; ++value)
            values[value] = Current(biquadIds[value]);
        break;
    default:
        break;
    }
    return biquad;
}

// Only the general biquad is entered directly; the others are derived. A type the page does not
// know shows no numbers of its own: zeros, and nothing to enter.
void CVornMotionSettingsVelocityLoop::ShowBiquad(const Biquad &biquad)
{
    const qint32 type = ReadInteger(filterType, quint32(secondaryIndex));
    const bool known = ComboItems::ZeroTerminated(filterTypes).contains(type);
    CCoercingSpinBox *boxes[] = {ui.velocityLoopNumFreq, ui.velocityLoopDenFreq,
                                 ui.velocityLoopNumQ, ui.velocityLoopDenQ};
    for (int value = 0; value < 4; ++value) {
        RestrictBinding(boxes[value], true, type == generalBiquad);
        if (biquad.values[value])
            boxes[value]->setValue(*biquad.values[value]);
        else if (!known)
            boxes[value]->setValue(0.0);
    }
}

void CVornMotionSettingsVelocityLoop::StoreBiquad(quint32 filter, const Biquad &biquad,
                                                  AttributeId cause)
{
    std::optional<CVornMotionChangeList::Derivation> derived;
    if (cause != 0)
        derived.emplace(changeList, cause, filter);
    for (int value = 0; value < 4; ++value) {
        const std::optional<double> held = Current(biquadIds[value], filter);
        if (!biquad.values[value] || (held && SameValue(*held, *biquad.values[value])))
            continue;
        AttributeValue stored = {};
        stored.realValue = *biquad.values[value];
        SetValue(biquadIds[value], filter, stored);
    }
}

void CVornMotionSettingsVelocityLoop::RecomputeBiquad(AttributeId cause)
{
    const Biquad biquad = DeriveBiquad(quint32(secondaryIndex));
    {
        CVornMotionLoadingGuard loading(changeList);
        ShowBiquad(biquad);
    }
    StoreBiquad(quint32(secondaryIndex), biquad, cause);
}

void CVornMotionSettingsVelocityLoop::on_invalidSettings(bool state)
{
    if (state) {
        const int row = sections.RowOf(ratesSection);
        ui.velocityLoopAttributeStack->setCurrentIndex(sections.StackPageOf(row));
        ui.velocityLoopTable->setCurrentCell(row, 0);
    }
    MarkInvalid(ui.velocityLoopRate, state);
}
