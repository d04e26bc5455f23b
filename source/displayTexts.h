#ifndef VORNAC_DISPLAYTEXTS_H
#define VORNAC_DISPLAYTEXTS_H

#include <QString>

// The dictionary's display name of an identifier; empty when the dictionary does not know it.
QString GetDictionaryName(quint32 identifier);
// The display name, or "0x" and the identifier in hexadecimal when the dictionary lacks it.
QString GetDisplayNameOrId(quint32 identifier);
// The dictionary's description of an identifier; empty when the dictionary does not know it.
QString GetDictionaryDescription(quint32 identifier);

// Lines of at most 60 UTF-16 code units, broken after white space where there is some, else hard
// at 60 (never inside a surrogate pair).
QString WrapToolTipText(const QString &text);

// A tool tip that shows `text` literally, whatever markup it holds.
QString EscapedToolTip(const QString &text);
// A description wrapped and escaped for a tool tip.
QString PlainToolTip(const QString &description);

// The item text of a value in the lists of a few period and frequency attributes; empty for values
// and attributes without one.
QString FormatPeriodText(double value, quint32 attribute);

// "Unit", "mm", "cm", "m", "in", "ft", "V", "rev" for 0 to 7; empty otherwise.
QString UnitName(quint32 unitIndex);

#endif
