// Reading a profile: every entry is checked against its kind, bounds and accepted values before
// the database is touched, so a bad file is refused whole with the place of its problem.
#include "axisProfileFile.h"

#include "axisDatabase.h"
#include "axisProfileKindName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const SettingKind kKinds[] = {SettingKind::Integer, SettingKind::Real, SettingKind::Boolean,
                              SettingKind::Enumeration, SettingKind::String};

const QStringList &ProfileKeys()
{
    static const QStringList keys = {QStringLiteral("description"), QStringLiteral("deviceType"),
                                     QStringLiteral("settings")};
    return keys;
}

const QStringList &SettingKeys()
{
    static const QStringList keys = {
        QStringLiteral("id"),       QStringLiteral("index"),    QStringLiteral("name"),
        QStringLiteral("kind"),     QStringLiteral("value"),    QStringLiteral("default"),
        QStringLiteral("minimum"),  QStringLiteral("maximum"),  QStringLiteral("accepted"),
        QStringLiteral("supported"), QStringLiteral("readOnly"), QStringLiteral("scaled"),
        QStringLiteral("settableWithoutConfigMode")};
    return keys;
}


QString KeyText(const QString &key)
{
    return QLatin1Char('"') + key + QLatin1Char('"');
}

// A JSON value as a message shows it.
QString Describe(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QStringLiteral("the number ") + CAxisDatabase::RealText(value.toDouble());
    case QJsonValue::String:
        return QStringLiteral("the text ") + CAxisDatabase::QuotedText(value.toString());
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("null");
}

bool IsWhole(const QJsonValue &value, double lowest, double highest)
{
    const double number = value.toDouble();
    return value.isDouble() && std::floor(number) == number && number >= lowest
        && number <= highest;
}

bool IsHexDigit(QChar character)
{
    const auto unit = character.unicode();
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f')
        || (unit >= u'A' && unit <= u'F');
}

// "0x" and 1 to 8 hexadecimal digits: anything looser hides typos such as a letter O for a zero.
bool ParseIdentifier(const QString &text, uint32_t *id)
{
    if (!text.startsWith(QLatin1String("0x")) || text.size() < 3 || text.size() > 10)
        return false;
    if (!std::all_of(text.begin() + 2, text.end(), IsHexDigit))
        return false;
    *id = text.mid(2).toUInt(nullptr, 16);
    return true;
}

bool ReadIdentifier(const QJsonValue &value, const QString &key, uint32_t *id, QString *problem)
{
    if (!value.isString()) {
        *problem = QStringLiteral("%1 must be hexadecimal text such as \"0xA30001\", not %2")
                       .arg(KeyText(key), Describe(value));
        return false;
    }
    if (!ParseIdentifier(value.toString(), id)) {
        *problem = QStringLiteral("%1 %2 is not \"0x\" followed by 1 to 8 hexadecimal digits")
                       .arg(KeyText(key), CAxisDatabase::QuotedText(value.toString()));
        return false;
    }
    return true;
}

bool ReadFlag(const QJsonObject &object, const QString &key, bool *flag, QString *problem)
{
    if (!object.contains(key))
        return true;
    const QJsonValue value = object.value(key);
    if (!value.isBool()) {
        *problem = QStringLiteral("%1 must be true or false, not %2")
                       .arg(KeyText(key), Describe(value));
        return false;
    }
    *flag = value.toBool();
    return true;
}

bool CheckKeys(const QJsonObject &object, const QStringList &known, QString *problem)
{
    for (const QString &key : object.keys()) {
        if (known.contains(key))
            continue;
        *problem = QStringLiteral("unknown key %1").arg(KeyText(key));
        const auto similar = std::find_if(known.begin(), known.end(), [&key](const QString &name) {
            return name.compare(key, Qt::CaseInsensitive) == 0;
        });
        if (similar != known.end())
            *problem += QStringLiteral(" (did you mean %1?)").arg(KeyText(*similar));
        return false;
    }
    return true;
}

