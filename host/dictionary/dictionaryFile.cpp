#include "dictionaryFile.h"

#include <fstream>
#include <sstream>

namespace {

// "0x" and one to eight hexadecimal digits, nothing else: no blanks, signs or second prefix.
bool ParseIdentifier(const std::string &text, uint32_t *identifier)
{
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    uint32_t value = 0;
    for (size_t position = 2; position < text.size(); ++position) {
        const char digit = text[position];
        uint32_t nibble = 0;
        if (digit >= '0' && digit <= '9')
            nibble = uint32_t(digit - '0');
        else if (digit >= 'a' && digit <= 'f')
            nibble = uint32_t(digit - 'a' + 10);
        else if (digit >= 'A' && digit <= 'F')
            nibble = uint32_t(digit - 'A' + 10);
        else
            return false;
        value = value << 4 | nibble;
    }
    *identifier = value;
    return true;
}

} // namespace

bool DictionaryFile::Load(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    Parse(content.str());
    return true;
}

void DictionaryFile::Parse(const std::string &content)
{
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const size_t firstTab = line.find('\t');
        if (firstTab == std::string::npos)
            continue;
        const size_t secondTab = line.find('\t', firstTab + 1);
        uint32_t identifier = 0;
        if (!ParseIdentifier(line.substr(0, firstTab), &identifier))
            continue;
        Texts texts;
        if (secondTab == std::string::npos) {
            texts.name = line.substr(firstTab + 1);
        } else {
            texts.name = line.substr(firstTab + 1, secondTab - firstTab - 1);
            texts.description = line.substr(secondTab + 1);
        }
        entries[identifier] = texts;
    }
}

const DictionaryFile::Texts *DictionaryFile::Find(uint32_t identifier) const
{
    const auto found = entries.find(identifier);
    return found == entries.end() ? nullptr : &found->second;
}
