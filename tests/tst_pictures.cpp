#include "profileFixture.h"

#include <QApplication>
#include <QToolButton>

// On a screen of device pixel ratio 2 every picture label shows the picture drawn at twice the
// resolution, at the size of the 1x picture in layout units.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void sharpPictureAtRatioTwo_data();
    void sharpPictureAtRatioTwo();
};

void TestPictures::sharpPictureAtRatioTwo_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("sharpPicture");

    // The overview and a page picture are set directly; the compare action picture goes through
    // the pages' shared SetPicture.
    QTest::newRow("navigation") << ""
                                << "gmodePicture"
                                << "ServoWithAI.PNG"
                                << "ServoWithAI@2x.PNG";
    QTest::newRow("position loop") << "gmodePositionLoop"
                                   << "positionLoopPicture"
                                   << "ControlGains_small.PNG"
                                   << "ControlGains_small@2x.PNG";
    QTest::newRow("compare") << "gmodeComp"
                             << "ccpCompareActionPicture"
                             << "compareSetActiveHigh.png"
                             << "compareSetActiveHigh@2x.png";
}

void TestPictures::sharpPictureAtRatioTwo()
{
    QFETCH(QString, button);
    QFETCH(QString, label);
    QFETCH(QString, picture);
    QFETCH(QString, sharpPicture);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);

    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog dialog(database);
    if (!button.isEmpty())
        dialog.Find<QToolButton>(button.toLatin1().constData())->click();
    dialog.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.dialog));

    const QPixmap plain(QStringLiteral(":/images/") + picture);
    const QPixmap sharp(QStringLiteral(":/images/") + sharpPicture);
    QVERIFY(!plain.isNull());
    QCOMPARE(sharp.size(), plain.size() * 2);

    const QPixmap shown
        = dialog.Find<QLabel>(label.toLatin1().constData())->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.size() / shown.devicePixelRatio(), plain.size());
    QVERIFY(shown.toImage() == sharp.toImage());
}

int main(int argc, char *argv[])
{
    // The ratio is fixed when the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
