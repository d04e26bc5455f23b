#include "hostileDriver.h"
#include "profileFixture.h"
#include "settingsBase.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <random>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

namespace {

int Operations()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("VORNAC_HOSTILE_OPERATIONS", &ok);
    return ok && count > 0 ? count : 2500;
}

} // namespace

class TestHostileHost : public QObject
{
    Q_OBJECT

private slots:
    void anythingInAnyOrder_data();
    void anythingInAnyOrder();
    void createAndDeleteKeepsMemory();
};

void TestHostileHost::anythingInAnyOrder_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 5; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Nothing crashes, nothing that is not a number is written, and the dialog stays usable.
void TestHostileHost::anythingInAnyOrder()
{
    QFETCH(unsigned, seed);
    HostileDatabase database(seed);
    QVERIFY(LoadProfile(database, QLatin1String(hostileProfiles[seed % 5])));
    Driver driver(database, seed);
    const int operations = Operations() / 5;
    for (int operation = 0; operation < operations; ++operation) {
        driver.Step();
        driver.CheckFixedPoint();
    }

    QVERIFY(driver.refusedCommits > 0);
    QVERIFY(driver.successfulCommits > 0);
    QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join(QLatin1String("; "))));
    for (const double written : database.writtenReals)
        QVERIFY2(std::isfinite(written), qPrintable(QString::number(written)));
    QDialog *dialog = driver.Dialog();
    dialog->findChild<QToolButton *>(QStringLiteral("gmodeSetup"))->click();
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog), 0xA300D5);
    QVERIFY(dialog->isVisible());
}

// Dialogs with every page shown, created and deleted: 200 here, more in the soak
// (VORNAC_SOAK_DIALOGS).
void TestHostileHost::createAndDeleteKeepsMemory()
{
    bool set = false;
    const int asked = qEnvironmentVariableIntValue("VORNAC_SOAK_DIALOGS", &set);
    const int dialogs = set && asked > 0 ? asked : 200;
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    const auto cycle = [&database] {
        HostDialog host(database);
        host.dialog->show();
        for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
            if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
                button->click();
        }
        QCoreApplication::processEvents();
    };
    // A host runs an event loop, which deletes what was scheduled for deletion; a test has none.
    const auto cycleInLoop = [&cycle] {
        cycle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Memory the allocator keeps for reuse is handed back first: only what is held counts. NaN
    // when the resident size cannot be read.
    const auto resident = [] {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        QFile statm(QStringLiteral("/proc/self/statm"));
        bool read = false;
        const double pages = statm.open(QIODevice::ReadOnly)
                                 ? statm.readAll().split(' ').value(1).toDouble(&read)
                                 : 0.0;
        return read ? pages * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : std::nan("");
    };
    for (int warmUp = 0; warmUp < 50; ++warmUp)
        cycleInLoop();
    const double before = resident();
    for (int repeat = 0; repeat < dialogs; ++repeat)
        cycleInLoop();
    const double growth = resident() - before;
    QVERIFY2(!std::isnan(growth), "the resident size cannot be read");
    qInfo("resident memory grew by %.2f MB over %d dialogs", growth, dialogs);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory aside: there, LeakSanitizer judges instead.
    QVERIFY(growth < 1.0);
#endif
}

QTEST_MAIN(TestHostileHost)
#include "tst_hostileHost.moc"
