#ifndef VORNAC_HELPLAUNCHER_H
#define VORNAC_HELPLAUNCHER_H

#include <QString>

class CmxProvider;

// Opens a help topic through the host's program launcher. Every failure ends the launch silently;
// every object obtained is released on every path.
class CVornMotionHelpLauncher
{
public:
    static const char *const helpFile;
    static const char *const helpProgram;

    static void Launch(CmxProvider *provider, const QString &topic);
};

#endif
