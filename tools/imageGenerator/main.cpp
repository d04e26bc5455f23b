#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: imageGenerator <output images folder>\n");
        return 2;
    }

    // A substitute font would silently change every picture, so refuse to draw without it.
    const QFontInfo info(style::font(12));
    if (info.family() != style::fontFamily) {
        std::fprintf(stderr, "font \"%s\" is not installed (got \"%s\")\n",
                     qPrintable(style::fontFamily), qPrintable(info.family()));
        return 1;
    }

    PictureWriter writer(arguments.at(1));
    // Every picture once for ordinary screens and once, drawn anew at twice the resolution, for
    // screens of device pixel ratio 2.
    for (const int ratio : {1, 2}) {
        style::setPixelRatio(ratio);
        if (!writeIoStatePictures(writer) || !writeIconPictures(writer)
            || !writeOverviewPictures(writer) || !writeControlLoopPictures(writer)
            || !writeEncoderPictures(writer) || !writeStepperPictures(writer)
            || !writeCompareCapturePictures(writer) || !writeSplinePictures(writer))
            return 1;
    }
    if (!writer.writeResourceFile(QStringLiteral("vornac.qrc")))
        return 1;
    std::printf("wrote %d pictures and vornac.qrc into %s\n", writer.count(),
                qPrintable(arguments.at(1)));
    return 0;
}
