#ifndef VORNAC_DEMO_SETTINGSFILES_H
#define VORNAC_DEMO_SETTINGSFILES_H

#include <QString>

class QDialog;

// Chooses the "Settings" menu's action `action` and then `path` in the file dialog it opens, as a
// person would. False, with *error set, when the dialog offers no such action or takes no such
// file.
bool ChooseSettingsFile(QDialog *dialog, const char *action, const QString &path, QString *error);

// What the settings file report shows, one line per row after its summary; empty while it is
// closed.
QString SettingsFileReport(const QDialog *dialog);

// A picture of the dialog with its "Settings" menu open above the button.
bool SaveSettingsMenuPicture(QDialog *dialog, const QString &path);

#endif
