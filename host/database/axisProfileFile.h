#ifndef VORNAC_HOST_AXISPROFILEFILE_H
#define VORNAC_HOST_AXISPROFILEFILE_H

#include <QByteArray>
#include <QString>

class CAxisDatabase;

// Reads and writes axis profiles: human-edited JSON files that fill a CAxisDatabase. Identifiers
// are hexadecimal text ("0xA30001") so a profile reads like the controller's documentation.
// A profile carries the first device-type value only; the module never reads the second.
class CAxisProfileFile
{
public:
    // All or nothing: on success the database holds exactly the profile (its write log emptied);
    // on refusal it is untouched and *error names the file, the entry and the problem.
    static bool Load(const QString &path, CAxisDatabase &database, QString *error);

    // Writes only what Load reads back to the same database; anything else is refused with
    // *error set and the file left as it was.
    static bool Save(const QString &path, const CAxisDatabase &database, QString *error);

    // The same for a profile held in memory. On refusal *problem names the entry and the
    // problem, not the file.
    static bool Parse(const QByteArray &json, CAxisDatabase &database, QString *problem);
    static QByteArray Serialize(const CAxisDatabase &database);

private:
    CAxisProfileFile() = delete;
};

#endif
