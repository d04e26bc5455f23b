#include "settingsCatalog.h"

#include "axisIds.h"
#include "displayTexts.h"
#include "valueReader.h"

#include <cmath>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {
const AttributeId firstLine = 0xA10062;
} // namespace

void CVornMotionSettingsCatalog::Add(const Setting &setting)
{
    if (positions.contains(setting.id))
        return;
    positions.insert(setting.id, settings.size());
    settings.append(setting);
}

const QVector<CVornMotionSettingsCatalog::Setting> &CVornMotionSettingsCatalog::Settings() const
{
    return settings;
}

const CVornMotionSettingsCatalog::Setting *CVornMotionSettingsCatalog::Find(AttributeId id) const
{
    const auto found = positions.constFind(id);
    return found == positions.constEnd() ? nullptr : &settings.at(*found);
}

bool CVornMotionSettingsCatalog::BelongsToAxis(AttributeId id)
{
    return id == AxisIds::firstEncoder || id == AxisIds::firstGainSet || id == firstLine;
}

QVector<CVornMotionSettingsFile::Entry>
CVornMotionSettingsCatalog::Entries(nVornMCPCD100::iMotionConfigurationDatabase *database,
                                    const CVornMotionChangeList *changeList,
                                    const Describer &describe) const
{
    const CVornMotionValueReader reader(database, changeList);
    QVector<CVornMotionSettingsFile::Entry> entries;
    for (const Setting &setting : settings) {
        if (BelongsToAxis(setting.id))
            continue;
        for (int position = 0; position < setting.instances.size(); ++position) {
            const quint32 index = setting.instances.at(position);
            if (!database->IsAttributeSupported(setting.id, index))
                continue;
            CVornMotionSettingsFile::Entry entry;
            if (setting.kind == CVornMotionSettingKind::Text) {
                entry.text = reader.ReadString(setting.id, index, TextCapacity);
            } else {
                AttributeValue value = {};
                if (reader.ReadValue(setting.id, index, &value) < 0
                    || (setting.kind == CVornMotionSettingKind::Real
                        && !std::isfinite(value.realValue)))
                    continue;
                entry.value = value;
            }
            entry.area = setting.area;
            entry.name = GetDisplayNameOrId(setting.id);
            entry.id = setting.id;
            entry.instance = quint32(position + 1);
            entry.instanceName = setting.instanceNames.value(position);
            entry.kind = setting.kind;
            if (setting.kind == CVornMotionSettingKind::Enumeration)
                entry.valueName = GetDisplayNameOrId(quint32(entry.value.integerValue));
            entry.shown = describe(setting, index, entry.value, entry.text);
            entries.append(entry);
        }
    }
    return entries;
}
