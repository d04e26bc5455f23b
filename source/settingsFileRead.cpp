// Reading a settings file: the whole text is checked before anything of it is used, and a file
// that is not a settings file of this version is refused with the place of its problem.
#include "settingsFile.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

using Kind = CVornMotionSettingKind;
using File = CVornMotionSettingsFile;

namespace {

// The file's object, its list of settings, and an entry: nothing in the format nests deeper.
const int deepestNesting = 3;
const Kind kinds[] = {Kind::Integer, Kind::Real, Kind::Boolean, Kind::Enumeration, Kind::Text};

const QStringList &HeaderKeys()
{
    static const QStringList keys
        = {QStringLiteral("format"),   QStringLiteral("version"),      QStringLiteral("device"),
           QStringLiteral("axisType"), QStringLiteral("axisTypeName"), QStringLiteral("module"),
           QStringLiteral("saved"),    QStringLiteral("pendingEdits"), QStringLiteral("settings")};
    return keys;
}

const QStringList &EntryKeys()
{
    static const QStringList keys
        = {QStringLiteral("area"),     QStringLiteral("name"),         QStringLiteral("id"),
           QStringLiteral("instance"), QStringLiteral("instanceName"), QStringLiteral("kind"),
           QStringLiteral("value"),    QStringLiteral("valueName"),    QStringLiteral("shown")};
    return keys;
}

// Where the parts of the file are: the JSON reader tells values, not places. The scan also finds
// nesting deeper than the format's before the reader has to go there.
struct Layout
{
    QHash<QByteArray, int> rootKeys;
    QVector<int> settingOffsets;
    int tooDeep = -1;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

Layout Scan(const QByteArray &bytes)
{
    Layout layout;
    const char *data = bytes.constData();
    const int size = bytes.size();
    int depth = 0;
    bool keyExpected = false;
    bool inSettings = false;
    bool settingExpected = false;
    QByteArray lastKey;
    for (int at = 0; at < size; ++at) {
        const char c = data[at];
        if (IsSpace(c))
            continue;
        if (inSettings && depth == 2 && settingExpected && c != ']') {
            layout.settingOffsets.append(at);
            settingExpected = false;
        }
        switch (c) {
        case '"': {
            const int start = at++;
            while (at < size && data[at] != '"')
                at += data[at] == '\\' ? 2 : 1;
            if (depth == 1 && keyExpected) {
                lastKey = bytes.mid(start + 1, at - start - 1);
                if (!layout.rootKeys.contains(lastKey))
                    layout.rootKeys.insert(lastKey, start);
                keyExpected = false;
            }
            break;
        }
        case '{':
        case '[':
            if (++depth > deepestNesting) {
                layout.tooDeep = at;
                return layout;
            }
            keyExpected = depth == 1 && c == '{';
            if (depth == 2 && c == '[' && lastKey == "settings") {
                inSettings = true;
                settingExpected = true;
            }
            break;
        case '}':
        case ']':
            if (depth == 2)
                inSettings = false;
            depth = std::max(0, depth - 1);
            break;
        case ',':
            keyExpected = depth == 1;
            settingExpected = inSettings && depth == 2;
            break;
        default:
            break;
        }
    }
    return layout;
}

// Line and column of a byte offset; columns count characters, not bytes.
class Places
{
public:
    explicit Places(const QByteArray &bytes)
        : bytes(bytes)
    {
        lineStarts.append(0);
        for (int at = 0; at < bytes.size(); ++at) {
            if (bytes.at(at) == '\n')
                lineStarts.append(at + 1);
        }
    }

    int Line(int offset) const
    {
        return int(std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), offset)
                   - lineStarts.cbegin());
    }

    QString Place(int offset) const
    {
        offset = qBound(0, offset, int(bytes.size()));
        const int line = Line(offset);
        int column = 1;
        for (int at = lineStarts.at(line - 1); at < offset; ++at)
            column += (uchar(bytes.at(at)) & 0xC0) != 0x80;
        return CVornMotionSettingsFile::tr("line %1, column %2").arg(line).arg(column);
    }

private:
    const QByteArray &bytes;
    QVector<int> lineStarts;
};

