#include "hostHelpProvider.h"

#include "hostProgramLauncher.h"

#include <QDesktopServices>
#include <QTextStream>

// The service object: it answers the service interface and hands out the launcher.
class CHostHelpProvider::Services : public CRefCounted<IVornServiceProvider>
{
public:
    Services(const QString &helpFolder, CHostHelpProgram::Opener opener,
             CHostHelpProgram::Reporter reporter)
        : helpFolder(helpFolder), opener(std::move(opener)), reporter(std::move(reporter))
    {
    }

    int32_t VORN_COM_CALL QueryInterface(const VornGuid &interfaceId, void **object) override
    {
        if (!object)
            return -1;
        *object = nullptr;
        if (!(interfaceId == VornServiceProviderId))
            return -1;
        AddRef();
        *object = static_cast<IVornServiceProvider *>(this);
        return 0;
    }

    int32_t VORN_COM_CALL GetService(const VornGuid &service, const VornGuid &interfaceId,
                                     void **object) override
    {
        if (!object)
            return -1;
        *object = nullptr;
        if (!(service == VornProgramLauncherId))
            return -1;
        auto *launcher = new CHostProgramLauncher(helpFolder, opener, reporter);
        const int32_t status = launcher->QueryInterface(interfaceId, object);
        launcher->Release();
        return status;
    }

private:
    QString helpFolder;
    CHostHelpProgram::Opener opener;
    CHostHelpProgram::Reporter reporter;
};

CHostHelpProvider::CHostHelpProvider(const QString &helpFolder, CHostHelpProgram::Opener opener,
                                     CHostHelpProgram::Reporter reporter)
{
    if (!opener)
        opener = [](const QUrl &page) { return QDesktopServices::openUrl(page); };
    if (!reporter)
        reporter = [](const QString &message) { QTextStream(stdout) << message << "\n"; };
    services = new Services(helpFolder, std::move(opener), std::move(reporter));
}

CHostHelpProvider::~CHostHelpProvider()
{
    services->Release();
}

IVornUnknown *CHostHelpProvider::ServiceObject()
{
    return services;
}
