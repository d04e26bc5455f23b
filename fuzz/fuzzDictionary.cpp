// Any bytes as a dictionary text file: every identifier found has texts without line breaks.
#include "dictionary/dictionaryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    DictionaryFile dictionary;
    dictionary.Parse(content);
    for (uint32_t identifier : {0xA30001u, 0xA3006Bu, 0u, 0xFFFFFFFFu}) {
        const DictionaryFile::Texts *texts = dictionary.Find(identifier);
        if (texts
            && (texts->name.find('\n') != std::string::npos
                || texts->description.find('\n') != std::string::npos))
            std::abort();
    }
    return 0;
}
