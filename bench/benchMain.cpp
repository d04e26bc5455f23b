// Measures what a person and a host feel: opening the dialog, showing each settings area, the
// reload of every page after a units edit, database calls per binding, saving and loading a
// settings file, a large commit and the memory of a dialog with every page, against the floor of
// setting the same widgets directly.
// Exits with 1 when a target is missed. Timings are judged in floors of the same run, so that a
// slower or busier machine moves both sides; --quick judges only what does not depend on timing.

#include "widgetSnapshot.h"

#include "changeList.h"
#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "database/countingDatabase.h"
#include "settingsBase.h"
#include "settingsFile.h"
#include "settingsFileActions.h"
#include "settingsGmode.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <utility>

using nVornMCPCD100::AttributeValue;

namespace {

double Median(QVector<double> samples)
{
    if (samples.isEmpty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

double Milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Counts the paint events a widget receives.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget *widget)
        : widget(widget)
    {
        widget->installEventFilter(this);
    }
    ~PaintWatcher() override { widget->removeEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

private:
    QWidget *widget;
};

void WaitForPaint(PaintWatcher &watcher)
{
    QElapsedTimer limit;
    limit.start();
    while (!watcher.painted && limit.elapsed() < 2000)
        QApplication::processEvents();
}

// NaN when the resident size cannot be read, so that no target passes on it.
double ResidentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return std::nan("");
    bool read = false;
    const double pages = statm.readAll().split(' ').value(1).toDouble(&read);
    return read ? pages * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : std::nan("");
}

QVector<QToolButton *> AreaButtons(QDialog *dialog)
{
    QVector<QToolButton *> buttons;
    for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
            buttons.append(button);
    }
    return buttons;
}

QVector<QWidget *> CreatedPages(QDialog *dialog)
{
    QVector<QWidget *> pages;
    auto *stack = dialog->findChild<QStackedWidget *>(QStringLiteral("settingsPage"));
    for (int page = 0; page < stack->count(); ++page) {
        if (qobject_cast<CVornMotionAxisSettingsBase *>(stack->widget(page)))
            pages.append(stack->widget(page));
    }
    return pages;
}

int BindingCount(const QWidget *page)
{
    int count = 0;
    for (const QAction *action : page->findChildren<QAction *>())
        count += action->text() == QLatin1String("Reset to Default");
    return count;
}

struct ProfileFigures
{
    double open = 0;
    double firstShow = 0;
    QString firstShowArea;
    double switchBack = 0;
    double reload = 0;
    double floor = 0;
    double callsPerBinding = 0;
    QString busiestPage;
    double firstSearch = 0;
    double searchKeystroke = 0;
    int fileEntries = 0;
    double saveFile = 0;
    double loadFile = 0;
    double loadCallsPerEntry = 0;
    double loadCallsPerEntryOpened = 0;
};

class Bench
{
public:
    Bench(const QString &profileDir, int repetitions)
        : profileDir(profileDir)
        , repetitions(repetitions)
    {
    }

    bool Load(const QString &profile, CAxisDatabase &database) const
    {
        QString error;
        if (CAxisProfileFile::Load(profileDir + QLatin1Char('/') + profile, database, &error))
            return true;
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }

    ProfileFigures Measure(CAxisDatabase &database, nVornMCPCD100::AttributeId countsPerUnit)
    {
        ProfileFigures figures;
        MeasureOpening(database, figures);
        MeasureAreas(database, figures);
        MeasureReload(database, countsPerUnit, figures);
        MeasureSearch(database, figures);
        MeasureFiles(database, figures);
        return figures;
    }

    // The median times of a commit of 10,000 entries (NaN when one did not write every entry)
    // and of the same writes made directly, the commit's floor.
    std::pair<double, double> MeasureCommit() const;
    double MeasureMemory(CAxisDatabase &database) const;

private:
    QDialog *OpenShown(nVornMCPCD100::iMotionConfigurationDatabase *database) const
    {
        QDialog *dialog
            = CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(database, nullptr);
        PaintWatcher watcher(dialog);
        dialog->show();
        WaitForPaint(watcher);
        return dialog;
    }

