#ifndef VORNAC_HOST_HOSTPROGRAMLAUNCHER_H
#define VORNAC_HOST_HOSTPROGRAMLAUNCHER_H

#include "hostHelpProgram.h"

// The launcher service: every program it opens is a help program.
class CHostProgramLauncher : public CRefCounted<IVornProgramLauncher>
{
public:
    CHostProgramLauncher(const QString &helpFolder, CHostHelpProgram::Opener opener,
                         CHostHelpProgram::Reporter reporter);

    int32_t VORN_COM_CALL QueryInterface(const VornGuid &interfaceId, void **object) override;
    int32_t VORN_COM_CALL OpenProgram(const char16_t *path, IVornProgram **program) override;

private:
    QString helpFolder;
    CHostHelpProgram::Opener opener;
    CHostHelpProgram::Reporter reporter;
};

#endif