// Reads the JSON form of a `kind` value: whole numbers for integers, numbers for reals, true or
// false, hexadecimal text for enumerations, text for strings (into *text).
bool ReadValue(const QJsonValue &json, const QString &key, SettingKind kind, AttributeValue *value,
               QString *text, QString *problem)
{
    switch (kind) {
    case SettingKind::Integer:
        if (!IsWhole(json, std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max())) {
            *problem = QStringLiteral("%1 must be a whole number from -2147483648 to 2147483647, "
                                      "not %2")
                           .arg(KeyText(key), Describe(json));
            return false;
        }
        value->integerValue = static_cast<int32_t>(json.toDouble());
        return true;
    case SettingKind::Real:
        if (!json.isDouble() || !std::isfinite(json.toDouble())) {
            *problem = QStringLiteral("%1 must be a finite number, not %2")
                           .arg(KeyText(key), Describe(json));
            return false;
        }
        value->realValue = json.toDouble();
        return true;
    case SettingKind::Boolean:
        if (!json.isBool()) {
            *problem = QStringLiteral("%1 must be true or false, not %2")
                           .arg(KeyText(key), Describe(json));
            return false;
        }
        value->booleanValue = json.toBool() ? 1 : 0;
        return true;
    case SettingKind::Enumeration: {
        uint32_t id = 0;
        if (!ReadIdentifier(json, key, &id, problem))
            return false;
        value->integerValue = static_cast<int32_t>(id);
        return true;
    }
    case SettingKind::String:
        if (!json.isString()) {
            *problem =
                QStringLiteral("%1 must be a text, not %2").arg(KeyText(key), Describe(json));
            return false;
        }
        *text = json.toString();
        return true;
    }
    return false;
}

bool IsBelow(SettingKind kind, const AttributeValue &value, const AttributeValue &bound)
{
    if (kind == SettingKind::Real)
        return value.realValue < bound.realValue;
    return value.integerValue < bound.integerValue;
}

// `label` ("value" or "default") against the bounds and the accepted list.
bool CheckAgainstLimits(const AxisSetting &setting, const QString &label,
                        const AttributeValue &value, QString *problem)
{
    const SettingKind kind = setting.kind;
    const QString text = CAxisDatabase::ValueText(kind, value);
    if (setting.minimum && IsBelow(kind, value, *setting.minimum)) {
        *problem = QStringLiteral("%1 %2 is below the minimum %3")
                       .arg(label, text, CAxisDatabase::ValueText(kind, *setting.minimum));
        return false;
    }
    if (setting.maximum && IsBelow(kind, *setting.maximum, value)) {
        *problem = QStringLiteral("%1 %2 is above the maximum %3")
                       .arg(label, text, CAxisDatabase::ValueText(kind, *setting.maximum));
        return false;
    }
    const bool listed = std::find(setting.accepted.begin(), setting.accepted.end(),
                                  static_cast<int32_t>(value.integerValue))
        != setting.accepted.end();
    if (!setting.accepted.empty() && !listed) {
        *problem = QStringLiteral("%1 %2 is not among the accepted values").arg(label, text);
        return false;
    }
    return true;
}

bool ReadAccepted(const QJsonObject &object, AxisSetting *setting, QString *problem)
{
    const QString key = QStringLiteral("accepted");
    if (!object.contains(key)) {
        if (setting->kind != SettingKind::Enumeration)
            return true;
        *problem = QStringLiteral("\"accepted\" is missing: an enumeration lists its values");
        return false;
    }
    if (setting->kind != SettingKind::Integer && setting->kind != SettingKind::Enumeration) {
        *problem = QStringLiteral("\"accepted\" does not apply to a %1 setting")
                       .arg(ProfileKindName(setting->kind));
        return false;
    }
    const QJsonValue json = object.value(key);
    if (!json.isArray()) {
        *problem = QStringLiteral("\"accepted\" must be an array, not %1").arg(Describe(json));
        return false;
    }
    const QJsonArray items = json.toArray();
    if (items.isEmpty()) {
        *problem = QStringLiteral("\"accepted\" is empty: it must list at least one value");
        return false;
    }
    for (int i = 0; i < items.size(); ++i) {
        AttributeValue item = {};
        QString unused;
        const QString itemKey = QStringLiteral("accepted[%1]").arg(i);
        if (!ReadValue(items.at(i), itemKey, setting->kind, &item, &unused, problem))
            return false;
        const int32_t value = item.integerValue;
        if (std::find(setting->accepted.begin(), setting->accepted.end(), value)
            != setting->accepted.end()) {
            *problem = QStringLiteral("\"accepted\" lists %1 twice")
                           .arg(CAxisDatabase::ValueText(setting->kind, item));
            return false;
        }
        setting->accepted.push_back(value);
    }
    return true;
}

