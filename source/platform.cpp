#include "platform.h"

#include <cstring>

#if defined(_WIN32)
#include <objbase.h>
#include <windows.h>
#else
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <dlfcn.h>
#endif

namespace Platform {

QString ExecutableFolder()
{
#if defined(_WIN32)
    wchar_t path[32768] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(sizeof path / sizeof path[0]));
    if (length == 0 || length >= sizeof path / sizeof path[0])
        return QString();
    const QString file = QString::fromWCharArray(path, int(length));
    return file.left(file.lastIndexOf(QLatin1Char('\\')));
#else
    const QFileInfo executable(QStringLiteral("/proc/self/exe"));
    if (executable.exists())
        return QFileInfo(executable.symLinkTarget()).absolutePath();
    return QCoreApplication::applicationDirPath();
#endif
}

QString ModuleFolder()
{
#if defined(_WIN32)
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                                | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ModuleFolder), &module))
        return QString();
    wchar_t path[32768] = {};
    const DWORD length = GetModuleFileNameW(module, path, DWORD(sizeof path / sizeof path[0]));
    if (length == 0 || length >= sizeof path / sizeof path[0])
        return QString();
    const QString file = QString::fromWCharArray(path, int(length));
    return file.left(file.lastIndexOf(QLatin1Char('\\')));
#else
    Dl_info info = {};
    if (!dladdr(reinterpret_cast<void *>(&ModuleFolder), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
#endif
}

QString JoinPath(const QString &folder, const QString &relative)
{
#if defined(_WIN32)
    return folder + QLatin1Char('\\') + relative;
#else
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder + QLatin1Char('/') + path;
#endif
}

char16_t *AllocateTaskString(const QString &text)
{
    const size_t bytes = (size_t(text.size()) + 1) * sizeof(char16_t);
#if defined(_WIN32)
    auto *copy = static_cast<char16_t *>(CoTaskMemAlloc(bytes));
#else
    auto *copy = static_cast<char16_t *>(std::malloc(bytes));
#endif
    if (!copy)
        return nullptr;
    std::memcpy(copy, text.utf16(), bytes - sizeof(char16_t));
    copy[text.size()] = u'\0';
    return copy;
}

void FreeTaskString(char16_t *text)
{
#if defined(_WIN32)
    CoTaskMemFree(text);
#else
    std::free(text);
#endif
}

} // namespace Platform
