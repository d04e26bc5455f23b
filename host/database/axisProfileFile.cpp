// Writing a profile, and the file side of loading and saving: a save first reads its own text
// back, so nothing is written that would not load to the same database.
#include "axisProfileFile.h"

#include "axisDatabase.h"
#include "axisProfileKindName.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <map>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

QString JsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{QJsonValue(text)}).toJson(
        QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString ValueToken(SettingKind kind, const AttributeValue &value, const QString &text)
{
    switch (kind) {
    case SettingKind::Integer:
    case SettingKind::Boolean:
        return CAxisDatabase::ValueText(kind, value);
    case SettingKind::Real:
        // JSON has no token for a non-finite number; as text it reaches the read-back check,
        // which then names the entry.
        if (!std::isfinite(value.realValue))
            return JsonString(CAxisDatabase::RealText(value.realValue));
        return CAxisDatabase::RealText(value.realValue);
    case SettingKind::Enumeration:
        return JsonString(CAxisDatabase::ValueText(kind, value));
    case SettingKind::String:
        return JsonString(text);
    }
    return QString();
}

// One line per setting keeps profiles easy to read and to compare; keys come in the order a
// person looks for them, flags only when they differ from their defaults.
QString SettingLine(AttributeId id, uint32_t index, const AxisSetting &setting, bool withIndex)
{
    const SettingKind kind = setting.kind;
    QStringList fields;
    fields << QStringLiteral("\"id\": ") + JsonString(CAxisDatabase::IdentifierText(id));
    if (withIndex)
        fields << QStringLiteral("\"index\": ") + QString::number(index);
    if (!setting.note.isEmpty())
        fields << QStringLiteral("\"name\": ") + JsonString(setting.note);
    fields << QStringLiteral("\"kind\": ") + JsonString(ProfileKindName(kind));
    fields << QStringLiteral("\"value\": ") + ValueToken(kind, setting.value, setting.text);
    fields << QStringLiteral("\"default\": ")
            + ValueToken(kind, setting.defaultValue, setting.defaultText);
    if (setting.minimum)
        fields << QStringLiteral("\"minimum\": ") + ValueToken(kind, *setting.minimum, QString());
    if (setting.maximum)
        fields << QStringLiteral("\"maximum\": ") + ValueToken(kind, *setting.maximum, QString());
    if (!setting.accepted.empty()) {
        QStringList items;
        for (int32_t accepted : setting.accepted) {
            AttributeValue item = {};
            item.integerValue = accepted;
            items << ValueToken(kind, item, QString());
        }
        fields << QStringLiteral("\"accepted\": [") + items.join(QStringLiteral(", "))
                + QLatin1Char(']');
    }
    if (!setting.supported)
        fields << QStringLiteral("\"supported\": false");
    if (setting.readOnly)
        fields << QStringLiteral("\"readOnly\": true");
    if (setting.scaled)
        fields << QStringLiteral("\"scaled\": true");
    if (!setting.settableWithoutConfigMode)
        fields << QStringLiteral("\"settableWithoutConfigMode\": false");
    return QStringLiteral("{ ") + fields.join(QStringLiteral(", ")) + QStringLiteral(" }");
}

// Why `readBack` differs from `original`, or an empty text when it does not.
QString Difference(const CAxisDatabase &original, const CAxisDatabase &readBack)
{
    const auto &settings = original.Settings();
    for (const auto &entry : settings) {
        const AxisSetting *back = readBack.Setting(entry.first.first, entry.first.second);
        if (!back || *back != entry.second)
            return QStringLiteral("%1 index %2 would not read back unchanged")
                .arg(CAxisDatabase::IdentifierText(entry.first.first),
                     QString::number(entry.first.second));
    }
    if (readBack.DeviceType() != original.DeviceType())
        return QStringLiteral("a profile keeps only the first device type value, the second "
                              "must be 0");
    if (readBack.Description() != original.Description())
        return QStringLiteral("the description would not read back unchanged");
    return QString();
}

void SetError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

QString ProfileKindName(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Integer:
        return QStringLiteral("integer");
    case SettingKind::Real:
        return QStringLiteral("real");
    case SettingKind::Boolean:
        return QStringLiteral("boolean");
    case SettingKind::Enumeration:
        return QStringLiteral("enumeration");
    case SettingKind::String:
        return QStringLiteral("string");
    }
    return QString();
}

bool CAxisProfileFile::Load(const QString &path, CAxisDatabase &database, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return false;
    }
    QString problem;
    if (!Parse(file.readAll(), database, &problem)) {
        SetError(error, path + QStringLiteral(": ") + problem);
        return false;
    }
    return true;
}

bool CAxisProfileFile::Save(const QString &path, const CAxisDatabase &database, QString *error)
{
    const QByteArray json = Serialize(database);
    CAxisDatabase readBack;
    QString problem;
    if (!Parse(json, readBack, &problem))
        problem.prepend(QStringLiteral("a saved profile would not load: "));
    else
        problem = Difference(database, readBack);
    if (!problem.isEmpty()) {
        SetError(error, QStringLiteral("%1: not saved, %2").arg(path, problem));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        SetError(error, QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

QByteArray CAxisProfileFile::Serialize(const CAxisDatabase &database)
{
    std::map<AttributeId, int> instances;
    for (const auto &entry : database.Settings())
        ++instances[entry.first.first];

    QString text = QStringLiteral("{\n");
    if (!database.Description().isEmpty())
        text += QStringLiteral("    \"description\": ") + JsonString(database.Description())
            + QStringLiteral(",\n");
    const uint32_t deviceType = static_cast<uint32_t>(database.DeviceType().first);
    text += QStringLiteral("    \"deviceType\": \"%1\",\n")
                .arg(CAxisDatabase::IdentifierText(deviceType, 8));
    text += QStringLiteral("    \"settings\": [");
    bool first = true;
    for (const auto &entry : database.Settings()) {
        const AttributeId id = entry.first.first;
        const uint32_t index = entry.first.second;
        // A setting that exists per instance shows its index even for instance 0.
        const bool withIndex = index != 0 || instances[id] > 1;
        text += first ? QStringLiteral("\n        ") : QStringLiteral(",\n        ");
        text += SettingLine(id, index, entry.second, withIndex);
        first = false;
    }
    text += first ? QStringLiteral("]\n}\n") : QStringLiteral("\n    ]\n}\n");
    return text.toUtf8();
}
