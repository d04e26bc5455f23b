#include "helpLauncher.h"

#include "platform.h"

#include <vornac/CmxProvider.h>

namespace {

const int32_t topicInput = 11;
const int32_t helpFileInput = 10;

// Releases a host object at the end of the scope it was obtained in.
template <typename Interface>
class Held
{
public:
    Held() = default;
    ~Held()
    {
        if (object)
            object->Release();
    }
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;

    Interface *get() const { return object; }
    void **out() { return reinterpret_cast<void **>(&object); }
    Interface **typedOut() { return &object; }

private:
    Interface *object = nullptr;
};

// A string in task memory for the duration of one call.
class TaskString
{
public:
    explicit TaskString(const QString &text) : text(Platform::AllocateTaskString(text)) {}
    ~TaskString() { Platform::FreeTaskString(text); }
    TaskString(const TaskString &) = delete;
    TaskString &operator=(const TaskString &) = delete;

    const char16_t *get() const { return text; }

private:
    char16_t *text;
};

bool SetInput(IVornProgram *program, int32_t input, const QString &value)
{
    const TaskString text(value);
    return text.get() && program->SetProgramInput(input, text.get(), 0) >= 0;
}

} // namespace

const char *const CVornMotionHelpLauncher::helpFile = "<helpdir>:\\vornhelp.chm";
const char *const CVornMotionHelpLauncher::helpProgram =
    "resource\\framework\\providers\\vornmcLaunchHelpFile.vprg";

void CVornMotionHelpLauncher::Launch(CmxProvider *provider, const QString &topic)
{
    IVornUnknown *serviceObject = provider ? provider->ServiceObject() : nullptr;
    if (!serviceObject)
        return;

    Held<IVornServiceProvider> services;
    if (serviceObject->QueryInterface(VornServiceProviderId, services.out()) < 0 || !services.get())
        return;

    Held<IVornProgramLauncher> launcher;
    if (services.get()->GetService(VornProgramLauncherId, VornProgramLauncherId, launcher.out())
            != 0
        || !launcher.get())
        return;

    Held<IVornProgram> program;
    {
        const TaskString path(Platform::JoinPath(Platform::ExecutableFolder(),
                                                 QString::fromLatin1(helpProgram)));
        if (!path.get() || launcher.get()->OpenProgram(path.get(), program.typedOut()) < 0
            || !program.get())
            return;
    }

    if (!SetInput(program.get(), topicInput, topic)
        || !SetInput(program.get(), helpFileInput, QString::fromLatin1(helpFile)))
        return;
    program.get()->RunProgram();
}
