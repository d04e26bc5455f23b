#include "settingsStager.h"

#include "axisIds.h"
#include "changeList.h"
#include "displayTexts.h"
#include "unitScale.h"
#include "valueReader.h"

#include <QHash>
#include <QPair>
#include <QSignalBlocker>
#include <QStringList>

#include <cmath>
#include <cstring>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using Kind = CVornMotionSettingKind;
using Catalog = CVornMotionSettingsCatalog;
using File = CVornMotionSettingsFile;

namespace {

// Texts from a file are shown in the report; a hostile file must not fill the screen with one.
const int longestReportText = 200;

bool SameValue(Kind kind, const AttributeValue &left, const AttributeValue &right)
{
    switch (kind) {
    case Kind::Real: {
        // Bit for bit: a file restores exactly what it holds.
        const double a = left.realValue;
        const double b = right.realValue;
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
    case Kind::Boolean:
        return (left.booleanValue != 0) == (right.booleanValue != 0);
    default:
        return left.integerValue == right.integerValue;
    }
}

// The field of the kind, the others zero, as a page stores a value.
AttributeValue FieldOf(Kind kind, const AttributeValue &value)
{
    AttributeValue only = {};
    switch (kind) {
    case Kind::Real:
        only.realValue = value.realValue;
        break;
    case Kind::Boolean:
        only.booleanValue = value.booleanValue != 0 ? 1 : 0;
        break;
    default:
        only.integerValue = value.integerValue;
        break;
    }
    return only;
}

QString Shortened(const QString &text)
{
    return text.size() > longestReportText ? text.left(longestReportText) + QStringLiteral("…")
                                           : text;
}

// The value as the file holds it, in the database's units (an enumeration by its name): a file
// edited by hand, or from another axis, may show something else beside it.
QString ValueText(const File::Entry &entry)
{
    if (!entry.valueProblem.isEmpty())
        return QString();
    return entry.kind == Kind::Enumeration ? GetDisplayNameOrId(quint32(entry.value.integerValue))
                                           : File::ValueToken(entry);
}

} // namespace

CVornMotionSettingsStager::CVornMotionSettingsStager(
    nVornMCPCD100::iMotionConfigurationDatabase *database, CVornMotionChangeList *changeList,
    const CVornMotionSettingsCatalog &catalog)
    : database(database)
    , changeList(changeList)
    , catalog(catalog)
{
}

CVornMotionSettingsStager::Outcome
CVornMotionSettingsStager::Load(const CVornMotionSettingsFile::Contents &contents)
{
    Outcome outcome;
    outcome.notice = Notice(contents.header);
    QHash<QPair<AttributeId, quint32>, int> lines;
    {
        const QSignalBlocker quiet(changeList);
        for (int position = 0; position < contents.entries.size(); ++position) {
            const File::Entry &entry = contents.entries.at(position);
            const Catalog::Setting *setting = nullptr;
            quint32 index = 0;
            QString reason;
            const QPair<AttributeId, quint32> key(entry.id, entry.instance);
            if (lines.contains(key)) {
                reason
                    = tr("The file gives this setting at line %1 already.").arg(lines.value(key));
            } else {
                lines.insert(key, entry.line);
                reason = Place(entry, &setting, &index);
            }
            if (reason.isEmpty() && !Shows(entry.id, index, entry.kind, entry.value, entry.text)) {
                reason = Refuse(entry, index);
                if (reason.isEmpty()) {
                    Put(entry.id, index, entry.kind, entry.value, entry.text);
                    ++outcome.staged;
                }
            }
            if (!reason.isEmpty()) {
                outcome.refusals.append(Describe(entry, setting, reason));
                outcome.refusals.last().entry = position;
                outcome.refusals.last().noInstance
                    = setting && entry.instance > quint32(setting->instances.size());
            }
        }
    }
    Announce(outcome.staged);
    return outcome;
}

int CVornMotionSettingsStager::StageDefaults(int pageId)
{
    int staged = 0;
    {
        const QSignalBlocker quiet(changeList);
        for (const Catalog::Setting &setting : catalog.Settings()) {
            if ((pageId != 0 && setting.pageId != pageId) || setting.kind == Kind::Text
                || Catalog::BelongsToAxis(setting.id))
                continue;
            for (const quint32 index : setting.instances) {
                AttributeValue fallback = {};
                if (!database->IsAttributeSupported(setting.id, index)
                    || database->IsAttributeReadOnly(setting.id, index)
                    || database->GetAttributeDefault(setting.id, index, &fallback) < 0)
                    continue;
                const AttributeValue value = FieldOf(setting.kind, fallback);
                if (!std::isfinite(double(value.realValue))
                    || Shows(setting.id, index, setting.kind, value, QString()))
                    continue;
                Put(setting.id, index, setting.kind, value, QString());
                ++staged;
            }
        }
    }
    Announce(staged);
    return staged;
}

QString CVornMotionSettingsStager::Place(const File::Entry &entry, const Catalog::Setting **setting,
                                         quint32 *index) const
{
    if (Catalog::BelongsToAxis(entry.id))
        return tr("Says where the axis's instances start: it belongs to the axis.");
    if (!entry.valueProblem.isEmpty())
        return tr("Wrong kind: the value is %1.").arg(entry.valueProblem);
    *setting = catalog.Find(entry.id);
    if (!*setting)
        return NoSuchSetting();
    if (entry.kind != (*setting)->kind)
        return tr("Wrong kind: the file has %1, the axis holds %2 here.")
            .arg(File::KindName(entry.kind), File::KindName((*setting)->kind));
    if (entry.instance > quint32((*setting)->instances.size()))
        return tr("This axis has no instance %1 of it.").arg(entry.instance);
    *index = (*setting)->instances.at(int(entry.instance) - 1);
    if (entry.kind == Kind::Text && entry.text.size() > CVornMotionUnitScale::LongestUnitsText)
        return tr("The text is longer than %1 characters.")
            .arg(CVornMotionUnitScale::LongestUnitsText);
    return QString();
}

// Unknown and unsupported are one to the module: the database tells them apart by no answer.
QString CVornMotionSettingsStager::NoSuchSetting()
{
    return tr("This axis has no such setting.");
}

QString CVornMotionSettingsStager::Refuse(const File::Entry &entry, quint32 index) const
{
    // Which areas the axis shows follows its type: a file loads onto the type it finds.
    if (entry.id == AxisIds::axisType)
        return tr("The axis keeps its own type.");
    // Asked only of values that differ: an entry the axis shows already costs one question.
    if (!database->IsAttributeSupported(entry.id, index))
        return NoSuchSetting();
    if (database->IsAttributeReadOnly(entry.id, index))
        return tr("Read-only on this axis.");
    if (entry.kind != Kind::Text) {
        AttributeValue candidate = FieldOf(entry.kind, entry.value);
        quint8 adjusted = 0;
        if (database->CheckAttributeValue(entry.id, index, &candidate, &adjusted) != 0)
            return tr("Not accepted by this axis.");
    }
    return QString();
}

QString CVornMotionSettingsStager::Notice(const File::Header &header) const
{
    qint32 device = 0;
    qint32 second = 0;
    database->GetDeviceType(&device, &second);
    const qint32 type
        = CVornMotionValueReader(database, changeList).ReadInteger(AxisIds::axisType, 0);
    QStringList differences;
    if (header.deviceType != quint32(device))
        differences << tr("another device (%1; this axis has %2)")
                           .arg(GetDisplayNameOrId(header.deviceType),
                                GetDisplayNameOrId(quint32(device)));
    if (header.axisType != quint32(type))
        differences << tr("another axis type (%1; this axis is %2)")
                           .arg(GetDisplayNameOrId(header.axisType),
                                GetDisplayNameOrId(quint32(type)));
    if (differences.isEmpty())
        return QString();
    return tr("The file comes from %1: what fits this axis was loaded.")
        .arg(differences.join(tr(" and ")));
}

CVornMotionSettingsStager::Refusal
CVornMotionSettingsStager::Describe(const File::Entry &entry, const Catalog::Setting *setting,
                                    const QString &reason) const
{
    Refusal refusal;
    refusal.line = entry.line;
    refusal.area = Shortened(entry.area);
    refusal.setting = GetDictionaryName(entry.id);
    if (refusal.setting.isEmpty())
        refusal.setting = entry.name.isEmpty() ? File::IdentifierText(entry.id) : entry.name;
    const qint64 position = qint64(entry.instance) - 1;
    refusal.instance = setting && position >= 0 && position < setting->instanceNames.size()
                           ? setting->instanceNames.at(int(position))
                           : entry.instanceName;
    if (refusal.instance.isEmpty() && entry.instance > 1)
        refusal.instance = tr("Instance %1").arg(entry.instance);
    refusal.setting = Shortened(refusal.setting);
    refusal.instance = Shortened(refusal.instance);
    refusal.value = Shortened(ValueText(entry));
    refusal.reason = reason;
    return refusal;
}

bool CVornMotionSettingsStager::Shows(AttributeId id, quint32 index, Kind kind,
                                      const AttributeValue &value, const QString &text) const
{
    const CVornMotionValueReader reader(database, changeList);
    if (kind == Kind::Text)
        return reader.ReadString(id, index, Catalog::TextCapacity) == text;
    AttributeValue shown = {};
    return reader.ReadValue(id, index, &shown) >= 0 && SameValue(kind, shown, value);
}

void CVornMotionSettingsStager::Put(AttributeId id, quint32 index, Kind kind,
                                    const AttributeValue &value, const QString &text)
{
    if (changeList->Contains(id, index)) {
        bool stored = false;
        if (kind == Kind::Text) {
            const std::optional<QString> held
                = CVornMotionValueReader(database, changeList)
                      .ReadStoredString(id, index, Catalog::TextCapacity);
            stored = held && *held == text;
        } else {
            AttributeValue held = {};
            stored = database->GetAttribute(id, index, &held) >= 0 && SameValue(kind, held, value);
        }
        if (stored) {
            changeList->Revert(id, index);
            return;
        }
    }
    if (kind == Kind::Text)
        changeList->StoreString(id, index, reinterpret_cast<const char16_t *>(text.utf16()));
    else
        changeList->StoreValue(id, index, FieldOf(kind, value));
}

void CVornMotionSettingsStager::Announce(int staged)
{
    if (staged == 0)
        return;
    emit changeList->ChangelistSizeChanged(changeList->Count());
    emit changeList->PendingEditsChanged();
}
