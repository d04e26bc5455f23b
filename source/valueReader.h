#ifndef VORNAC_VALUEREADER_H
#define VORNAC_VALUEREADER_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QtGlobal>

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

private:
    nVornMCPCD100::iMotionConfigurationDatabase *database;
    const CVornMotionChangeList *changeList;
};

#endif
