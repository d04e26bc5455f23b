#include "recordingHelpHost.h"

// Reference counting shared by the recorded objects: they live as long as the host.
class RecordingHelpHost::Object
{
public:
    explicit Object(RecordingHelpHost *host) : host(host) {}
    void Acquired() { ++host->outstanding; }
    void Released() { --host->outstanding; }

protected:
    RecordingHelpHost *host;
};

class RecordingHelpHost::Program : public IVornProgram, public Object
{
public:
    using Object::Object;
    int32_t VORN_COM_CALL QueryInterface(const VornGuid &, void **) override { return -1; }
    uint32_t VORN_COM_CALL AddRef() override { Acquired(); return 1; }
    uint32_t VORN_COM_CALL Release() override { Released(); return 0; }
    int32_t VORN_COM_CALL SetProgramInput(int32_t input, const char16_t *text,
                                          int32_t flags) override
    {
        if ((input == 11 && host->failing == TopicInputFails)
            || (input == 10 && host->failing == FileInputFails))
            return -1;
        host->inputs.insert(input, QString::fromUtf16(text));
        host->flags.append(flags);
        return 0;
    }
    int32_t VORN_COM_CALL RunProgram() override
    {
        ++host->runs;
        return 0;
    }
};

class RecordingHelpHost::Launcher : public IVornProgramLauncher, public Object
{
public:
    explicit Launcher(RecordingHelpHost *host) : Object(host), program(host) {}
    int32_t VORN_COM_CALL QueryInterface(const VornGuid &, void **) override { return -1; }
    uint32_t VORN_COM_CALL AddRef() override { Acquired(); return 1; }
    uint32_t VORN_COM_CALL Release() override { Released(); return 0; }
    int32_t VORN_COM_CALL OpenProgram(const char16_t *path, IVornProgram **opened) override
    {
        host->openedPath = QString::fromUtf16(path);
        if (host->failing == OpenProgramFails)
            return -1;
        if (host->failing == OpenProgramGivesNull) {
            *opened = nullptr;
            return 0;
        }
        program.AddRef();
        *opened = &program;
        return 0;
    }

private:
    Program program;
};

class RecordingHelpHost::Service : public IVornServiceProvider, public Object
{
public:
    explicit Service(RecordingHelpHost *host) : Object(host), launcher(host) {}
    int32_t VORN_COM_CALL QueryInterface(const VornGuid &id, void **object) override
    {
        if (host->failing == QueryFails || !(id == VornServiceProviderId))
            return -1;
        if (host->failing == QueryGivesNull) {
            *object = nullptr;
            return 0;
        }
        AddRef();
        *object = static_cast<IVornServiceProvider *>(this);
        return 0;
    }
    uint32_t VORN_COM_CALL AddRef() override { Acquired(); return 1; }
    uint32_t VORN_COM_CALL Release() override { Released(); return 0; }
    int32_t VORN_COM_CALL GetService(const VornGuid &service, const VornGuid &id,
                                     void **object) override
    {
        if (host->failing == GetServiceFails || !(service == VornProgramLauncherId)
            || !(id == VornProgramLauncherId))
            return -1;
        if (host->failing == GetServiceGivesNull) {
            *object = nullptr;
            return 0;
        }
        launcher.AddRef();
        *object = static_cast<IVornProgramLauncher *>(&launcher);
        return 0;
    }

private:
    Launcher launcher;
};

RecordingHelpHost::RecordingHelpHost(Step failing)
    : failing(failing), service(std::make_unique<Service>(this))
{
}

RecordingHelpHost::~RecordingHelpHost() = default;

IVornUnknown *RecordingHelpHost::ServiceObject()
{
    return failing == NoServiceObject ? nullptr : static_cast<IVornServiceProvider *>(service.get());
}