    // The first letter builds the index (and the pages not opened yet); the next ones filter it.
    void MeasureSearch(CAxisDatabase &database, ProfileFigures &figures) const
    {
        QVector<double> first;
        QVector<double> later;
        const QString typed = QStringLiteral("limit");
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            QDialog *dialog = OpenShown(&database);
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("settingSearch"));
            QElapsedTimer timer;
            timer.start();
            field->setText(typed.left(1));
            first.append(Milliseconds(timer));
            for (int length = 2; length <= typed.size(); ++length) {
                timer.restart();
                field->setText(typed.left(length));
                later.append(Milliseconds(timer));
            }
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        }
        figures.firstSearch = Median(first);
        figures.searchKeystroke = Median(later);
    }

    // Saving and loading every setting of every area at every instance, each on a dialog whose
    // pages are not opened yet. The file is loaded onto the axis with every setting at its
    // default, so that it stages all that the axis holds otherwise. The load's database calls are
    // counted twice: with the pages it needs still to be created, and onto a dialog whose pages
    // a person has opened already, which is what staging and reviewing the entries cost.
    void MeasureFiles(CAxisDatabase &database, ProfileFigures &figures) const
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("axis.json"));
        CAxisDatabase defaults = database;
        for (const auto &entry : database.Settings()) {
            AxisSetting setting = entry.second;
            setting.value = setting.defaultValue;
            setting.text = setting.defaultText;
            defaults.SetSetting(entry.first.first, entry.first.second, setting);
        }
        QVector<double> saves;
        QVector<double> loads;
        long long calls = 0;
        long long callsOpened = 0;
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            QDialog *dialog = OpenShown(&database);
            QElapsedTimer timer;
            timer.start();
            dialog->findChild<CVornMotionSettingsFileActions *>()->SaveTo(path);
            saves.append(Milliseconds(timer));
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);

            CountingDatabase counting(&defaults);
            dialog = OpenShown(&counting);
            counting.ResetCounts();
            timer.restart();
            dialog->findChild<CVornMotionSettingsFileActions *>()->LoadFrom(path);
            loads.append(Milliseconds(timer));
            calls = counting.calls;
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);

            dialog = OpenShown(&counting);
            dialog->findChild<CVornMotionAxisSettingsGMode *>()->ShownAreas();
            counting.ResetCounts();
            dialog->findChild<CVornMotionSettingsFileActions *>()->LoadFrom(path);
            callsOpened = counting.calls;
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        }
        CVornMotionSettingsFile::Contents contents;
        QString error;
        CVornMotionSettingsFile::Load(path, &contents, &error);
        figures.fileEntries = contents.entries.size();
        figures.saveFile = Median(saves);
        figures.loadFile = Median(loads);
        const double entries = std::max(1, figures.fileEntries);
        figures.loadCallsPerEntry = double(calls) / entries;
        figures.loadCallsPerEntryOpened = double(callsOpened) / entries;
    }

    void MeasureOpening(CAxisDatabase &database, ProfileFigures &figures) const
    {
        QVector<double> samples;
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            QElapsedTimer timer;
            timer.start();
            QDialog *dialog = OpenShown(&database);
            samples.append(Milliseconds(timer));
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        }
        figures.open = Median(samples);
    }

    static double ShowArea(QDialog *dialog, QToolButton *button)
    {
        auto *stack = dialog->findChild<QStackedWidget *>(QStringLiteral("settingsPage"));
        QElapsedTimer timer;
        timer.start();
        button->click();
        PaintWatcher watcher(stack->currentWidget());
        stack->currentWidget()->update();
        WaitForPaint(watcher);
        return Milliseconds(timer);
    }

    void MeasureAreas(CAxisDatabase &database, ProfileFigures &figures) const
    {
        QMap<QString, QVector<double>> first;
        QMap<QString, QVector<double>> back;
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            QDialog *dialog = OpenShown(&database);
            const QVector<QToolButton *> buttons = AreaButtons(dialog);
            for (QToolButton *button : buttons)
                first[button->objectName()].append(ShowArea(dialog, button));
            for (QToolButton *button : buttons) {
                ShowArea(dialog, buttons.first() == button ? buttons.last() : buttons.first());
                back[button->objectName()].append(ShowArea(dialog, button));
            }
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        }
        for (auto area = first.cbegin(); area != first.cend(); ++area) {
            if (Median(area.value()) > figures.firstShow) {
                figures.firstShow = Median(area.value());
                figures.firstShowArea = area.key();
            }
        }
        for (const QVector<double> &samples : back)
            figures.switchBack = std::max(figures.switchBack, Median(samples));
    }

    void MeasureReload(CAxisDatabase &database, nVornMCPCD100::AttributeId countsPerUnit,
                       ProfileFigures &figures) const
    {
        CountingDatabase counting(&database);
        QDialog *dialog = OpenShown(&counting);
        for (QToolButton *button : AreaButtons(dialog))
            ShowArea(dialog, button);
        CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(dialog);
        const QVector<QWidget *> pages = CreatedPages(dialog);

        AttributeValue stored = {};
        database.GetAttribute(countsPerUnit, 0, &stored);
        // Counted as after an edit of the counts per unit: every scaled value is converted.
        AttributeValue doubled = stored;
        doubled.realValue *= 2.0;
        settings->ChangeList()->StoreValue(countsPerUnit, 0, doubled);
        for (QWidget *page : pages) {
            counting.ResetCounts();
            static_cast<CVornMotionAxisSettingsBase *>(page)->on_updateControls();
            const double perBinding = double(counting.calls) / std::max(1, BindingCount(page));
            if (perBinding > figures.callsPerBinding) {
                figures.callsPerBinding = perBinding;
                figures.busiestPage = page->objectName();
            }
        }

        WidgetSnapshot shown[2];
        QVector<double> reloads;
        for (int repetition = 0; repetition < 2 * repetitions; ++repetition) {
            AttributeValue pending = stored;
            pending.realValue = stored.realValue * double(1 + repetition % 2);
            settings->ChangeList()->StoreValue(countsPerUnit, 0, pending);
            QElapsedTimer timer;
            timer.start();
            emit settings->UpdateRequired();
            reloads.append(Milliseconds(timer));
            shown[repetition % 2] = WidgetSnapshot::Take(pages);
        }
        figures.reload = Median(reloads);

        QVector<double> floors;
        for (int repetition = 0; repetition < 2 * repetitions; ++repetition) {
            QElapsedTimer timer;
            timer.start();
            shown[repetition % 2].Apply();
            floors.append(Milliseconds(timer));
        }
        figures.floor = Median(floors);
        CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    }

    QString profileDir;
    int repetitions;
};

