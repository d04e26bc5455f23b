#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QToolButton>

namespace {

const quint32 activeState = 0xA300BB;
const quint32 outputType = 0xA300BC;
const quint32 safeState = 0xA300BD;

// The dialog of an axis, with its drive signals page shown.
struct DriveSignals : HostDialog
{
    explicit DriveSignals(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeDriveSignals")->click();
    }
    // Which safe-state marker shows: the upper one, the lower one, or none.
    QString Marker() const
    {
        if (!Find<QLabel>("label_SafeStateDE")->isHidden())
            return QStringLiteral("upper");
        if (!Find<QLabel>("label_SafeState2DE")->isHidden())
            return QStringLiteral("lower");
        return QStringLiteral("none");
    }
};

} // namespace

class TestDriveSignalsPage : public QObject
{
    Q_OBJECT

private slots:
    void titleNamesTheOutput_data();
    void titleNamesTheOutput();
    void picturesAndMarkersFollowTheOutput();

private:
    CAxisDatabase database;
};

void TestDriveSignalsPage::titleNamesTheOutput_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("title");
    QTest::newRow("named") << "servo.json"
                           << "Drive Enable Output (DO 5)";
    QTest::newRow("no name") << "servoDriveLoop.json"
                             << "Drive Enable Output";
}

void TestDriveSignalsPage::titleNamesTheOutput()
{
    QFETCH(QString, profile);
    QFETCH(QString, title);
    QVERIFY(LoadProfile(database, profile));
    DriveSignals page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300B9);
    QCOMPARE(page.Find<QGroupBox>("mtnGpboxDriveEnable")->title(), title);
    QCOMPARE(page.Changes()->Count(), 0u);
}

// The marker names the level the output rests at when the controller stops driving it.
void TestDriveSignalsPage::picturesAndMarkersFollowTheOutput()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    DriveSignals page(database);
    QVERIFY(page.ShowsPicture("mtnDriveEnablePicture", QStringLiteral("SEOutputActiveHigh.png")));
    QCOMPARE(page.Marker(), QStringLiteral("lower"));
    page.Choose("mtnDriveEnableSafeState", QStringLiteral("Active"));
    QCOMPARE(page.Marker(), QStringLiteral("upper"));
    page.Choose("mtnDriveEnableActiveState", QStringLiteral("Active Low"));
    QVERIFY(page.ShowsPicture("mtnDriveEnablePicture", QStringLiteral("SEOutputActiveLow.png")));
    QCOMPARE(page.Marker(), QStringLiteral("lower"));
    QVERIFY(page.Find<QLabel>("label_activeDE")->y() > page.Find<QLabel>("label_inactiveDE")->y());

    page.Choose("mtnDriveEnableOutputType", QStringLiteral("Sourcing Output"));
    QCOMPARE(page.Pending(outputType).integerValue, 0xA3007C);
    QCOMPARE(page.Pending(activeState).integerValue, 0xA10073);
    QCOMPARE(page.Pending(safeState).integerValue, 0xA1007C);
    QCOMPARE(ComboTexts(page.Find<QComboBox>("mtnDriveEnableSafeState")),
             (QStringList{"Active", "Inactive", "High Impedance"}));
    QVERIFY(page.ShowsPicture("mtnDriveEnablePicture", QStringLiteral("DOsourcingActiveOff.png")));
    QCOMPARE(page.Marker(), QStringLiteral("lower"));
    page.Choose("mtnDriveEnableSafeState", QStringLiteral("High Impedance"));
    QCOMPARE(page.Marker(), QStringLiteral("none"));

    page.Find<QCheckBox>("mtnDriveEnableEnabled")->click();
    QCOMPARE(page.Pending(0xA300D4).booleanValue, quint8(0));
    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(database.Setting(safeState, 0)->value.integerValue, 0xA300C9);
    QCOMPARE(database.Setting(activeState, 0)->value.integerValue, 0xA10073);
}

QTEST_MAIN(TestDriveSignalsPage)
#include "tst_driveSignalsPage.moc"
