#ifndef VORNAC_VORNMCSLDICTIONARY_H
#define VORNAC_VORNMCSLDICTIONARY_H

#include <cstdint>

#if defined(_WIN32)
#define VORNMCSL_CALL __stdcall
#if defined(VORNMCSL_LIBRARY)
#define VORNMCSL_API __declspec(dllexport)
#else
#define VORNMCSL_API __declspec(dllimport)
#endif
#else
#define VORNMCSL_CALL
#define VORNMCSL_API __attribute__((visibility("default")))
#endif

// Dictionary texts of identifiers, served by the host's shared library vornsysSharedLibrary.
enum VornmcslDictionaryInfo : int32_t
{
    VornmcslDescription = 3,
    VornmcslName = 4
};

extern "C" {
// Writes the text of `info` (3: description, 4: display name) for `identifier` into `buffer`
// as a NUL-terminated 8-bit text in the local code page, never beyond `bufferSize` bytes.
// The status is not examined by the module: an unknown identifier simply yields an empty text.
VORNMCSL_API int32_t VORNMCSL_CALL vornmcslGetDictionaryInfo(uint32_t identifier, int32_t info,
                                                             char *buffer, uint32_t bufferSize);
}

#endif
