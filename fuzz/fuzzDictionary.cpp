// Any bytes as a dictionary text file: every well-formed line answers its identifier with its own
// texts (the last line of an identifier wins), and no other line adds an identifier.
#include "dictionary/dictionaryFile.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace {

// The identifier of a line's first field: "0x" or "0X" and one to eight hexadecimal digits.
bool WellFormedIdentifier(const std::string &field, uint32_t *identifier)
{
    if (field.size() < 3 || field.size() > 10 || field[0] != '0'
        || (field[1] != 'x' && field[1] != 'X')
        || field.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
        return false;
    *identifier = static_cast<uint32_t>(std::stoul(field.substr(2), nullptr, 16));
    return true;
}

// What each well-formed line of `content` says, line by line as the file is read.
std::map<uint32_t, DictionaryFile::Texts> Expected(const std::string &content)
{
    std::map<uint32_t, DictionaryFile::Texts> expected;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t firstTab = line.find('\t');
        uint32_t identifier = 0;
        if (firstTab == std::string::npos
            || !WellFormedIdentifier(line.substr(0, firstTab), &identifier))
            continue;
        const size_t secondTab = line.find('\t', firstTab + 1);
        DictionaryFile::Texts texts;
        texts.name
            = line.substr(firstTab + 1, secondTab == std::string::npos ? std::string::npos
                                                                       : secondTab - firstTab - 1);
        if (secondTab != std::string::npos)
            texts.description = line.substr(secondTab + 1);
        expected[identifier] = std::move(texts);
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    DictionaryFile dictionary;
    dictionary.Parse(content);
    const std::map<uint32_t, DictionaryFile::Texts> expected = Expected(content);
    if (dictionary.Count() != expected.size())
        std::abort();
    for (const auto &entry : expected) {
        const DictionaryFile::Texts *texts = dictionary.Find(entry.first);
        if (!texts || texts->name != entry.second.name
            || texts->description != entry.second.description)
            std::abort();
    }
    return 0;
}
