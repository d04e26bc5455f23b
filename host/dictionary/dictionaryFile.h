#ifndef VORNSYS_DICTIONARYFILE_H
#define VORNSYS_DICTIONARYFILE_H

#include <cstdint>
#include <string>
#include <unordered_map>

// Names and descriptions of identifiers, read from a text file with one identifier per line:
//     0xA30001<TAB>name<TAB>description
// The identifier is "0x" and one to eight hexadecimal digits; a later line of the same identifier
// wins. Blank lines and lines starting with '#' are skipped; malformed lines are ignored.
class DictionaryFile
{
public:
    struct Texts
    {
        std::string name;
        std::string description;
    };

    bool Load(const std::string &path);
    void Parse(const std::string &content);
    const Texts *Find(uint32_t identifier) const;
    // How many identifiers have texts.
    size_t Count() const { return entries.size(); }

private:
    std::unordered_map<uint32_t, Texts> entries;
};

#endif
