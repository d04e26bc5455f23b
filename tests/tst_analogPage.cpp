#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QToolButton>

namespace {

const quint32 range = 0xA3003C;
const quint32 scale = 0xA30041;
const quint32 offset = 0xA30042;

// The dialog of an axis, with its analog page shown.
struct Analog : HostDialog
{
    explicit Analog(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeAnalogIO")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("analogTable"); }
};

} // namespace

class TestAnalogPage : public QObject
{
    Q_OBJECT

private slots:
    void inputsListedAndClamped_data();
    void inputsListedAndClamped();
    void editsLandOnTheInputShown();

private:
    CAxisDatabase database;
};

void TestAnalogPage::inputsListedAndClamped_data()
{
    QTest::addColumn<int>("inputs");
    QTest::addColumn<int>("rows");
    QTest::newRow("three") << 3 << 3;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("too many") << 1000000000 << 256;
}

void TestAnalogPage::inputsListedAndClamped()
{
    QFETCH(int, inputs);
    QFETCH(int, rows);
    QVERIFY(LoadProfile(database, QStringLiteral("servoDriveLoop.json")));
    database.SetSetting(0xA300C8, 0, IntegerSetting(inputs, true));
    Analog page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300DC);
    QCOMPARE(page.Table()->rowCount(), rows);
    if (rows > 0)
        QCOMPARE(page.Table()->item(rows - 1, 0)->text(),
                 QStringLiteral("Analog Input %1").arg(rows));
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestAnalogPage::editsLandOnTheInputShown()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoDriveLoop.json")));
    Analog page(database);
    QCOMPARE(page.Find<QLabel>("label_AIScale")->text(), QStringLiteral("LSBs Per V"));
    QCOMPARE(ComboTexts(page.Find<QComboBox>("AIRange")),
             (QStringList{QStringLiteral("\u00B110 V"), QStringLiteral("\u00B15 V"),
                          QStringLiteral("\u00B12.5 V"), QStringLiteral("\u00B11.25 V")}));

    page.Table()->setCurrentCell(2, 0);
    QCOMPARE(page.Find<QComboBox>("AIUnits")->currentText(), QStringLiteral("bar"));
    QCOMPARE(page.Find<QLabel>("label_AIScale")->text(), QStringLiteral("LSBs Per bar"));
    page.TypeInto("AIScale", QStringLiteral("1000"));
    page.TypeInto("AIOffset", QStringLiteral("-12"));
    auto *ranges = page.Find<QComboBox>("AIRange");
    ranges->setCurrentIndex(2);
    page.Find<QCheckBox>("AIInverted")->click();
    // A row the table does not have keeps the input shown.
    page.Table()->setCurrentCell(-1, -1);
    page.Find<QComboBox>("AIUnits")->setEditText(QStringLiteral("psi"));
    page.Find<QComboBox>("AIUnits")->setEditText(QString(513, QLatin1Char('x')));
    QCOMPARE(page.Find<QComboBox>("AIUnits")->currentText(), QStringLiteral("psi"));

    QCOMPARE(page.Changes()->Count(), 5u);
    QCOMPARE(double(page.Pending(scale, 2).realValue), 1000.0);
    QCOMPARE(double(page.Pending(offset, 2).realValue), -12.0);
    // The range is a real setting: the choice lands in the real field, nothing in the other.
    QCOMPARE(double(page.Pending(range, 2).realValue), 2.5);
    QCOMPARE(page.Pending(range, 2).integerValue, 0);
    QCOMPARE(page.Pending(0xA3003D, 2).booleanValue, quint8(1));
    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(range, 2)->value.realValue), 2.5);
    QCOMPARE(double(database.Setting(scale, 0)->value.realValue), 3276.8);
}

QTEST_MAIN(TestAnalogPage)
#include "tst_analogPage.moc"
