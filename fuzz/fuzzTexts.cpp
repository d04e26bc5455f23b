// Any bytes as the input of the display texts: a number and an identifier for the period and
// unit texts, the rest as a description. Wrapped tool-tip lines never exceed 60 code units.
#include "displayTexts.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <cstring>

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
    const QString wrapped = WrapToolTipText(description);
    for (const QString &line : wrapped.split(QLatin1Char('\n'))) {
        if (line.size() > 60)
            std::abort();
    }
    PlainToolTip(description);
    EscapedToolTip(description);
    return 0;
}