bool ReadBounds(const QJsonObject &object, AxisSetting *setting, QString *problem)
{
    const bool bounded =
        setting->kind == SettingKind::Integer || setting->kind == SettingKind::Real;
    const QString keys[] = {QStringLiteral("minimum"), QStringLiteral("maximum")};
    std::optional<AttributeValue> *bounds[] = {&setting->minimum, &setting->maximum};
    for (int i = 0; i < 2; ++i) {
        if (!object.contains(keys[i]))
            continue;
        if (!bounded) {
            *problem = QStringLiteral("%1 does not apply to a %2 setting")
                           .arg(KeyText(keys[i]), ProfileKindName(setting->kind));
            return false;
        }
        AttributeValue bound = {};
        QString unused;
        if (!ReadValue(object.value(keys[i]), keys[i], setting->kind, &bound, &unused, problem))
            return false;
        *bounds[i] = bound;
    }
    if (setting->minimum && setting->maximum
        && IsBelow(setting->kind, *setting->maximum, *setting->minimum)) {
        *problem = QStringLiteral("minimum %1 is above the maximum %2")
                       .arg(CAxisDatabase::ValueText(setting->kind, *setting->minimum),
                            CAxisDatabase::ValueText(setting->kind, *setting->maximum));
        return false;
    }
    return true;
}

// Reads one element of "settings". *where names the element as far as it could be identified,
// also on refusal: "settings[3] (0xA3004B index 0)".
bool ReadSetting(const QJsonValue &element, int position, AttributeId *id, uint32_t *index,
                 AxisSetting *setting, QString *where, QString *problem)
{
    *where = QStringLiteral("settings[%1]").arg(position);
    if (!element.isObject()) {
        *problem = QStringLiteral("must be an object, not %1").arg(Describe(element));
        return false;
    }
    const QJsonObject object = element.toObject();
    if (!object.contains(QStringLiteral("id"))) {
        *problem = QStringLiteral("\"id\" is missing");
        return false;
    }
    if (!ReadIdentifier(object.value(QStringLiteral("id")), QStringLiteral("id"), id, problem))
        return false;
    const QJsonValue indexJson = object.value(QStringLiteral("index"));
    if (!indexJson.isUndefined() && !IsWhole(indexJson, 0, 4294967295.0)) {
        *where += QStringLiteral(" (%1)").arg(CAxisDatabase::IdentifierText(*id));
        *problem = QStringLiteral("\"index\" must be a whole number from 0 to 4294967295, not %1")
                       .arg(Describe(indexJson));
        return false;
    }
    *index = indexJson.isUndefined() ? 0 : static_cast<uint32_t>(indexJson.toDouble());
    *where += QStringLiteral(" (%1 index %2)")
                  .arg(CAxisDatabase::IdentifierText(*id), QString::number(*index));

    if (!CheckKeys(object, SettingKeys(), problem))
        return false;
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!name.isUndefined() && !name.isString()) {
        *problem = QStringLiteral("\"name\" must be a text, not %1").arg(Describe(name));
        return false;
    }
    setting->note = name.toString();

    const QJsonValue kind = object.value(QStringLiteral("kind"));
    const auto known = std::find_if(std::begin(kKinds), std::end(kKinds), [&kind](SettingKind k) {
        return kind.isString() && kind.toString() == ProfileKindName(k);
    });
    if (known == std::end(kKinds)) {
        *problem = kind.isUndefined()
            ? QStringLiteral("\"kind\" is missing")
            : QStringLiteral("\"kind\" must be integer, real, boolean, enumeration or string, "
                             "not %1")
                  .arg(Describe(kind));
        return false;
    }
    setting->kind = *known;

    if (!ReadFlag(object, QStringLiteral("supported"), &setting->supported, problem)
        || !ReadFlag(object, QStringLiteral("readOnly"), &setting->readOnly, problem)
        || !ReadFlag(object, QStringLiteral("scaled"), &setting->scaled, problem)
        || !ReadFlag(object, QStringLiteral("settableWithoutConfigMode"),
                     &setting->settableWithoutConfigMode, problem))
        return false;

    if (!object.contains(QStringLiteral("value"))) {
        *problem = QStringLiteral("\"value\" is missing");
        return false;
    }
    if (!ReadValue(object.value(QStringLiteral("value")), QStringLiteral("value"), setting->kind,
                   &setting->value, &setting->text, problem))
        return false;
    setting->defaultValue = setting->value;
    setting->defaultText = setting->text;
    if (object.contains(QStringLiteral("default"))
        && !ReadValue(object.value(QStringLiteral("default")), QStringLiteral("default"),
                      setting->kind, &setting->defaultValue, &setting->defaultText, problem))
        return false;

    if (!ReadBounds(object, setting, problem) || !ReadAccepted(object, setting, problem))
        return false;
    if (setting->kind == SettingKind::String || setting->kind == SettingKind::Boolean)
        return true;
    return CheckAgainstLimits(*setting, QStringLiteral("value"), setting->value, problem)
        && CheckAgainstLimits(*setting, QStringLiteral("default"), setting->defaultValue, problem);
}

} // namespace

