// Any bytes as a settings file: refused as a whole, or read; what reads is written and read back
// the same; staged onto an axis it never writes the database, and every edit it stages holds the
// kind the axis keeps there and a value the database accepts.
#include "changeList.h"
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "settingsCatalog.h"
#include "settingsFile.h"
#include "settingsStager.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

using File = CVornMotionSettingsFile;
using Kind = CVornMotionSettingKind;

Kind KindOf(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Real:
        return Kind::Real;
    case SettingKind::Boolean:
        return Kind::Boolean;
    case SettingKind::Enumeration:
        return Kind::Enumeration;
    case SettingKind::String:
        return Kind::Text;
    default:
        return Kind::Integer;
    }
}

// The servo axis, with every setting of its profile in the catalog: more than a dialog shows.
struct Axis
{
    Axis()
    {
        QFile profile(QStringLiteral(VORNAC_PROFILE_DIR "/servo.json"));
        QString problem;
        if (!profile.open(QIODevice::ReadOnly)
            || !CAxisProfileFile::Parse(profile.readAll(), database, &problem))
            std::abort();
        std::map<nVornMCPCD100::AttributeId, CVornMotionSettingsCatalog::Setting> settings;
        for (const auto &entry : database.Settings()) {
            CVornMotionSettingsCatalog::Setting &setting = settings[entry.first.first];
            setting.id = entry.first.first;
            setting.kind = KindOf(entry.second.kind);
            setting.instances.append(entry.first.second);
            setting.instanceNames.append(QString());
        }
        for (const auto &setting : settings)
            catalog.Add(setting.second);
    }

    CAxisDatabase database;
    CVornMotionSettingsCatalog catalog;
};

bool SameEntry(const File::Entry &left, const File::Entry &right)
{
    const double a = left.value.realValue;
    const double b = right.value.realValue;
    const bool sameValue
        = left.kind == Kind::Real      ? std::memcmp(&a, &b, sizeof a) == 0
          : left.kind == Kind::Boolean ? left.value.booleanValue == right.value.booleanValue
          : left.kind == Kind::Text    ? left.text == right.text
                                       : left.value.integerValue == right.value.integerValue;
    return left.id == right.id && left.instance == right.instance && left.kind == right.kind
           && sameValue && left.area == right.area && left.name == right.name
           && left.instanceName == right.instanceName && left.shown == right.shown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Axis axis;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    File::Contents contents;
    QString problem;
    if (!File::Read(bytes, &contents, &problem))
        return 0;

    // A value that does not fit its kind was never read: only the others can be written back.
    File::Contents readable = contents;
    readable.entries.clear();
    for (const File::Entry &entry : contents.entries) {
        if (entry.valueProblem.isEmpty())
            readable.entries.append(entry);
    }
    File::Contents again;
    if (!File::Read(File::Write(readable), &again, &problem)
        || again.entries.size() != readable.entries.size())
        std::abort();
    for (int entry = 0; entry < again.entries.size(); ++entry) {
        if (!SameEntry(again.entries.at(entry), readable.entries.at(entry)))
            std::abort();
    }

    CAxisDatabase database = axis.database;
    CVornMotionChangeList changes(&database);
    CVornMotionSettingsStager(&database, &changes, axis.catalog).Load(contents);
    if (!database.WriteLog().isEmpty())
        std::abort();
    for (const CVornMotionChangeList::PendingEdit &edit : changes.PendingEdits()) {
        const CVornMotionSettingsCatalog::Setting *setting = axis.catalog.Find(edit.id);
        nVornMCPCD100::AttributeValue candidate = edit.value;
        uint8_t adjusted = 0;
        if (!setting || edit.isString != (setting->kind == Kind::Text)
            || (!edit.isString
                && database.CheckAttributeValue(edit.id, edit.index, &candidate, &adjusted) != 0))
            std::abort();
    }
    return 0;
}
