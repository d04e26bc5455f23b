// Any bytes as an axis profile: refused as a whole or loaded, and what loads saves and loads back
// to the same database.
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    CAxisDatabase database;
    QString problem;
    if (!CAxisProfileFile::Parse(json, database, &problem))
        return 0;
    CAxisDatabase again;
    if (!CAxisProfileFile::Parse(CAxisProfileFile::Serialize(database), again, &problem)
        || again.Settings() != database.Settings())
        std::abort();
    return 0;
}