std::pair<double, double> Bench::MeasureCommit() const
{
    const nVornMCPCD100::AttributeId id = 0xE20001;
    const quint32 entries = 10000;
    CAxisDatabase database;
    for (quint32 index = 0; index < entries; ++index) {
        AxisSetting setting;
        setting.kind = SettingKind::Real;
        setting.minimum = AttributeValue{0, -1e9, 0};
        setting.maximum = AttributeValue{0, 1e9, 0};
        database.SetSetting(id, index, setting);
    }
    QVector<double> samples;
    QVector<double> floors;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        QElapsedTimer timer;
        timer.start();
        for (quint32 index = 0; index < entries; ++index) {
            const AttributeValue value{0, double(index), 0};
            database.SetAttribute(id, index, &value);
        }
        floors.append(Milliseconds(timer));

        CVornMotionChangeList changes(&database);
        for (quint32 index = 0; index < entries; ++index)
            changes.StoreValue(id, index, AttributeValue{0, double(repetition + index), 0});
        timer.restart();
        const qint32 status = changes.Commit();
        samples.append(Milliseconds(timer));
        AttributeValue last = {};
        if (status < 0 || changes.Count() != 0 || database.GetAttribute(id, entries - 1, &last) < 0
            || last.realValue != double(repetition + entries - 1))
            return {std::nan(""), Median(floors)};
    }
    return {Median(samples), Median(floors)};
}

double Bench::MeasureMemory(CAxisDatabase &database) const
{
    const double bare = ResidentMegabytes();
    QDialog *dialog = OpenShown(&database);
    for (QToolButton *button : AreaButtons(dialog))
        ShowArea(dialog, button);
    const double withPages = ResidentMegabytes() - bare;
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    return withPages;
}

// The targets judged, and those missed.
class Targets
{
public:
    // NaN (a figure that could not be measured) misses every target.
    void AtMost(const char *measure, double value, double target)
    {
        std::printf("%-40s %10.2f  target <= %g\n", measure, value, target);
        if (!(value <= target))
            missed.append(QString::fromLatin1(measure));
    }
    void Holds(const char *measure, bool held)
    {
        std::printf("%-40s %10s\n", measure, held ? "yes" : "no");
        if (!held)
            missed.append(QString::fromLatin1(measure));
    }
    int Report() const
    {
        if (missed.isEmpty()) {
            std::printf("every target met\n");
            return 0;
        }
        std::printf("targets missed: %s\n", qPrintable(missed.join(QLatin1String("; "))));
        return 1;
    }

private:
    QStringList missed;
};

QString Figure(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals);
}

