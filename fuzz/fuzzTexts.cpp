// Any bytes as the input of the display texts: a number and an identifier for the period and
// unit texts, the rest as a description. Wrapped tool-tip lines never exceed 60 code units, and
// wrapping and escaping keep every character of the description that is not white space, in
// order: a tool tip shows all its words.
#include "displayTexts.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QString WithoutSpace(const QString &text)
{
    QString kept;
    for (const QChar character : text) {
        if (!character.isSpace())
            kept += character;
    }
    return kept;
}

// What a tool tip in rich text shows: its markup dropped and its entities read.
QString Shown(const QString &richText)
{
    static const QString entities[][2] = {{QStringLiteral("&lt;"), QStringLiteral("<")},
                                          {QStringLiteral("&gt;"), QStringLiteral(">")},
                                          {QStringLiteral("&amp;"), QStringLiteral("&")}};
    QString shown;
    for (int at = 0; at < richText.size(); ++at) {
        if (richText.at(at) == QLatin1Char('<')) {
            at = richText.indexOf(QLatin1Char('>'), at);
            if (at < 0)
                std::abort();
            continue;
        }
        if (richText.at(at) != QLatin1Char('&')) {
            shown += richText.at(at);
            continue;
        }
        bool read = false;
        for (const auto &entity : entities) {
            if (richText.mid(at, entity[0].size()) == entity[0]) {
                shown += entity[1];
                at += entity[0].size() - 1;
                read = true;
                break;
            }
        }
        if (!read)
            std::abort();
    }
    return shown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double value = 0.0;
    quint32 identifier = 0;
    if (size < sizeof value + sizeof identifier)
        return 0;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&identifier, data + sizeof value, sizeof identifier);
    const size_t offset = sizeof value + sizeof identifier;
    FormatPeriodText(value, identifier);
    UnitName(identifier);
    const QString description = QString::fromUtf16(
        reinterpret_cast<const char16_t *>(data + offset), int((size - offset) / 2));
    const QString words = WithoutSpace(description);

    const QString wrapped = WrapToolTipText(description);
    for (const QString &line : wrapped.split(QLatin1Char('\n'))) {
        if (line.size() > 60)
            std::abort();
    }
    if (WithoutSpace(wrapped) != words)
        std::abort();
    const QString escaped = EscapedToolTip(description);
    if (WithoutSpace(escaped == description ? escaped : Shown(escaped)) != words)
        std::abort();
    const QString toolTip = PlainToolTip(description);
    if (WithoutSpace(toolTip == wrapped ? toolTip : Shown(toolTip)) != words)
        std::abort();
    return 0;
}