QString Describe(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return CVornMotionSettingsFile::tr("the number %1").arg(File::RealText(value.toDouble()));
    case QJsonValue::String: {
        const QString text = value.toString();
        return CVornMotionSettingsFile::tr("the text \"%1\"")
            .arg(text.size() > 40 ? text.left(40) + QStringLiteral("…") : text);
    }
    case QJsonValue::Array:
        return CVornMotionSettingsFile::tr("a list");
    case QJsonValue::Object:
        return CVornMotionSettingsFile::tr("an object");
    default:
        return QStringLiteral("null");
    }
}

QString Key(const QString &key)
{
    return QLatin1Char('"') + key + QLatin1Char('"');
}

bool IsHexDigit(QChar character)
{
    const char16_t unit = character.unicode();
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f')
           || (unit >= u'A' && unit <= u'F');
}

// "0x" and one to eight hexadecimal digits.
bool ParseIdentifier(const QJsonValue &value, quint32 *id)
{
    const QString text = value.toString();
    if (!value.isString() || !text.startsWith(QLatin1String("0x")) || text.size() < 3
        || text.size() > 10 || !std::all_of(text.begin() + 2, text.end(), IsHexDigit))
        return false;
    *id = text.mid(2).toUInt(nullptr, 16);
    return true;
}

bool IsWhole(const QJsonValue &value, double lowest, double highest)
{
    const double number = value.toDouble();
    return value.isDouble() && std::floor(number) == number && number >= lowest
           && number <= highest;
}

bool ReadIdentifier(const QJsonObject &object, const QString &key, quint32 *id, QString *problem)
{
    if (ParseIdentifier(object.value(key), id))
        return true;
    *problem = CVornMotionSettingsFile::tr(
                   "%1 must be \"0x\" and up to eight hexadecimal digits, not %2")
                   .arg(Key(key), Describe(object.value(key)));
    return false;
}

// An optional text; *text stays empty when the key is absent.
bool ReadText(const QJsonObject &object, const QString &key, QString *text, QString *problem)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isString()) {
        *problem = CVornMotionSettingsFile::tr("%1 must be a text, not %2")
                       .arg(Key(key), Describe(value));
        return false;
    }
    *text = value.toString();
    return true;
}

bool CheckKeys(const QJsonObject &object, const QStringList &known, QString *problem)
{
    for (const QString &key : object.keys()) {
        if (!known.contains(key)) {
            *problem = CVornMotionSettingsFile::tr("unknown key %1").arg(Key(key));
            return false;
        }
    }
    return true;
}

// A value that does not fit the entry's kind leaves the entry standing: the stager reports it.
void ReadValue(const QJsonValue &json, File::Entry *entry)
{
    switch (entry->kind) {
    case Kind::Integer:
        if (IsWhole(json, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()))
            entry->value.integerValue = qint32(json.toDouble());
        else
            entry->valueProblem
                = CVornMotionSettingsFile::tr("not a whole number from -2147483648 to 2147483647");
        return;
    case Kind::Real:
        if (json.isDouble() && std::isfinite(json.toDouble()))
            entry->value.realValue = json.toDouble();
        else
            entry->valueProblem = CVornMotionSettingsFile::tr("not a finite number");
        return;
    case Kind::Boolean:
        if (json.isBool())
            entry->value.booleanValue = json.toBool() ? 1 : 0;
        else
            entry->valueProblem = CVornMotionSettingsFile::tr("not true or false");
        return;
    case Kind::Enumeration: {
        quint32 id = 0;
        if (ParseIdentifier(json, &id))
            entry->value.integerValue = qint32(id);
        else
            entry->valueProblem
                = CVornMotionSettingsFile::tr("not an identifier such as \"0x00A3006B\"");
        return;
    }
    case Kind::Text:
        if (json.isString())
            entry->text = json.toString();
        else
            entry->valueProblem = CVornMotionSettingsFile::tr("not a text");
        return;
    }
}

