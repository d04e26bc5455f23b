#ifndef VORNAC_VALUEREADER_H
#define VORNAC_VALUEREADER_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>

#include <optional>

class CVornMotionChangeList;

// Reads what the user sees: the pending edit when there is one, else the committed value.
class CVornMotionValueReader
{
public:
    CVornMotionValueReader(nVornMCPCD100::iMotionConfigurationDatabase *database,
                           const CVornMotionChangeList *changeList);

    // *out is zeroed first, so a failed read yields zeros. Returns the database's status, or 0
    // for a pending edit.
    qint32 ReadValue(nVornMCPCD100::AttributeId id, quint32 index,
                     nVornMCPCD100::AttributeValue *out) const;
    // The integer part of ReadValue: identifiers of enumerations, counts, indices.
    qint32 ReadInteger(nVornMCPCD100::AttributeId id, quint32 index) const;
    double ReadReal(nVornMCPCD100::AttributeId id, quint32 index) const;
    // A switch: on for any value but zero, as a check box shows it.
    bool ReadBoolean(nVornMCPCD100::AttributeId id, quint32 index) const;
    // The text, read into a fresh zeroed buffer of `capacity` code units that the module
    // terminates itself; empty when the read fails.
    QString ReadString(nVornMCPCD100::AttributeId id, quint32 index, qint32 capacity) const;
    // The committed text straight from the database, or nothing when the read fails; an empty
    // text is a successful read.
    std::optional<QString> ReadStoredString(nVornMCPCD100::AttributeId id, quint32 index,
                                            qint32 capacity) const;

private:
    nVornMCPCD100::iMotionConfigurationDatabase *database;
    const CVornMotionChangeList *changeList;
};

#endif
