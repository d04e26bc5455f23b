#ifndef VORNAC_DEMO_TYPEDEDITS_H
#define VORNAC_DEMO_TYPEDEDITS_H

#include <QString>

class QDialog;

// Types `text` into the widget named `objectName` as a person would, after opening the settings
// area that shows it, and finishes the edit with Return. False when no area shows such a widget.
bool TypeIntoSetting(QDialog *dialog, const QString &objectName, const QString &text);

#endif