bool ReadEntry(const QJsonValue &json, File::Entry *entry, QString *problem)
{
    if (!json.isObject()) {
        *problem = CVornMotionSettingsFile::tr("must be an object, not %1").arg(Describe(json));
        return false;
    }
    const QJsonObject object = json.toObject();
    if (!CheckKeys(object, EntryKeys(), problem))
        return false;
    if (!object.contains(QStringLiteral("id"))) {
        *problem = CVornMotionSettingsFile::tr("has no identifier (\"id\")");
        return false;
    }
    if (!ReadIdentifier(object, QStringLiteral("id"), &entry->id, problem))
        return false;
    if (!object.contains(QStringLiteral("value"))) {
        *problem = CVornMotionSettingsFile::tr("has no value (\"value\")");
        return false;
    }
    const QJsonValue kind = object.value(QStringLiteral("kind"));
    const auto known = std::find_if(std::begin(kinds), std::end(kinds), [&kind](Kind each) {
        return kind.isString() && kind.toString() == File::KindName(each);
    });
    if (known == std::end(kinds)) {
        *problem = CVornMotionSettingsFile::tr(
                       "%1 must be integer, real, boolean, enumeration or text, not %2")
                       .arg(Key(QStringLiteral("kind")), Describe(kind));
        return false;
    }
    entry->kind = *known;
    const QJsonValue instance = object.value(QStringLiteral("instance"));
    if (!instance.isUndefined() && !IsWhole(instance, 1, std::numeric_limits<qint32>::max())) {
        *problem = CVornMotionSettingsFile::tr("%1 must be a whole number from 1, not %2")
                       .arg(Key(QStringLiteral("instance")), Describe(instance));
        return false;
    }
    entry->instance = instance.isUndefined() ? 1 : quint32(instance.toDouble());
    if (!ReadText(object, QStringLiteral("area"), &entry->area, problem)
        || !ReadText(object, QStringLiteral("name"), &entry->name, problem)
        || !ReadText(object, QStringLiteral("instanceName"), &entry->instanceName, problem)
        || !ReadText(object, QStringLiteral("valueName"), &entry->valueName, problem)
        || !ReadText(object, QStringLiteral("shown"), &entry->shown, problem))
        return false;
    ReadValue(object.value(QStringLiteral("value")), entry);
    return true;
}

bool ReadHeader(const QJsonObject &root, File::Header *header, QString *problem)
{
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (format.toString() != File::FormatName()) {
        *problem = CVornMotionSettingsFile::tr("not a settings file: %1 is %2, not \"%3\"")
                       .arg(Key(QStringLiteral("format")),
                            format.isUndefined() ? CVornMotionSettingsFile::tr("missing")
                                                 : Describe(format),
                            File::FormatName());
        return false;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != File::Version) {
        *problem = CVornMotionSettingsFile::tr("%1 is %2: this module reads version %3")
                       .arg(Key(QStringLiteral("version")),
                            version.isUndefined() ? CVornMotionSettingsFile::tr("missing")
                                                  : Describe(version))
                       .arg(File::Version);
        return false;
    }
    if (!CheckKeys(root, HeaderKeys(), problem))
        return false;
    const auto identifier = [&](const QString &key, quint32 *id) {
        return !root.contains(key) || ReadIdentifier(root, key, id, problem);
    };
    if (!identifier(QStringLiteral("device"), &header->deviceType)
        || !identifier(QStringLiteral("axisType"), &header->axisType)
        || !ReadText(root, QStringLiteral("axisTypeName"), &header->axisTypeName, problem)
        || !ReadText(root, QStringLiteral("module"), &header->moduleVersion, problem)
        || !ReadText(root, QStringLiteral("saved"), &header->saved, problem))
        return false;
    const QJsonValue pending = root.value(QStringLiteral("pendingEdits"));
    if (!pending.isUndefined() && !IsWhole(pending, 0, std::numeric_limits<qint32>::max())) {
        *problem = CVornMotionSettingsFile::tr("%1 must be a whole number from 0, not %2")
                       .arg(Key(QStringLiteral("pendingEdits")), Describe(pending));
        return false;
    }
    header->pendingEdits = int(pending.toDouble());
    const QJsonValue settings = root.value(QStringLiteral("settings"));
    if (!settings.isArray()) {
        *problem = CVornMotionSettingsFile::tr("%1 must be a list, not %2")
                       .arg(Key(QStringLiteral("settings")),
                            settings.isUndefined() ? CVornMotionSettingsFile::tr("missing")
                                                   : Describe(settings));
        return false;
    }
    return true;
}

