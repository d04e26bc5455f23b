#include "displayTexts.h"

#include <vornac/vornmcslDictionary.h>

namespace {

const quint32 dictionaryBufferSize = 2048;

QString DictionaryText(quint32 identifier, VornmcslDictionaryInfo info)
{
    char buffer[dictionaryBufferSize] = {};
    vornmcslGetDictionaryInfo(identifier, info, buffer, dictionaryBufferSize);
    // The library's answer is not trusted to end within the buffer.
    buffer[dictionaryBufferSize - 1] = '\0';
    return QString::fromLocal8Bit(buffer);
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
