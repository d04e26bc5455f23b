// The demo host: loads an axis profile into the substitute database and drives the module through
// its exported functions only, as a real host would.
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "provider/hostHelpProvider.h"
#include "settingsFiles.h"
#include "typedEdits.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QApplication>
#include <algorithm>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QPixmap>
#include <QRegularExpression>
#include <QTextStream>
#include <QToolButton>

namespace {

const int generalPage = 0xA300D5;

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

QString PageFileName(int page, const QString &name)
{
    QString readable = name;
    readable.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    const QString identifier = QString::number(page, 16).toUpper();
    return QStringLiteral("%1-%2.png").arg(identifier, readable);
}

// A picture of the list of pending changes, when there are any.
bool SaveChangesScreenshot(QDialog *dialog, const QString &folder)
{
    auto *changes = dialog->findChild<QPushButton *>(QStringLiteral("changesButton"));
    if (!changes || !changes->isEnabled())
        return true;
    changes->click();
    auto *window = dialog->findChild<QDialog *>(QStringLiteral("changesWindow"));
    const QString path = QDir(folder).absoluteFilePath(QStringLiteral("changes.png"));
    if (!window || !window->grab().save(path)) {
        Err() << "Cannot write " << path << "\n";
        return false;
    }
    Out() << "Wrote " << path << "\n";
    return true;
}

// Pictures of the "Settings" menu, and of the settings file report when it is open.
bool SaveSettingsScreenshots(QDialog *dialog, const QString &folder)
{
    const QString menu = QDir(folder).absoluteFilePath(QStringLiteral("settingsMenu.png"));
    if (!SaveSettingsMenuPicture(dialog, menu)) {
        Err() << "Cannot write " << menu << "\n";
        return false;
    }
    Out() << "Wrote " << menu << "\n";
    auto *report = dialog->findChild<QDialog *>(QStringLiteral("settingsFileReport"));
    if (!report || !report->isVisible())
        return true;
    const QString path = QDir(folder).absoluteFilePath(QStringLiteral("settingsReport.png"));
    if (!report->grab().save(path)) {
        Err() << "Cannot write " << path << "\n";
        return false;
    }
    Out() << "Wrote " << path << "\n";
    return true;
}

// A picture of the dialog searching for `text`, when there is one.
bool SaveSearchScreenshot(QDialog *dialog, const QString &folder, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("settingSearch"));
    if (text.isEmpty() || !field)
        return true;
    field->setFocus();
    field->setText(text);
    const QString path = QDir(folder).absoluteFilePath(QStringLiteral("search.png"));
    if (!dialog->grab().save(path)) {
        Err() << "Cannot write " << path << "\n";
        return false;
    }
    Out() << "Wrote " << path << "\n";
    field->clear();
    return true;
}

// Pictures of the dialog with every page that the navigation buttons of this axis reach.
bool SaveScreenshots(QDialog *dialog, const QString &folder, const QString &search)
{
    if (!QDir().mkpath(folder)) {
        Err() << "Cannot create " << folder << "\n";
        return false;
    }
    QList<QToolButton *> buttons;
    for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && button->isVisibleTo(dialog))
            buttons.append(button);
    }
    std::sort(buttons.begin(), buttons.end(), [](const QToolButton *left, const QToolButton *right) {
        return left->geometry().topLeft().manhattanLength()
            < right->geometry().topLeft().manhattanLength();
    });
    for (QToolButton *button : buttons) {
        button->click();
        const int page = CVornMotionAxisConfiguration::GetCurrentPage(dialog);
        const QString path = QDir(folder).absoluteFilePath(PageFileName(page, button->accessibleName()));
        if (!dialog->grab().save(path)) {
            Err() << "Cannot write " << path << "\n";
            return false;
        }
        Out() << "Wrote " << path << "\n";
    }
    return SaveChangesScreenshot(dialog, folder) && SaveSettingsScreenshots(dialog, folder)
           && SaveSearchScreenshot(dialog, folder, search);
}

