#include "profileFixture.h"
#include "settingsBase.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

// Every settings area the navigation offers opens a page on every shipped profile, and opening
// one stores nothing: a consistent database leaves Apply disabled.
class TestAllPages : public QObject
{
    Q_OBJECT

private slots:
    void everyAreaOpensWithoutEdits_data();
    void everyAreaOpensWithoutEdits();
    void reloadRebuildsNoList();

private:
    CAxisDatabase database;
};

void TestAllPages::everyAreaOpensWithoutEdits_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("areas");
    QTest::newRow("servo") << "servo.json" << 13;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 13;
    QTest::newRow("analog command") << "servoAnalogCommand.json" << 13;
    QTest::newRow("analog feedback") << "servoAnalogFeedback.json" << 13;
    QTest::newRow("drive loop") << "servoDriveLoop.json" << 13;
    QTest::newRow("stepper") << "stepper.json" << 9;
    QTest::newRow("closed-loop stepper") << "stepperClosedLoop.json" << 9;
}

void TestAllPages::everyAreaOpensWithoutEdits()
{
    QFETCH(QString, profile);
    QFETCH(int, areas);
    QVERIFY(LoadProfile(database, profile));
    HostDialog host(database);
    host.dialog->show();
    auto *stack = host.Find<QStackedWidget>("settingsPage");
    QSet<int> opened;
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (!button->objectName().startsWith(QLatin1String("gmode")) || button->isHidden())
            continue;
        button->click();
        const auto *page = qobject_cast<CVornMotionAxisSettingsBase *>(stack->currentWidget());
        QVERIFY2(page, qPrintable(button->objectName()));
        QVERIFY2(page->isVisible(), qPrintable(button->objectName()));
        opened.insert(CVornMotionAxisConfiguration::GetCurrentPage(host.dialog));
        QCOMPARE(host.Changes()->Count(), 0u);
    }
    QCOMPARE(opened.size(), areas);
    QVERIFY(!host.Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(host.Button(QDialogButtonBox::Ok)->isEnabled());
}

// Every page refills its lists on every reload; lists that stay the same are left as they are.
void TestAllPages::reloadRebuildsNoList()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
            button->click();
    }
    QSet<QAbstractItemModel *> models;
    for (QComboBox *combo : host.dialog->findChildren<QComboBox *>())
        models.insert(combo->model());
    for (QAbstractItemView *view : host.dialog->findChildren<QAbstractItemView *>())
        models.insert(view->model());
    QVector<QSharedPointer<QSignalSpy>> removals;
    for (QAbstractItemModel *model : std::as_const(models)) {
        removals.append(
            QSharedPointer<QSignalSpy>::create(model, &QAbstractItemModel::rowsRemoved));
        removals.append(QSharedPointer<QSignalSpy>::create(model, &QAbstractItemModel::modelReset));
    }
    QVERIFY(removals.size() > 20);
    emit host.settings->UpdateRequired();
    for (const auto &spy : std::as_const(removals))
        QCOMPARE(spy->count(), 0);
}

QTEST_MAIN(TestAllPages)
#include "tst_allPages.moc"
