#include "displayTexts.h"

#include "loopPeriod.h"

#include <vornac/vornmcslDictionary.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTextDocument>

namespace {

const quint32 dictionaryBufferSize = 2048;
const int toolTipLineLength = 60;

QString DictionaryText(quint32 identifier, VornmcslDictionaryInfo info)
{
    char buffer[dictionaryBufferSize] = {};
    vornmcslGetDictionaryInfo(identifier, info, buffer, dictionaryBufferSize);
    // The library's answer is not trusted to end within the buffer.
    buffer[dictionaryBufferSize - 1] = '\0';
    return QString::fromLocal8Bit(buffer);
}

struct PeriodText
{
    double value;
    const char *text;
};

// The texts are translated where they are shown, in the context "DisplayTexts". The sign is
// written as UTF-8: lupdate misreads "\u00B1" followed by digits.

// Analog input ranges, in volts either side of zero.
const PeriodText analogRanges[] = {{10.0, QT_TRANSLATE_NOOP("DisplayTexts", "±10 V")},
                                   {5.0, QT_TRANSLATE_NOOP("DisplayTexts", "±5 V")},
                                   {2.5, QT_TRANSLATE_NOOP("DisplayTexts", "±2.5 V")},
                                   {1.25, QT_TRANSLATE_NOOP("DisplayTexts", "±1.25 V")}};
const PeriodText updatePeriods[] = {{0.00005, QT_TRANSLATE_NOOP("DisplayTexts", "50 us")},
                                    {0.0005, QT_TRANSLATE_NOOP("DisplayTexts", "500 us")},
                                    {0.001, QT_TRANSLATE_NOOP("DisplayTexts", "1 ms")},
                                    {0.01, QT_TRANSLATE_NOOP("DisplayTexts", "10 ms")},
                                    {0.00000012, QT_TRANSLATE_NOOP("DisplayTexts", "120 ns")}};
const PeriodText filterPeriodsA30031[] = {{0.0000001, QT_TRANSLATE_NOOP("DisplayTexts", "100 ns")},
                                          {0.0000005, QT_TRANSLATE_NOOP("DisplayTexts", "500 ns")},
                                          {0.000001, QT_TRANSLATE_NOOP("DisplayTexts", "1 us")},
                                          {0.00001, QT_TRANSLATE_NOOP("DisplayTexts", "10 us")},
                                          {0.0001, QT_TRANSLATE_NOOP("DisplayTexts", "100 us")},
                                          {0.0005, QT_TRANSLATE_NOOP("DisplayTexts", "500 us")},
                                          {0.001, QT_TRANSLATE_NOOP("DisplayTexts", "1 ms")}};
const PeriodText filterPeriodsA30033[] = {{0.00000005, QT_TRANSLATE_NOOP("DisplayTexts", "50 ns")},
                                          {0.0000001, QT_TRANSLATE_NOOP("DisplayTexts", "100 ns")},
                                          {0.00000012, QT_TRANSLATE_NOOP("DisplayTexts", "120 ns")},
                                          {0.0000005, QT_TRANSLATE_NOOP("DisplayTexts", "500 ns")},
                                          {0.000001, QT_TRANSLATE_NOOP("DisplayTexts", "1 us")},
                                          {0.00001, QT_TRANSLATE_NOOP("DisplayTexts", "10 us")},
                                          {0.0001, QT_TRANSLATE_NOOP("DisplayTexts", "100 us")}};
const double filterFrequencies[] = {500000, 1000000, 2000000, 4000000, 8000000, 16000000, 20000000};

template <size_t count>
QString ExactText(const PeriodText (&table)[count], double value)
{
    for (const PeriodText &entry : table) {
        if (entry.value == value)
            return QCoreApplication::translate("DisplayTexts", entry.text);
    }
    return QString();
}

} // namespace

QString GetDictionaryName(quint32 identifier)
{
    return DictionaryText(identifier, VornmcslName);
}

QString GetDictionaryDescription(quint32 identifier)
{
    return DictionaryText(identifier, VornmcslDescription);
}

QString WrapToolTipText(const QString &text)
{
    if (text.size() <= toolTipLineLength)
        return text;
    QStringList lines;
    QString rest = text;
    while (rest.size() > toolTipLineLength) {
        int take = 0;
        for (int position = toolTipLineLength - 1; position >= 0; --position) {
            if (rest.at(position).isSpace()) {
                take = position + 1;
                break;
            }
        }
        if (take == 0) {
            take = toolTipLineLength;
            if (rest.at(take - 1).isHighSurrogate())
                --take;
        }
        lines.append(rest.left(take));
        rest = rest.mid(take).trimmed();
    }
    lines.append(rest);
    return lines.join(QLatin1Char('\n'));
}

QString GetDisplayNameOrId(quint32 identifier)
{
    const QString name = GetDictionaryName(identifier);
    return name.isEmpty() ? QStringLiteral("0x") + QString::number(identifier, 16).toUpper() : name;
}

QString EscapedToolTip(const QString &text)
{
    // Qt would render a text that looks like markup as rich text.
    if (Qt::mightBeRichText(text))
        return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
    return text;
}

QString PlainToolTip(const QString &description)
{
    return EscapedToolTip(WrapToolTipText(description));
}

QString FormatPeriodText(double value, quint32 attribute)
{
    switch (attribute) {
    case 0xA3000F:
    case 0xA30013:
    case 0xA30017:
    case 0xA30064:
        return ExactText(updatePeriods, value);
    case 0xA3003C:
        return ExactText(analogRanges, value);
    case 0xA30031:
        return ExactText(filterPeriodsA30031, value);
    case 0xA30033:
        return ExactText(filterPeriodsA30033, value);
    case 0xA30036:
        for (const double frequency : filterFrequencies) {
            if (IsNearlyEqual(frequency, value))
                return QString::number(qint64(frequency));
        }
        return QString();
    default:
        return QString();
    }
}

QString UnitName(quint32 unitIndex)
{
    static const char *const names[]
        = {QT_TRANSLATE_NOOP("DisplayTexts", "Unit"), QT_TRANSLATE_NOOP("DisplayTexts", "mm"),
           QT_TRANSLATE_NOOP("DisplayTexts", "cm"),   QT_TRANSLATE_NOOP("DisplayTexts", "m"),
           QT_TRANSLATE_NOOP("DisplayTexts", "in"),   QT_TRANSLATE_NOOP("DisplayTexts", "ft"),
           QT_TRANSLATE_NOOP("DisplayTexts", "V"),    QT_TRANSLATE_NOOP("DisplayTexts", "rev")};
    if (unitIndex >= sizeof names / sizeof names[0])
        return QString();
    return QCoreApplication::translate("DisplayTexts", names[unitIndex]);
}
