#include "dictionaryFile.h"

#include <vornac/vornmcslDictionary.h>

#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

enum Status : int32_t
{
    Found = 0,
    Unknown = -1,
    BadArguments = -2
};

// The texts sit next to this library unless VORNSYS_DICTIONARY names another file.
std::string DictionaryPath()
{
    if (const char *path = std::getenv("VORNSYS_DICTIONARY"))
        return path;
    std::string library;
#if defined(_WIN32)
    HMODULE module = nullptr;
    char name[MAX_PATH] = {};
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                               | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&DictionaryPath), &module)
        && GetModuleFileNameA(module, name, MAX_PATH) < MAX_PATH)
        library = name;
    const size_t slash = library.find_last_of("\\/");
#else
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void *>(&DictionaryPath), &info) && info.dli_fname)
        library = info.dli_fname;
    const size_t slash = library.find_last_of('/');
#endif
    const std::string folder = slash == std::string::npos ? "." : library.substr(0, slash);
    return folder + "/vornsysDictionary.txt";
}

const DictionaryFile &Dictionary()
{
    static const DictionaryFile dictionary = [] {
        DictionaryFile file;
        file.Load(DictionaryPath());
        return file;
    }();
    return dictionary;
}

} // namespace

extern "C" VORNMCSL_API int32_t VORNMCSL_CALL vornmcslGetDictionaryInfo(uint32_t identifier,
                                                                        int32_t info, char *buffer,
                                                                        uint32_t bufferSize)
{
    if (!buffer || bufferSize == 0)
        return BadArguments;
    buffer[0] = '\0';
    if (info != VornmcslName && info != VornmcslDescription)
        return BadArguments;
    const DictionaryFile::Texts *texts = Dictionary().Find(identifier);
    if (!texts)
        return Unknown;
    const std::string &text = info == VornmcslName ? texts->name : texts->description;
    const size_t length = text.size() < bufferSize - 1 ? text.size() : bufferSize - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return Found;
}
