#include "dialogTour.h"
#include "hostileDriver.h"
#include "profileFixture.h"
#include "settingsFileActions.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace {

// Random steps per seed: each is followed by a tour of two whole dialogs.
const int randomSteps = 8;

// Presses Apply when it is enabled; whether nothing is pending then. A problem that blocks
// Apply, or a refused write, keeps the edits.
bool ApplyAll(QDialog *dialog)
{
    QPushButton *apply = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                             ->button(QDialogButtonBox::Apply);
    if (apply->isEnabled())
        apply->click();
    return CVornMotionAxisSettings::FromHostPointer(dialog)->ChangeList()->Count() == 0;
}

// One step of a person's: a chosen one, or a random one when `act` is empty.
struct Step
{
    std::function<void(Driver &)> act;
};

// Does `act` to a widget of `area` when the axis shows it there.
template <typename Widget>
Step On(const char *area, const char *name, const std::function<void(Widget *)> &act)
{
    return {[=](Driver &driver) {
        QDialog *dialog = driver.Dialog();
        if (auto *button = dialog->findChild<QToolButton *>(QLatin1String(area)))
            button->click();
        auto *widget = dialog->findChild<Widget *>(QLatin1String(name));
        if (widget && widget->isVisibleTo(dialog) && widget->isEnabled())
            act(widget);
    }};
}

void ChooseNext(QComboBox *combo)
{
    combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
}

// Chooses the next item, then takes every pending edit back in the list of changes.
void ChooseNextAndRevert(QComboBox *combo)
{
    ChooseNext(combo);
    QWidget *dialog = combo->window();
    dialog->findChild<QPushButton *>(QStringLiteral("changesButton"))->click();
    dialog->findChild<QPushButton *>(QStringLiteral("revertAllChangesButton"))->click();
}

// Loads what fits of a settings file saved on `profile`: onto a dialog that has opened few of its
// pages, the load makes only those that take its edits.
Step LoadFileOf(const char *profile)
{
    return {[=](Driver &driver) {
        CAxisDatabase source;
        QVERIFY(LoadProfile(source, QString::fromLatin1(profile)));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.json"));
        const HostDialog saver(source);
        QVERIFY(saver.dialog->findChild<CVornMotionSettingsFileActions *>()->SaveTo(path));
        QVERIFY(driver.Dialog()->findChild<CVornMotionSettingsFileActions *>()->LoadFrom(path));
    }};
}

// Edits that once left a page unlike a fresh one after a revert, a reset or a host's call, and
// loads of files from other axes.
QVector<Step> Remembered()
{
    const auto setPeriod = [](double period) {
        return Step{[period](Driver &driver) { driver.SetHostPeriod(period); }};
    };
    return {
        LoadFileOf("servoDriveLoop.json"),
        LoadFileOf("stepperClosedLoop.json"),
        On<QComboBox>("gmodeSetup", "genAxisType", ChooseNextAndRevert),
        On<QComboBox>("gmodeDigitalIO", "dioDOType", ChooseNextAndRevert),
        On<QComboBox>("gmodeMultiPurpose", "stpOutputType", ChooseNextAndRevert),
        On<QComboBox>("gmodeComp", "ccpCompareOutputType", ChooseNextAndRevert),
        On<CCoercingSpinBox>("gmodeEnc", "encCountsPerUnit",
                             [](CCoercingSpinBox *box) {
                                 box->setValue(box->value() * 2);
                                 box->FinishEdit();
                                 box->actions().value(0)->trigger();
                             }),
        On<QComboBox>("gmodeSetup", "genAxisLoopMode", ChooseNext),
        On<QComboBox>("gmodeMultiPurpose", "velocityLoopFilterType", ChooseNext),
        setPeriod(0.001),
        On<QComboBox>("gmodeSetup", "genAxisType", ChooseNext),
        setPeriod(0.0005),
        On<QComboBox>("gmodeSetup", "genAxisType", ChooseNext),
    };
}

} // namespace

class TestFreshDialog : public QObject
{
    Q_OBJECT

private slots:
    void appliedDialogLooksFresh_data();
    void appliedDialogLooksFresh();
};

void TestFreshDialog::appliedDialogLooksFresh_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 5; ++seed) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << QString::fromLatin1(hostileProfiles[seed % 5]) << seed;
    }
    const QStringList shipped
        = QDir(QString::fromLocal8Bit(qgetenv("VORNAC_PROFILE_DIR"))).entryList({"*.json"});
    for (const QString &profile : shipped)
        QTest::newRow(qPrintable(profile + QStringLiteral(", steps"))) << profile << 0u;
}

// After any operation and Apply, the dialog looks exactly like one opened afresh on the same
// database with the same host period, area by area and section by section: nothing it shows
// depends on how it got there. Seed 0 takes the steps that once left a dialog unlike a fresh one;
// the others take a person's random operations.
void TestFreshDialog::appliedDialogLooksFresh()
{
    QFETCH(QString, profile);
    QFETCH(unsigned, seed);
    HostileDatabase database(seed);
    database.steady = true;
    QVERIFY(LoadProfile(database, profile));
    Driver driver(database, seed);
    driver.outOfReach = false;
    const QVector<Step> steps = seed == 0 ? Remembered() : QVector<Step>(randomSteps);
    for (int operation = 0; operation < steps.size(); ++operation) {
        if (steps[operation].act)
            steps[operation].act(driver);
        else
            driver.Step();
        QDialog *dialog = driver.Dialog();
        if (!ApplyAll(dialog))
            continue;
        HostDialog fresh(database);
        fresh.dialog->show();
        if (driver.hostPeriod)
            CVornMotionAxisConfiguration::SetHostLoopRate(fresh.dialog, *driver.hostPeriod);
        // The host's period stores a stepper's loop period again, as the axis holds it: applied,
        // it changes nothing.
        const auto before = database.Settings();
        QVERIFY(ApplyAll(fresh.dialog));
        QVERIFY(database.Settings() == before);
        const QStringList differences = DifferencesOnTour(dialog, fresh.dialog);
        QVERIFY2(differences.isEmpty(),
                 qPrintable(QStringLiteral("after step %1: ").arg(operation)
                            + differences.mid(0, 12).join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(TestFreshDialog)
#include "tst_freshDialog.moc"
