#ifndef VORNAC_EDITTEXTS_H
#define VORNAC_EDITTEXTS_H

#include <QString>

// How a pending edit reads in the review of what Apply writes: values in display units.
struct CVornMotionEditTexts
{
    QString setting;
    QString instance;
    QString stored;
    QString pending;
    // The settings area that shows the setting; empty when no page does.
    QString area;
};

#endif