bool CAxisProfileFile::Parse(const QByteArray &json, CAxisDatabase &database, QString *problem)
{
    QJsonParseError syntax;
    const QJsonDocument document = QJsonDocument::fromJson(json, &syntax);
    if (syntax.error != QJsonParseError::NoError) {
        const int offset = syntax.offset;
        const int lineStart = json.lastIndexOf('\n', std::max(offset - 1, 0)) + 1;
        const int line = json.left(offset).count('\n') + 1;
        *problem = QStringLiteral("JSON syntax error at line %1, column %2 (offset %3): %4")
                       .arg(QString::number(line), QString::number(offset - lineStart + 1),
                            QString::number(offset), syntax.errorString());
        return false;
    }
    if (!document.isObject()) {
        *problem = QStringLiteral("a profile must be a JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    if (!CheckKeys(root, ProfileKeys(), problem))
        return false;

    CAxisDatabase loaded;
    const QJsonValue description = root.value(QStringLiteral("description"));
    if (!description.isUndefined() && !description.isString()) {
        *problem = QStringLiteral("\"description\" must be a text, not %1")
                       .arg(Describe(description));
        return false;
    }
    loaded.SetDescription(description.toString());
    uint32_t deviceType = 0;
    const QJsonValue deviceTypeJson = root.value(QStringLiteral("deviceType"));
    if (!deviceTypeJson.isUndefined()
        && !ReadIdentifier(deviceTypeJson, QStringLiteral("deviceType"), &deviceType, problem))
        return false;
    loaded.SetDeviceType(static_cast<int32_t>(deviceType), 0);

    const QJsonValue settingsJson = root.value(QStringLiteral("settings"));
    if (!settingsJson.isArray()) {
        *problem = settingsJson.isUndefined()
            ? QStringLiteral("\"settings\" is missing")
            : QStringLiteral("\"settings\" must be an array, not %1").arg(Describe(settingsJson));
        return false;
    }
    const QJsonArray settings = settingsJson.toArray();
    std::map<CAxisDatabase::Key, int> positions;
    for (int position = 0; position < settings.size(); ++position) {
        AxisSetting setting;
        AttributeId id = 0;
        uint32_t index = 0;
        QString where;
        QString entryProblem;
        if (!ReadSetting(settings.at(position), position, &id, &index, &setting, &where,
                         &entryProblem)) {
            *problem = where + QStringLiteral(": ") + entryProblem;
            return false;
        }
        const auto placed = positions.emplace(CAxisDatabase::Key(id, index), position);
        if (!placed.second) {
            *problem = QStringLiteral("%1: repeats settings[%2]")
                           .arg(where, QString::number(placed.first->second));
            return false;
        }
        loaded.SetSetting(id, index, setting);
    }
    database = loaded;
    return true;
}
