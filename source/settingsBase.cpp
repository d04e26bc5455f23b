#include "settingsBase.h"

#include "accessibleNames.h"
#include "changeMarks.h"
#include "coercingSpinBox.h"
#include "displayTexts.h"
#include "ioLine.h"
#include "itemViewKeys.h"
#include "loadingGuard.h"
#include "pictures.h"
#include "properties/comboItems.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "readingOrder.h"
#include "settingsMain.h"
#include "valueReader.h"
#include "wheelGuard.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {
// Page loading reads texts with room for this many code units.
const qint32 loadStringCapacity = 1024;
// How many outline scopes are open: pages made meanwhile are outlines.
int outlineScopes = 0;
} // namespace

CVornMotionAxisSettingsBase::OutlineScope::OutlineScope()
{
    ++outlineScopes;
}

CVornMotionAxisSettingsBase::OutlineScope::~OutlineScope()
{
    --outlineScopes;
}

CVornMotionAxisSettingsBase::CVornMotionAxisSettingsBase(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : QWidget(parent),
      readCache(db),
      db(&readCache),
      changeList(changeList),
      dialog(dialog),
      outline(outlineScopes > 0),
      unitScale(&readCache, changeList),
      wheelGuard(new CVornMotionWheelGuard(this)),
      changeMarks(new CVornMotionChangeMarks(this))
{
    properties.reserve(1024);
    connect(changeList, &CVornMotionChangeList::PendingEditsChanged, this,
            &CVornMotionAxisSettingsBase::UpdateChangeMarks);
    if (dialog) {
        connect(dialog, &CVornMotionAxisSettings::InvalidSettings, this,
                &CVornMotionAxisSettingsBase::InvalidSettings);
        connect(dialog, &CVornMotionAxisSettings::Committed, this,
                &CVornMotionAxisSettingsBase::AskDatabaseAgain);
        connect(dialog, &CVornMotionAxisSettings::UpdateRequired, this,
                &CVornMotionAxisSettingsBase::on_updateControls);
        connect(this, &CVornMotionAxisSettingsBase::InvalidSettings, dialog,
                &CVornMotionAxisSettings::on_invalidSettings);
    }
    connect(this, &CVornMotionAxisSettingsBase::InvalidSettings, this,
            &CVornMotionAxisSettingsBase::on_invalidSettings);
}

CVornMotionAxisSettingsBase::~CVornMotionAxisSettingsBase()
{
    DeleteProperties();
}

void CVornMotionAxisSettingsBase::RunConstructionSequence()
{
    const CVornMotionReadCache::Scope reading(readCache);
    wheelGuard->GuardChildrenOf(this);
    (new CVornMotionItemViewKeys(this))->GuardChildrenOf(this);
    CreateProperties();
    // Only a real value is ever rescaled: asking whether a setting the page binds as anything
    // else is scaled costs the host a call and changes nothing shown.
    QSet<AttributeId> real;
    for (const UIProperty *property : std::as_const(properties))
        (property->HeldKind() == CVornMotionSettingKind::Real ? real : neverRescaled)
            .insert(property->Attribute());
    neverRescaled.subtract(real);
    {
        CVornMotionLoadingGuard loading(changeList);
        InitializeProperties();
        AttachDefaultActions();
        UpdateCaptions();
        UpdateToolTips();
        accessibleNames = std::make_unique<CVornMotionAccessibleNames>(this, properties);
        UpdateUnits();
    }
    LoadProperties();
    new CVornMotionReadingOrder(this);
}

bool CVornMotionAxisSettingsBase::StoreSelectedId(AttributeId attr, quint32 index,
                                                  const QComboBox *combo, int comboIndex)
{
    qint32 id = 0;
    return combo && ComboItems::IdAt(combo, comboIndex, &id) && StoreId(attr, index, id);
}

bool CVornMotionAxisSettingsBase::StoreSelectedReal(AttributeId attr, quint32 index,
                                                    const QComboBox *combo, int comboIndex)
{
    AttributeValue value = {};
    double real = 0.0;
    if (!combo || !ComboItems::RealAt(combo, comboIndex, &real))
        return false;
    value.realValue = real;
    return StoreUnlessLoading(attr, index, value);
}

bool CVornMotionAxisSettingsBase::StoreId(AttributeId attr, quint32 index, qint32 id)
{
    AttributeValue value = {};
    value.integerValue = id;
    return StoreUnlessLoading(attr, index, value);
}

bool CVornMotionAxisSettingsBase::StoreBoolean(AttributeId attr, quint32 index, bool value)
{
    AttributeValue stored = {};
    stored.booleanValue = value ? 1 : 0;
    return StoreUnlessLoading(attr, index, stored);
}

bool CVornMotionAxisSettingsBase::StoreUnlessLoading(AttributeId attr, quint32 index,
                                                     const AttributeValue &value)
{
    if (changeList->loading)
        return false;
    SetValue(attr, index, value);
    return true;
}

bool CVornMotionAxisSettingsBase::StoreText(AttributeId attr, quint32 index, const QString &text)
{
    if (changeList->loading)
        return false;
    SetStringValue(attr, index, text);
    return true;
}

void CVornMotionAxisSettingsBase::EditUnitsText(AttributeId attr, quint32 index, QComboBox *combo,
                                                const QString &text)
{
    if (changeList->loading || !combo)
        return;
    if (text.size() > CVornMotionUnitScale::LongestUnitsText) {
        CVornMotionLoadingGuard loading(changeList);
        combo->setEditText(GetStringValue(attr, index, CVornMotionUnitScale::UnitsTextCapacity));
        return;
    }
    SetStringValue(attr, index, text);
    // The reload rewrites the edit text, which would move the cursor to its end.
    QLineEdit *edit = combo->lineEdit();
    const int cursor = edit ? edit->cursorPosition() : 0;
    emit UpdateAllSettingsPages();
    if (edit)
        edit->setCursorPosition(cursor);
}

void CVornMotionAxisSettingsBase::SetPicture(QLabel *label, const QString &path)
{
    static const char shownPath[] = "vornacPicture";
    if (!label || (label->property(shownPath).toString() == path && !path.isEmpty()))
        return;
    label->setProperty(shownPath, path);
    label->setPixmap(path.isEmpty() ? QPixmap() : LoadPicture(path, label->devicePixelRatioF()));
}

void CVornMotionAxisSettingsBase::MarkInvalid(QWidget *widget, bool invalid)
{
    if (!widget)
        return;
    const QString selector = qobject_cast<QComboBox *>(widget) ? QStringLiteral("QComboBox")
                                                               : QStringLiteral("QDoubleSpinBox");
    widget->setStyleSheet(
        QStringLiteral("%1 {background: %2}")
            .arg(selector, invalid ? QStringLiteral("red") : QStringLiteral("white")));
}

void CVornMotionAxisSettingsBase::AddProperty(UIProperty *property)
{
    properties.append(property);
}

void CVornMotionAxisSettingsBase::ReportProblem(bool open, const QString &message)
{
    if (outline)
        return;
    if (open && dialog)
        dialog->SetInvalidSettingsText(message);
    emit InvalidSettings(open);
}

void CVornMotionAxisSettingsBase::InitializeProperties()
{
    AskDatabaseAgain();
}

void CVornMotionAxisSettingsBase::AskDatabaseAgain()
{
    if (outline)
        return;
    // Bindings that share a setting ask about it once.
    const CVornMotionReadCache::Scope reading(readCache);
    CVornMotionLoadingGuard loading(changeList);
    for (UIProperty *property : std::as_const(properties))
        ShowInstanceOf(property);
    for (const auto &line : ioLines)
        line->ShowLayout();
}

void CVornMotionAxisSettingsBase::AttachDefaultActions()
{
    for (UIProperty *property : std::as_const(properties))
        property->AttachResetAction(this);
}

void CVornMotionAxisSettingsBase::LoadProperties()
{
    if (outline)
        return;
    CVornMotionLoadingGuard loading(changeList);
    LoadRanges();
    for (UIProperty *property : std::as_const(properties)) {
        if (const std::optional<QVector<quint32>> instances = property->InstancesSideBySide()) {
            LoadSideBySide(property, *instances);
            continue;
        }
        if (!HasInstance(property))
            continue;
        const quint32 index = IndexOf(property);
        // Items that follow another value (an I/O state its line's type) follow it on every
        // load, whatever changed that value: an edit, a revert, a reset.
        if (property->ItemsFollowValues())
            property->FillItems(db, changeList, index);
        AttributeValue value = {};
        QString text;
        if (property->ValueKind() == UIProperty::StringValue)
            text = GetStringValue(property->Attribute(), index, loadStringCapacity);
        else
            GetValue(property->Attribute(), index, value);
        property->ShowValue(value, text);
    }
    for (const auto &line : ioLines)
        line->ShowPicture();
    // Captions and group titles follow the instance shown and the units.
    if (accessibleNames)
        accessibleNames->Update();
    if (!reloading)
        UpdateChangeMarks();
}

// Identifiers shown side by side, as a table column shows them: one that cannot be read shows
// nothing.
void CVornMotionAxisSettingsBase::LoadSideBySide(UIProperty *property,
                                                 const QVector<quint32> &instances)
{
    const CVornMotionValueReader reader(db, changeList);
    for (const quint32 index : instances) {
        AttributeValue value = {};
        const bool read = reader.ReadValue(property->Attribute(), index, &value) >= 0;
        property->ShowValueAt(index, read ? std::optional<AttributeValue>(value) : std::nullopt);
    }
}

void CVornMotionAxisSettingsBase::LoadRanges()
{
    for (UIProperty *property : std::as_const(properties)) {
        if (!property->TakesRange())
            continue;
        const quint32 index = IndexOf(property);
        AttributeRange range;
        AttributeValue limit = {};
        if (GetMinimum(property->Attribute(), index, limit) >= 0)
            range.minimum = limit;
        if (GetMaximum(property->Attribute(), index, limit) >= 0)
            range.maximum = limit;
        property->SetRange(range, this);
    }
}

void CVornMotionAxisSettingsBase::UpdateUnits()
{
    if (outline)
        return;
    // Each kind of units is worked out once, and only when a binding shows it.
    std::optional<QString> display;
    std::optional<QString> feedback;
    for (UIProperty *property : std::as_const(properties)) {
        if (!property->ShowsUnits())
            continue;
        const bool ofFeedback = property->UnitsFrom() == UIProperty::UnitsSource::FeedbackUnits;
        std::optional<QString> &units = ofFeedback ? feedback : display;
        if (!units)
            units = ofFeedback ? GetFeedbackUnits() : GetDisplayUnits();
        property->SetUnits(*units);
    }
}

void CVornMotionAxisSettingsBase::UpdateCaptions()
{
    for (UIProperty *property : std::as_const(properties))
        property->SetLabelText(GetDictionaryName(property->Attribute()));
}

void CVornMotionAxisSettingsBase::UpdateToolTips()
{
    for (UIProperty *property : std::as_const(properties))
        property->SetToolTip(GetDictionaryDescription(property->Attribute()));
}

void CVornMotionAxisSettingsBase::DeleteProperties()
{
    for (UIProperty *property : std::as_const(properties)) {
        property->DetachActions();
        delete property;
    }
    properties.clear();
}

qint32 CVornMotionAxisSettingsBase::GetDefaultValue(AttributeId attr, quint32 index,
                                                    AttributeValue &out)
{
    out = AttributeValue();
    const qint32 status = db->GetAttributeDefault(attr, index, &out);
    if (IsScaled(attr, index))
        ToDisplayUnits(attr, index, out);
    return status;
}

qint32 CVornMotionAxisSettingsBase::GetResetValue(AttributeId attr, quint32 index,
                                                  AttributeValue &out)
{
    return GetDefaultValue(attr, index, out);
}

QString CVornMotionAxisSettingsBase::GetStringValue(AttributeId attr, quint32 index,
                                                    qint32 capacity)
{
    return CVornMotionValueReader(db, changeList).ReadString(attr, index, capacity);
}

void CVornMotionAxisSettingsBase::GetValue(AttributeId attr, quint32 index, AttributeValue &out)
{
    CVornMotionValueReader(db, changeList).ReadValue(attr, index, &out);
    if (IsScaled(attr, index))
        ToDisplayUnits(attr, index, out);
}

qint32 CVornMotionAxisSettingsBase::ReadInteger(AttributeId attr, quint32 index) const
{
    return CVornMotionValueReader(db, changeList).ReadInteger(attr, index);
}

bool CVornMotionAxisSettingsBase::ReadBoolean(AttributeId attr, quint32 index) const
{
    return CVornMotionValueReader(db, changeList).ReadBoolean(attr, index);
}

void CVornMotionAxisSettingsBase::SetStringValue(AttributeId attr, quint32 index,
                                                 const QString &text)
{
    changeList->StoreString(attr, index, reinterpret_cast<const char16_t *>(text.utf16()));
}

void CVornMotionAxisSettingsBase::SetValue(AttributeId attr, quint32 index,
                                           const AttributeValue &value)
{
    AttributeValue stored = value;
    if (IsScaled(attr, index))
        FromDisplayUnits(attr, index, stored);
    changeList->StoreValue(attr, index, stored);
}

qint32 CVornMotionAxisSettingsBase::GetMinimum(AttributeId attr, quint32 index, AttributeValue &out)
{
    out = AttributeValue();
    const qint32 status = db->GetAttributeMinimum(attr, index, &out);
    if (status >= 0 && IsScaled(attr, index))
        ToDisplayUnits(attr, index, out);
    return status;
}

qint32 CVornMotionAxisSettingsBase::GetMaximum(AttributeId attr, quint32 index, AttributeValue &out)
{
    out = AttributeValue();
    const qint32 status = db->GetAttributeMaximum(attr, index, &out);
    if (status >= 0 && IsScaled(attr, index))
        ToDisplayUnits(attr, index, out);
    return status;
}

QString CVornMotionAxisSettingsBase::GetDisplayUnits()
{
    return unitScale.DisplayUnits();
}

QString CVornMotionAxisSettingsBase::GetFeedbackUnits()
{
    return unitScale.FeedbackUnits();
}

qint32 CVornMotionAxisSettingsBase::GetEncoderIndex() const
{
    return unitScale.EncoderIndex();
}

void CVornMotionAxisSettingsBase::FillEnumComboBox(AttributeId attr, quint32 index,
                                                   const qint32 *ids, QComboBox *combo)
{
    if (!combo)
        return;
    ComboItems::SetAcceptedIds(db, attr, index, ComboItems::ZeroTerminated(ids), combo);
}

bool CVornMotionAxisSettingsBase::IsCountsPerUnitPending()
{
    return unitScale.IsCountsPerUnitPending();
}

double CVornMotionAxisSettingsBase::GetCountsPerUnit()
{
    return unitScale.CountsPerUnit();
}

double CVornMotionAxisSettingsBase::GetStoredCountsPerUnit()
{
    return unitScale.StoredCountsPerUnit();
}

void CVornMotionAxisSettingsBase::ToDisplayUnits(AttributeId, quint32, AttributeValue &value)
{
    unitScale.ToDisplayUnits(value);
}

void CVornMotionAxisSettingsBase::FromDisplayUnits(AttributeId, quint32, AttributeValue &value)
{
    unitScale.FromDisplayUnits(value);
}

void CVornMotionAxisSettingsBase::UpdateWidgetState(AttributeId attr, quint32 index, QWidget *w,
                                                    QWidget *buddy, qint32 mode)
{
    if (!w || (mode != 0 && mode != 1))
        return;
    const bool supported = db->IsAttributeSupported(attr, index);
    for (QWidget *each : {w, buddy}) {
        if (!each)
            continue;
        if (mode == 0)
            each->setVisible(supported);
        else
            each->setEnabled(supported);
    }
    if (!supported)
        return;
    const bool enabled = !db->IsAttributeReadOnly(attr, index);
    for (QWidget *each : {w, buddy}) {
        if (each)
            each->setEnabled(enabled);
    }
}

void CVornMotionAxisSettingsBase::ConnectCoercion(CCoercingSpinBox *box)
{
    connect(box, &CCoercingSpinBox::CoercedValueChanged, this,
            &CVornMotionAxisSettingsBase::on_coercedValueChanged, Qt::UniqueConnection);
}

void CVornMotionAxisSettingsBase::on_coercedValueChanged(long attr, double curValue,
                                                         bool dataTypeDouble)
{
    AttributeValue value;
    if (changeList->loading || !CoercedValue(attr, curValue, dataTypeDouble, value))
        return;
    // An edit lands at the index its box shows, and nowhere while the box shows no instance.
    const UIProperty *binding = PropertyOfWidget(sender());
    if (binding && !HasInstance(binding))
        return;
    SetValue(AttributeId(attr), binding ? IndexOf(binding) : 0, value);
}

bool CVornMotionAxisSettingsBase::CoercedValue(long attr, double curValue, bool dataTypeDouble,
                                               AttributeValue &value)
{
    value = AttributeValue();
    if (dataTypeDouble) {
        // Periods shown in milliseconds are stored in seconds.
        const bool milliseconds = UIPropertyDoubleSpinBox::IsShownInMilliseconds(AttributeId(attr));
        value.realValue = milliseconds ? curValue / 1000.0 : curValue;
        return true;
    }
    if (std::isnan(curValue))
        return false;
    const double clamped = qBound(double(std::numeric_limits<qint32>::min()), curValue,
                                  double(std::numeric_limits<qint32>::max()));
    value.integerValue = qint32(std::trunc(clamped));
    return true;
}

void CVornMotionAxisSettingsBase::on_updateControls()
{
    if (outline)
        return;
    const CVornMotionReadCache::Scope reading(readCache);
    {
        // The marks' tool tips quote the units shown: they follow once the units are shown.
        const QScopedValueRollback<bool> marksLater(reloading, true);
        LoadProperties();
        UpdateUnits();
    }
    UpdateChangeMarks();
}

void CVornMotionAxisSettingsBase::on_invalidSettings(bool)
{
}

UIProperty *CVornMotionAxisSettingsBase::PropertyOfAction(const QObject *action) const
{
    for (UIProperty *property : properties) {
        if (property->ResetAction() && property->ResetAction() == action)
            return property;
    }
    return nullptr;
}

const UIProperty *CVornMotionAxisSettingsBase::PropertyOfWidget(const QObject *widget) const
{
    for (const UIProperty *property : properties) {
        if (widget && property->Widget() == widget)
            return property;
    }
    return nullptr;
}

void CVornMotionAxisSettingsBase::on_defaultValue()
{
    const QAction *action = qobject_cast<const QAction *>(sender());
    if (!action)
        return;
    const QVariantList data = action->data().toList();
    bool valid = false;
    const AttributeId attr = data.isEmpty() ? 0 : data.first().toUInt(&valid);
    UIProperty *origin = PropertyOfAction(action);
    if (!valid || !origin || origin->Attribute() != attr
        || origin->ValueKind() == UIProperty::StringValue)
        return;

    const quint32 index = IndexOf(origin);
    AttributeValue value;
    if (GetResetValue(attr, index, value) < 0)
        return;
    origin->FitResetValue(db, changeList, index, value);
    for (UIProperty *property : std::as_const(properties)) {
        if (property->Attribute() == attr)
            property->ShowValue(value, QString());
    }
    origin->StoreShownValue(value);
    // A reset has every effect a finished edit has: other pages' units, derived edits, problems.
    if (dialog)
        dialog->ReviewAllPages();
}

bool CVornMotionAxisSettingsBase::IsScaled(AttributeId attr, quint32 index)
{
    return !neverRescaled.contains(attr) && db->IsAttributeScaled(attr, index);
}
