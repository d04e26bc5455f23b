#include "flash.h"

#include <QWidget>

namespace {
const QColor flashColour(0xff, 0xe0, 0x8a);
const char flashName[] = "vornacFlash";
} // namespace

int CVornMotionFlash::duration = 1500;

void CVornMotionFlash::SetDuration(int milliseconds)
{
    duration = milliseconds;
}

void CVornMotionFlash::Flash(QWidget *widget)
{
    if (!widget)
        return;
    // A second flash before the first ends only lasts longer: the palette to restore stays.
    auto *flash = widget->findChild<CVornMotionFlash *>(QLatin1String(flashName),
                                                        Qt::FindDirectChildrenOnly);
    if (!flash)
        flash = new CVornMotionFlash(widget);
    flash->timer.start(duration);
}

CVornMotionFlash::CVornMotionFlash(QWidget *widget)
    : QObject(widget),
      widget(widget),
      original(widget->palette()),
      ownPalette(widget->testAttribute(Qt::WA_SetPalette)),
      filled(widget->autoFillBackground())
{
    setObjectName(QLatin1String(flashName));
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &CVornMotionFlash::Restore);
    QPalette palette = original;
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, flashColour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void CVornMotionFlash::Restore()
{
    widget->setPalette(ownPalette ? original : QPalette());
    widget->setAutoFillBackground(filled);
    deleteLater();
}
