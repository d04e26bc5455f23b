#include "settingsFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <cmath>

using Kind = CVornMotionSettingKind;
using File = CVornMotionSettingsFile;

namespace {

void AppendQuoted(QString &out, const QString &text)
{
    out += QLatin1Char('"');
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit == u'"' || unit == u'\\') {
            out += QLatin1Char('\\');
            out += character;
        } else if (unit == u'\n') {
            out += QLatin1String("\\n");
        } else if (unit == u'\t') {
            out += QLatin1String("\\t");
        } else if (unit < 0x20) {
            out += QStringLiteral("\\u%1").arg(uint(unit), 4, 16, QLatin1Char('0'));
        } else {
            out += character;
        }
    }
    out += QLatin1Char('"');
}

void AppendField(QString &out, const char *key, const QString &token)
{
    out += QLatin1Char('"');
    out += QLatin1String(key);
    out += QLatin1String("\": ");
    out += token;
}

void AppendTextField(QString &out, const char *key, const QString &text)
{
    out += QLatin1Char('"');
    out += QLatin1String(key);
    out += QLatin1String("\": ");
    AppendQuoted(out, text);
}

void AppendEntry(QString &out, const File::Entry &entry)
{
    out += QLatin1Char('{');
    AppendTextField(out, "area", entry.area);
    out += QLatin1String(", ");
    AppendTextField(out, "name", entry.name);
    out += QLatin1String(", ");
    AppendField(out, "id", QLatin1Char('"') + File::IdentifierText(entry.id) + QLatin1Char('"'));
    out += QLatin1String(", ");
    AppendField(out, "instance", QString::number(entry.instance));
    if (!entry.instanceName.isEmpty()) {
        out += QLatin1String(", ");
        AppendTextField(out, "instanceName", entry.instanceName);
    }
    out += QLatin1String(", ");
    AppendTextField(out, "kind", File::KindName(entry.kind));
    out += QLatin1String(", ");
    AppendField(out, "value", File::ValueToken(entry));
    if (entry.kind == Kind::Enumeration) {
        out += QLatin1String(", ");
        AppendTextField(out, "valueName", entry.valueName);
    }
    out += QLatin1String(", ");
    AppendTextField(out, "shown", entry.shown);
    out += QLatin1Char('}');
}

} // namespace

QString CVornMotionSettingsFile::ValueToken(const Entry &entry)
{
    QString token;
    switch (entry.kind) {
    case Kind::Integer:
        return QString::number(entry.value.integerValue);
    case Kind::Real:
        return RealText(entry.value.realValue);
    case Kind::Boolean:
        return entry.value.booleanValue ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::Enumeration:
        return QLatin1Char('"') + IdentifierText(quint32(entry.value.integerValue))
               + QLatin1Char('"');
    case Kind::Text:
        AppendQuoted(token, entry.text);
        return token;
    }
    return token;
}

QString CVornMotionSettingsFile::FormatName()
{
    return QStringLiteral("vornac axis settings");
}

QString CVornMotionSettingsFile::KindName(Kind kind)
{
    switch (kind) {
    case Kind::Integer:
        return QStringLiteral("integer");
    case Kind::Real:
        return QStringLiteral("real");
    case Kind::Boolean:
        return QStringLiteral("boolean");
    case Kind::Enumeration:
        return QStringLiteral("enumeration");
    case Kind::Text:
        return QStringLiteral("text");
    }
    return QString();
}

QString CVornMotionSettingsFile::IdentifierText(quint32 id)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0')).toUpper();
}

QString CVornMotionSettingsFile::RealText(double value)
{
    // Qt writes a negative zero without its sign.
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0.0");
    // Shortest digits either way; without an exponent where that stays short, as people write.
    const double magnitude = std::fabs(value);
    const char format = magnitude >= 1e-5 && magnitude < 1e15 ? 'f' : 'g';
    QString text = QString::number(value, format, QLocale::FloatingPointShortest);
    // A real reads as a real, and never as an integer, to people and to other JSON readers.
    if (std::isfinite(value) && !text.contains(QLatin1Char('.'))
        && !text.contains(QLatin1Char('e')))
        text += QLatin1String(".0");
    return text;
}

QByteArray CVornMotionSettingsFile::Write(const Contents &contents)
{
    const Header &header = contents.header;
    QString out;
    out.reserve(512 + contents.entries.size() * 192);
    out += QLatin1String("{\n    ");
    AppendTextField(out, "format", FormatName());
    out += QLatin1String(",\n    ");
    AppendField(out, "version", QString::number(Version));
    out += QLatin1String(",\n    ");
    AppendTextField(out, "device", IdentifierText(header.deviceType));
    out += QLatin1String(",\n    ");
    AppendTextField(out, "axisType", IdentifierText(header.axisType));
    out += QLatin1String(",\n    ");
    AppendTextField(out, "axisTypeName", header.axisTypeName);
    out += QLatin1String(",\n    ");
    AppendTextField(out, "module", header.moduleVersion);
    out += QLatin1String(",\n    ");
    AppendTextField(out, "saved", header.saved);
    if (header.pendingEdits > 0) {
        out += QLatin1String(",\n    ");
        AppendField(out, "pendingEdits", QString::number(header.pendingEdits));
    }
    out += QLatin1String(",\n    \"settings\": [");
    bool first = true;
    for (const Entry &entry : contents.entries) {
        out += first ? QLatin1String("\n        ") : QLatin1String(",\n        ");
        AppendEntry(out, entry);
        first = false;
    }
    out += first ? QLatin1String("]\n}\n") : QLatin1String("\n    ]\n}\n");
    return out.toUtf8();
}

bool CVornMotionSettingsFile::Load(const QString &path, Contents *contents, QString *error)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1: cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    // A file that is too large is not read into memory at all.
    QString problem;
    if (file.size() > LargestFile) {
        *error = tr("%1: %2").arg(name, TooLarge());
        return false;
    }
    if (!Read(file.read(LargestFile + 1), contents, &problem)) {
        *error = tr("%1: %2").arg(name, problem);
        return false;
    }
    return true;
}

bool CVornMotionSettingsFile::Save(const QString &path, const Contents &contents, QString *error)
{
    const QByteArray bytes = Write(contents);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = tr("%1: cannot be written: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}
