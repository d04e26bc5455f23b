#include "axisFixtures.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QDialog>
#include <QPointer>
#include <QtTest>

// The exported functions, driven as a host drives them.
class TestAxisConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void nullDatabaseCreatesNothing();
    void foreignAndNullDialogsAreIgnored();
    void deletedDialogsAreIgnored();
    void deleteRemovesTheDialog();

private:
    CAxisDatabase database;
};

void TestAxisConfiguration::nullDatabaseCreatesNothing()
{
    const int before = QApplication::topLevelWidgets().size();
    QCOMPARE(CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(nullptr, nullptr),
             static_cast<QDialog *>(nullptr));
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
}

void TestAxisConfiguration::foreignAndNullDialogsAreIgnored()
{
    QDialog foreign;
    for (QDialog *dialog : {&foreign, static_cast<QDialog *>(nullptr)}) {
        QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog), 0);
        QCOMPARE(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog), 0);
        CVornMotionAxisConfiguration::SetStartPage(dialog, 0xA300AA);
        CVornMotionAxisConfiguration::SetHostLoopRate(dialog, 0.001);
        CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    }
    QVERIFY(!foreign.isVisible());
    QCOMPARE(foreign.result(), 0);
}

void TestAxisConfiguration::deletedDialogsAreIgnored()
{
    SetUpAxis(database, 0xA3006C, 0.0001);
    QDialog *dialog =
        CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database, nullptr);
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog), 0);
    QCOMPARE(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog), 0);
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog, 0.001);
    CVornMotionAxisConfiguration::SetStartPage(dialog, 0xA300D5);
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
}

void TestAxisConfiguration::deleteRemovesTheDialog()
{
    SetUpAxis(database, 0xA3006B, 0.0001);
    QDialog *dialog =
        CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database, nullptr);
    QVERIFY(dialog);
    QPointer<QDialog> watch(dialog);
    QVERIFY(dialog->isVisible());
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    QVERIFY(watch.isNull());
}

QTEST_MAIN(TestAxisConfiguration)
#include "tst_axisConfiguration.moc"
