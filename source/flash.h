#ifndef VORNAC_FLASH_H
#define VORNAC_FLASH_H

#include <QObject>
#include <QPalette>
#include <QTimer>

class QWidget;

// Draws the eye to a widget just opened for a person: its background takes a highlight colour for
// a moment and then the palette it had.
class CVornMotionFlash : public QObject
{
    Q_OBJECT

public:
    static void Flash(QWidget *widget);
    // How long the highlight stays, in milliseconds (1500 unless set); tests shorten it.
    static void SetDuration(int milliseconds);

private:
    static int duration;

    explicit CVornMotionFlash(QWidget *widget);
    void Restore();

    QWidget *widget;
    QPalette original;
    bool ownPalette;
    bool filled;
    QTimer timer;
};

#endif
