#ifndef VORNAC_HOST_HOSTHELPPROVIDER_H
#define VORNAC_HOST_HOSTHELPPROVIDER_H

#include "hostHelpProgram.h"

// The host's service object and provider: the module asks it for the service interface, gets the
// program launcher from it, and runs the help program through that.
class CHostHelpProvider : public CmxProvider
{
public:
    // Topics are looked up below `helpFolder`; `opener` shows a page (the desktop's browser by
    // default), `reporter` tells what was asked when there is no page (standard output by default).
    explicit CHostHelpProvider(const QString &helpFolder,
                               CHostHelpProgram::Opener opener = nullptr,
                               CHostHelpProgram::Reporter reporter = nullptr);
    ~CHostHelpProvider();

    CHostHelpProvider(const CHostHelpProvider &) = delete;
    CHostHelpProvider &operator=(const CHostHelpProvider &) = delete;

    IVornUnknown *ServiceObject() override;

private:
    class Services;
    Services *services;
};

#endif
