#ifndef VORNAC_PLATFORM_H
#define VORNAC_PLATFORM_H

#include <QString>

// What the module needs of the operating system, in one place.
namespace Platform {

// The folder that holds the host process's executable.
QString ExecutableFolder();

// The folder that holds the module's own library (the executable's when the module is linked into
// it); empty when the system cannot tell.
QString ModuleFolder();

// `relative`, written with backslashes, joined to `folder` with the platform's separators.
QString JoinPath(const QString &folder, const QString &relative);

// A NUL-terminated copy of `text` in memory that the host's objects may be given: the COM task
// allocator on Windows, the C heap elsewhere. Null when memory runs out.
char16_t *AllocateTaskString(const QString &text);
void FreeTaskString(char16_t *text);

} // namespace Platform

#endif
