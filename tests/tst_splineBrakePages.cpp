#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QToolButton>

// The two pages of a single setting each: the spline type and whether a brake is fitted.
class TestSplineBrakePages : public QObject
{
    Q_OBJECT

private slots:
    void splinePictureAndDriveNote_data();
    void splinePictureAndDriveNote();
    void brakeFittedIsOneEntry();

private:
    CAxisDatabase database;
};

void TestSplineBrakePages::splinePictureAndDriveNote_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("note");
    QTest::newRow("servo") << "servo.json"
                           << "CatmullRom.png" << false;
    QTest::newRow("drive") << "servoDriveLoop.json"
                           << "CubicB.png" << true;
}

void TestSplineBrakePages::splinePictureAndDriveNote()
{
    QFETCH(QString, profile);
    QFETCH(QString, picture);
    QFETCH(bool, note);
    QVERIFY(LoadProfile(database, profile));
    HostDialog host(database);
    host.Find<QToolButton>("gmodeSpline")->click();
    QVERIFY(host.ShowsPicture("splinePicture", picture));
    QCOMPARE(host.Find<QLabel>("label_DriveNote")->isHidden(), !note);
    QCOMPARE(host.Changes()->Count(), 0u);

    auto *type = host.Find<QComboBox>("trjSplineType");
    type->setCurrentIndex(
        type->findData(picture == QLatin1String("CubicB.png") ? 0xA300E9 : 0xA300E8));
    QVERIFY(!host.ShowsPicture("splinePicture", picture));
    QCOMPARE(host.Changes()->Count(), 1u);
}

void TestSplineBrakePages::brakeFittedIsOneEntry()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    host.Find<QToolButton>("gmodeBrake")->click();
    auto *fitted = host.Find<QCheckBox>("brakeEnable");
    QVERIFY(fitted->isChecked());
    QCOMPARE(fitted->text(), QStringLiteral("A Brake is Fitted"));
    fitted->click();
    QCOMPARE(host.Pending(0xC20033).booleanValue, quint8(0));
    fitted->click();
    QCOMPARE(host.Changes()->Count(), 1u);
    QCOMPARE(host.Pending(0xC20033).booleanValue, quint8(1));
}

QTEST_MAIN(TestSplineBrakePages)
#include "tst_splineBrakePages.moc"
