#ifndef VORNAC_TESTS_RECORDINGHELPHOST_H
#define VORNAC_TESTS_RECORDINGHELPHOST_H

#include <vornac/CmxProvider.h>

#include <QMap>
#include <QString>

#include <memory>

// A host's help services that record what the module asks of them, can refuse at any step, and
// count the references the module holds, so that every path can be checked for balance.
class RecordingHelpHost : public CmxProvider
{
public:
    enum Step
    {
        NoFailure,
        QueryFails,
        QueryGivesNull,
        GetServiceFails,
        GetServiceGivesNull,
        OpenProgramFails,
        OpenProgramGivesNull,
        TopicInputFails,
        FileInputFails,
        NoServiceObject
    };

    explicit RecordingHelpHost(Step failing = NoFailure);
    ~RecordingHelpHost();

    IVornUnknown *ServiceObject() override;

    // References handed out and not yet released, over all objects.
    int outstanding = 0;
    int runs = 0;
    QString openedPath;
    QMap<int32_t, QString> inputs;
    QList<int32_t> flags;
    Step failing;

private:
    class Object;
    class Service;
    class Launcher;
    class Program;

    std::unique_ptr<Service> service;
};

#endif
