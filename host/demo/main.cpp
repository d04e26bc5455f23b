// The demo host: loads an axis profile into the substitute database and drives the module through
// its exported functions only, as a real host would.
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

namespace {

QTextStream &Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool SaveScreenshot(QDialog *dialog, const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        Err() << "Cannot create " << folder << "\n";
        return false;
    }
    const QString path = QDir(folder).absoluteFilePath(QStringLiteral("dialog.png"));
    if (!dialog->grab().save(path)) {
        Err() << "Cannot write " << path << "\n";
        return false;
    }
    Out() << "Wrote " << path << "\n";
    return true;
}

void PrintCommittedWrites(const CAxisDatabase &database, QDialog *dialog)
{
    const QVector<CAxisDatabase::WriteRecord> &writes = database.WriteLog();
    Out() << "Committed writes: " << writes.size() << "\n";
    for (const CAxisDatabase::WriteRecord &write : writes)
        Out() << "  " << CAxisDatabase::IdentifierText(write.id) << " [" << write.index
              << "] = " << write.text << "\n";
    Out() << "IsSwitchToConfigModeRequired: "
          << CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog) << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vornac-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the axis configuration dialog on an axis profile."));
    parser.addHelpOption();
    const QCommandLineOption profileOption(
        QStringLiteral("profile"), QStringLiteral("Axis profile to load (default: the servo axis)."),
        QStringLiteral("file"), QStringLiteral(VORNAC_PROFILE_DIR "/servo.json"));
    const QCommandLineOption periodOption(
        QStringLiteral("host-period"),
        QStringLiteral("The host's scan period in seconds (default 0.001)."),
        QStringLiteral("seconds"), QStringLiteral("0.001"));
    const QCommandLineOption saveOption(
        QStringLiteral("save"), QStringLiteral("Save the database to this profile when done."),
        QStringLiteral("file"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Write a picture of the dialog into this folder and exit."),
        QStringLiteral("folder"));
    parser.addOptions({profileOption, periodOption, saveOption, screenshotOption});
    parser.process(application);

    CAxisDatabase database;
    QString error;
    if (!CAxisProfileFile::Load(parser.value(profileOption), database, &error)) {
        Err() << error << "\n";
        return 1;
    }
    bool periodValid = false;
    const double hostPeriod = parser.value(periodOption).toDouble(&periodValid);
    if (!periodValid) {
        Err() << "Not a period in seconds: " << parser.value(periodOption) << "\n";
        return 1;
    }

    QDialog *dialog =
        CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database, nullptr);
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog, hostPeriod);

    int status = 0;
    if (parser.isSet(screenshotOption))
        status = SaveScreenshot(dialog, parser.value(screenshotOption)) ? 0 : 1;
    else
        dialog->exec();

    PrintCommittedWrites(database, dialog);
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);

    if (parser.isSet(saveOption)
        && !CAxisProfileFile::Save(parser.value(saveOption), database, &error)) {
        Err() << error << "\n";
        return 1;
    }
    return status;
}
