// Any bytes as an axis profile, read into a database that holds the servo profile: refused as a
// whole, leaving that database as it was, or loaded, and what loads saves and loads back to the
// same database.
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

bool Same(const CAxisDatabase &one, const CAxisDatabase &other)
{
    return one.Settings() == other.Settings() && one.DeviceType() == other.DeviceType()
           && one.Description() == other.Description();
}

const CAxisDatabase &Filled()
{
    static const CAxisDatabase filled = [] {
        CAxisDatabase database;
        QString problem;
        if (!CAxisProfileFile::Load(QStringLiteral(VORNAC_PROFILE_DIR "/servo.json"), database,
                                    &problem)
            || database.Settings().empty())
            std::abort();
        return database;
    }();
    return filled;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    CAxisDatabase database = Filled();
    QString problem;
    if (!CAxisProfileFile::Parse(json, database, &problem)) {
        if (!Same(database, Filled()))
            std::abort();
        return 0;
    }
    CAxisDatabase again = Filled();
    if (!CAxisProfileFile::Parse(CAxisProfileFile::Serialize(database), again, &problem)
        || !Same(again, database))
        std::abort();
    return 0;
}