void Row(const char *measure, const QString &servo, const QString &stepper, const char *target)
{
    std::printf("%-36s %-26s %-26s %s\n", measure, qPrintable(servo), qPrintable(stepper), target);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool quick = application.arguments().contains(QStringLiteral("--quick"));
    const QString profiles
        = qEnvironmentVariable("VORNAC_PROFILE_DIR", QStringLiteral(VORNAC_PROFILE_DIR));
    Bench bench(profiles, quick ? 2 : 15);

    CAxisDatabase servo;
    CAxisDatabase stepper;
    if (!bench.Load(QStringLiteral("servo.json"), servo)
        || !bench.Load(QStringLiteral("stepper.json"), stepper))
        return 1;
    // Memory first, above a bare application that has shown nothing yet.
    const double memory = bench.MeasureMemory(servo);
    const ProfileFigures s = bench.Measure(servo, 0xA30035);
    const ProfileFigures p = bench.Measure(stepper, 0xA30006);
    const std::pair<double, double> commitAndFloor = bench.MeasureCommit();
    const double commit = commitAndFloor.first;

    Row("measure (median, ms unless said)", QStringLiteral("servo"), QStringLiteral("stepper"),
        "target");
    Row("open to first paint", Figure(s.open), Figure(p.open), "<= 500 floors");
    Row("first show of an area (slowest)", Figure(s.firstShow) + " " + s.firstShowArea,
        Figure(p.firstShow) + " " + p.firstShowArea, "<= 200 floors");
    Row("switch back to an area (slowest)", Figure(s.switchBack), Figure(p.switchBack), "");
    Row("reload of every page", Figure(s.reload), Figure(p.reload), "<= 2 floors");
    Row("floor: same widgets set directly", Figure(s.floor), Figure(p.floor), "");
    Row("database calls per binding (worst)", Figure(s.callsPerBinding, 1) + " " + s.busiestPage,
        Figure(p.callsPerBinding, 1) + " " + p.busiestPage, "<= 4");
    Row("first search keystroke (index)", Figure(s.firstSearch), Figure(p.firstSearch), "");
    Row("later search keystroke", Figure(s.searchKeystroke), Figure(p.searchKeystroke), "");
    Row("save of a whole axis (settings file)",
        Figure(s.saveFile) + QStringLiteral(" (%1 entries)").arg(s.fileEntries),
        Figure(p.saveFile) + QStringLiteral(" (%1 entries)").arg(p.fileEntries), "<= 50");
    Row("load of a whole axis (settings file)", Figure(s.loadFile), Figure(p.loadFile), "<= 50");
    Row("database calls per entry in a load", Figure(s.loadCallsPerEntry, 1),
        Figure(p.loadCallsPerEntry, 1), "<= 4");
    Row("  onto pages opened before", Figure(s.loadCallsPerEntryOpened, 1),
        Figure(p.loadCallsPerEntryOpened, 1), "<= 4");
    Row("commit of 10000 entries", Figure(commit), QString(), "<= 10 commit floors");
    Row("commit floor: direct writes", Figure(commitAndFloor.second), QString(), "");
    Row("memory of all pages (MB)", Figure(memory, 1), QString(), "<= 30");

    Targets targets;
    for (const ProfileFigures *figures : {&s, &p}) {
        targets.AtMost("database calls per binding", figures->callsPerBinding, 4);
        targets.AtMost("database calls per entry in a load", figures->loadCallsPerEntry, 4);
        targets.AtMost("database calls per entry in a load onto opened pages",
                       figures->loadCallsPerEntryOpened, 4);
    }
    targets.AtMost("memory of all pages (MB)", memory, 30);
    targets.Holds("commit of 10000 entries writes them all", !std::isnan(commit));
    if (quick) {
        std::printf("timings not judged with --quick\n");
    } else {
        // Where the floor is 0.10 ms: open 50 ms, first show 20 ms.
        for (const ProfileFigures *figures : {&s, &p}) {
            const double floor = std::max(figures->floor, 1e-6);
            targets.AtMost("open to first paint (floors)", figures->open / floor, 500);
            targets.AtMost("first show of an area (floors)", figures->firstShow / floor, 200);
            targets.AtMost("reload of every page (floors)", figures->reload / floor, 2);
            targets.AtMost("save of a whole axis (ms)", figures->saveFile, 50);
            targets.AtMost("load of a whole axis (ms)", figures->loadFile, 50);
        }
        targets.AtMost("commit of 10000 entries (commit floors)",
                       commit / std::max(commitAndFloor.second, 1e-6), 10);
    }
    return targets.Report();
}
