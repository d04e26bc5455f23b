#ifndef VORNAC_TESTS_DIALOGTOUR_H
#define VORNAC_TESTS_DIALOGTOUR_H

#include <QStringList>

class QDialog;

// What a person sees of a dialog's own window: one line for each named widget shown, with its
// value, items, picture, caption, enabled state and marks, and the state of OK and Apply.
QStringList VisibleState(const QDialog *dialog);

// Turns both dialogs through every area, section, instance and gain set that `shown` offers and
// lists where `fresh` looks different from it, and where either dialog holds pending edits.
QStringList DifferencesOnTour(QDialog *shown, QDialog *fresh);

#endif
