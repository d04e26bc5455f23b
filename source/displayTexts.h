#ifndef VORNAC_DISPLAYTEXTS_H
#define VORNAC_DISPLAYTEXTS_H

#include <QString>

// The dictionary's display name of an identifier; empty when the dictionary does not know it.
QString GetDictionaryName(quint32 identifier);
// The dictionary's description of an identifier; empty when the dictionary does not know it.
QString GetDictionaryDescription(quint32 identifier);

#endif
