#include "hostProgramLauncher.h"

CHostProgramLauncher::CHostProgramLauncher(const QString &helpFolder,
                                           CHostHelpProgram::Opener opener,
                                           CHostHelpProgram::Reporter reporter)
    : helpFolder(helpFolder), opener(std::move(opener)), reporter(std::move(reporter))
{
}

int32_t CHostProgramLauncher::QueryInterface(const VornGuid &interfaceId, void **object)
{
    if (!object)
        return -1;
    *object = nullptr;
    if (!(interfaceId == VornProgramLauncherId))
        return -1;
    AddRef();
    *object = static_cast<IVornProgramLauncher *>(this);
    return 0;
}

int32_t CHostProgramLauncher::OpenProgram(const char16_t *path, IVornProgram **program)
{
    if (!program)
        return -1;
    *program = nullptr;
    if (!path)
        return -1;
    *program = new CHostHelpProgram(QString::fromUtf16(path), helpFolder, opener, reporter);
    return 0;
}