// Loads, then saves, a settings file through the dialog's "Settings" menu, as a person would.
bool ApplySettingsFiles(QDialog *dialog, const QString &load, const QString &save)
{
    QString error;
    if (!load.isEmpty()) {
        if (!QFileInfo(load).isFile()) {
            Err() << "No such settings file: " << load << "\n";
            return false;
        }
        if (!ChooseSettingsFile(dialog, "loadSettingsAction", load, &error)) {
            Err() << error << "\n";
            return false;
        }
        const QString report = SettingsFileReport(dialog);
        if (!report.isEmpty())
            Out() << report << "\n";
        if (const auto *changes = dialog->findChild<QPushButton *>(QStringLiteral("changesButton")))
            Out() << "Loaded " << load << ": " << changes->text() << " pending\n";
    }
    if (save.isEmpty())
        return true;
    // A save that fails says why in the report; one that succeeds leaves it as it was.
    const QString before = SettingsFileReport(dialog);
    if (!ChooseSettingsFile(dialog, "saveSettingsAction", save, &error)) {
        Err() << error << "\n";
        return false;
    }
    const QString report = SettingsFileReport(dialog);
    if (report != before) {
        Err() << report << "\n";
        return false;
    }
    Out() << "Wrote " << save << "\n";
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
    // Offscreen there is no desktop theme to choose a font, and Qt 5 then falls back to 12 points;
    // use the size a desktop would.
    if (QApplication::platformName() == QLatin1String("offscreen"))
        QApplication::setFont(QFont(QApplication::font().family(), 9));

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
    const QCommandLineOption startPageOption(
        QStringLiteral("start-page"),
        QStringLiteral("Page to start on, as its identifier (for example 0xA300AA)."),
        QStringLiteral("id"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Write a picture of every page of the axis into this folder and exit."),
        QStringLiteral("folder"));
    const QCommandLineOption typeOption(
        QStringLiteral("type"),
        QStringLiteral("Type TEXT into the setting widget NAME as a person would, before anything "
                       "else (repeatable)."),
        QStringLiteral("NAME=TEXT"));
    const QCommandLineOption findOption(
        QStringLiteral("find"),
        QStringLiteral("With --screenshot: also a picture of the dialog searching for TEXT."),
        QStringLiteral("TEXT"));
    const QCommandLineOption loadSettingsOption(
        QStringLiteral("load-settings"),
        QStringLiteral("Load a settings file as a person would, after --type and before "
                       "--screenshot (which then also pictures the list of changes)."),
        QStringLiteral("FILE"));
    const QCommandLineOption saveSettingsOption(
        QStringLiteral("save-settings"),
        QStringLiteral("Save the axis's settings to a file once the dialog is open (after "
                       "--type and --load-settings)."),
        QStringLiteral("FILE"));
    parser.addOptions({profileOption, periodOption, saveOption, startPageOption, screenshotOption,
                       typeOption, findOption, loadSettingsOption, saveSettingsOption});
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

    int startPage = 0;
    if (parser.isSet(startPageOption)) {
        bool pageValid = false;
        startPage = parser.value(startPageOption).toInt(&pageValid, 0);
        if (!pageValid) {
            Err() << "Not a page identifier: " << parser.value(startPageOption) << "\n";
            return 1;
        }
    }

    CHostHelpProvider help(QStringLiteral(VORNAC_HELP_DIR));
    QDialog *dialog = CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                        &help);
    if (parser.isSet(startPageOption))
        CVornMotionAxisConfiguration::SetStartPage(dialog, startPage);
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog, hostPeriod);
    const QStringList typed = parser.values(typeOption);
    for (const QString &edit : typed) {
        const int split = edit.indexOf(QLatin1Char('='));
        if (split <= 0 || !TypeIntoSetting(dialog, edit.left(split), edit.mid(split + 1))) {
            Err() << "No setting widget to type into: " << edit << "\n";
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
            return 1;
        }
    }
    if (!typed.isEmpty())
        CVornMotionAxisConfiguration::SetStartPage(dialog, parser.isSet(startPageOption) ? startPage
                                                                                         : generalPage);
    if (!ApplySettingsFiles(dialog, parser.value(loadSettingsOption),
                            parser.value(saveSettingsOption))) {
        CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        return 1;
    }

    int status = 0;
    if (parser.isSet(screenshotOption))
        status = SaveScreenshots(dialog, parser.value(screenshotOption), parser.value(findOption))
                     ? 0
                     : 1;
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