// Whether the value of the entry in bytes [start, end) is written with a minus sign. Qt's JSON
// reader keeps a double that is a whole number as an integer, which loses the sign of a zero.
// Entries hold no objects or lists, so "value" followed by a colon can only be its key.
bool WrittenNegative(const QByteArray &bytes, int start, int end)
{
    const QByteArray key("\"value\"");
    for (int at = bytes.indexOf(key, start); at >= 0 && at < end; at = bytes.indexOf(key, at + 1)) {
        int next = at + key.size();
        while (next < end && IsSpace(bytes.at(next)))
            ++next;
        if (next >= end || bytes.at(next) != ':')
            continue;
        ++next;
        while (next < end && IsSpace(bytes.at(next)))
            ++next;
        return next < end && bytes.at(next) == '-';
    }
    return false;
}

} // namespace

QString CVornMotionSettingsFile::TooLarge()
{
    return tr("larger than 16 MB: not a settings file");
}

bool CVornMotionSettingsFile::Read(const QByteArray &bytes, Contents *contents, QString *problem)
{
    if (bytes.size() > LargestFile) {
        *problem = TooLarge();
        return false;
    }
    // An editor's byte order mark is no part of the text.
    const QByteArray json = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const Places places(json);
    const Layout layout = Scan(json);
    if (layout.tooDeep >= 0) {
        *problem = places.Place(layout.tooDeep) + QStringLiteral(": ")
                   + tr("nested deeper than a settings file is");
        return false;
    }
    QJsonParseError syntax;
    const QJsonDocument document = QJsonDocument::fromJson(json, &syntax);
    if (syntax.error != QJsonParseError::NoError) {
        *problem = places.Place(syntax.offset) + QStringLiteral(": ")
                   + tr("not valid JSON (%1)").arg(syntax.errorString());
        return false;
    }
    if (!document.isObject()) {
        *problem = tr("not a settings file: it holds no JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    Contents read;
    if (!ReadHeader(root, &read.header, problem)) {
        // The first key that names the problem gives its place.
        for (const QString &key : HeaderKeys()) {
            if (problem->contains(Key(key)) && layout.rootKeys.contains(key.toUtf8())) {
                *problem = places.Place(layout.rootKeys.value(key.toUtf8())) + QStringLiteral(": ")
                           + *problem;
                break;
            }
        }
        return false;
    }
    const QJsonArray settings = root.value(QStringLiteral("settings")).toArray();
    read.entries.reserve(settings.size());
    for (int position = 0; position < settings.size(); ++position) {
        Entry entry;
        const int offset = layout.settingOffsets.value(position, -1);
        entry.line = offset >= 0 ? places.Line(offset) : 0;
        QString entryProblem;
        if (!ReadEntry(settings.at(position), &entry, &entryProblem)) {
            const QString where
                = offset >= 0 ? places.Place(offset) + QStringLiteral(": ") : QString();
            *problem = where + tr("setting %1 %2").arg(position + 1).arg(entryProblem);
            return false;
        }
        if (entry.kind == Kind::Real && entry.valueProblem.isEmpty() && entry.value.realValue == 0.0
            && offset >= 0
            && WrittenNegative(json, offset,
                               layout.settingOffsets.value(position + 1, json.size())))
            entry.value.realValue = -0.0;
        read.entries.append(entry);
    }
    *contents = read;
    return true;
}
