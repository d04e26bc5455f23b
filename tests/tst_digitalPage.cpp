#include "axisFixtures.h"
#include "profileFixture.h"

#include <QGroupBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const quint32 inputMapping = 0xA30092;
const quint32 outputMapping = 0xA30093;
const quint32 outputState = 0xA30067;
const quint32 outputSafeState = 0xA30068;
const int inputs = 8;
const QString duplicateMessage = QStringLiteral("Duplicate mapping detected!");

// The dialog of an axis, with its Digital I/O page shown.
struct Digital : HostDialog
{
    explicit Digital(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeDigitalIO")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("dioMappingTable"); }
    int StackPage() const { return Find<QStackedWidget>("digitalIOStack")->currentIndex(); }
    QString Mapping(int row) const { return Table()->item(row, 1)->text(); }
    bool Red(int row) const { return Table()->item(row, 1)->background().color() == Qt::red; }
    // Opens the mapping editor of a row as a double click does.
    QComboBox *OpenEditor(int row) const
    {
        Table()->setCurrentCell(row, 1);
        Table()->editItem(Table()->item(row, 1));
        return qobject_cast<QComboBox *>(Table()->indexWidget(Table()->model()->index(row, 1)));
    }
    void MapRow(int row, const QString &function) const
    {
        QComboBox *editor = OpenEditor(row);
        const int item = editor->findText(function);
        QTest::qVerify(item >= 0, "MapRow", qPrintable(function + " is not a mapping"), __FILE__,
                       __LINE__);
        editor->setCurrentIndex(item);
        Leave(editor, Qt::Key_Return);
    }
    // The view commits a Return only once the key has reached the editor.
    static void Leave(QComboBox *editor, Qt::Key key)
    {
        QTest::keyClick(editor, key);
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestDigitalPage : public QObject
{
    Q_OBJECT

private slots:
    void linesAndLayouts_data();
    void linesAndLayouts();
    void mappingLandsOnTheLineShown_data();
    void mappingLandsOnTheLineShown();
    void duplicateBlocksOkUntilCleared();
    void editorCommitsOnlyAChange();
    void outputTypeRemapsStatesAndPictures();

private:
    CAxisDatabase database;
};

void TestDigitalPage::linesAndLayouts_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("layout");
    QTest::newRow("servo") << "servo.json" << 0;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 0;
    QTest::newRow("drive") << "servoDriveLoop.json" << 1;
}

// Lines mapped to functions of other pages show the note that names the page.
void TestDigitalPage::linesAndLayouts()
{
    QFETCH(QString, profile);
    QFETCH(int, layout);
    QVERIFY(LoadProfile(database, profile));
    Digital page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300DB);
    QCOMPARE(page.Table()->rowCount(), 12);
    QCOMPARE(page.Table()->item(0, 0)->text(), QStringLiteral("DI1 (J5-1)"));
    QCOMPARE(page.Table()->item(7, 0)->text(), QStringLiteral("DI8"));
    QCOMPARE(page.Table()->item(8, 0)->text(), QStringLiteral("DO1 (J6-1)"));
    QCOMPARE(page.Mapping(0), QStringLiteral("Forward Limit"));
    QCOMPARE(page.Mapping(8), QStringLiteral("Brake"));
    // The table is named for what its rows set, not after one of the settings it shows.
    QCOMPARE(AccessibleText(page.Table(), QAccessible::Name),
             QStringLiteral("Digital I/O Lines: Input Mapping, Output Mapping"));
    QVERIFY(AccessibleText(page.Table(), QAccessible::Description).startsWith("Choose a line"));
    QCOMPARE(page.Find<QStackedWidget>("DIStack")->currentIndex(), layout);
    QCOMPARE(page.Find<QStackedWidget>("DOStack")->currentIndex(), layout);

    const QVector<QPair<int, int>> rowPages{{0, 2}, {1, 3}, {2, 4}, {3, 5},
                                            {4, 0}, {8, 6}, {9, 1}, {5, 0}};
    for (const auto &rowPage : rowPages) {
        page.Table()->setCurrentCell(rowPage.first, 0);
        QCOMPARE(page.StackPage(), rowPage.second);
    }
    QCOMPARE(page.Find<QGroupBox>("DIGroupBox")->title(), QStringLiteral("DI6 Settings"));
    page.Table()->setCurrentCell(-1, -1);
    QCOMPARE(page.StackPage(), 0);
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestDigitalPage::mappingLandsOnTheLineShown_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<quint32>("first");
    QTest::newRow("first line 0") << "servo.json" << 0u;
    QTest::newRow("first line 8") << "servoSecondAxis.json" << 8u;
}

void TestDigitalPage::mappingLandsOnTheLineShown()
{
    QFETCH(QString, profile);
    QFETCH(quint32, first);
    QVERIFY(LoadProfile(database, profile));
    Digital page(database);
    page.MapRow(5, QStringLiteral("Motion Inhibit"));
    page.MapRow(inputs + 2, QStringLiteral("Brake"));
    page.Find<QComboBox>("dioDOActiveState")->setCurrentIndex(1);
    QCOMPARE(page.Changes()->Count(), 3u);
    QCOMPARE(page.Pending(inputMapping, first + 5).integerValue, 0xA30098);
    QCOMPARE(page.Pending(outputMapping, first + 2).integerValue, 0xA3009A);
    QCOMPARE(page.Pending(outputState, first + 2).integerValue, 0xA30078);
    QCOMPARE(page.StackPage(), 6);

    // Back to a function of this page: the line's settings come back.
    page.MapRow(inputs + 2, QStringLiteral("Not Mapped"));
    QCOMPARE(page.StackPage(), 1);
    QCOMPARE(page.Find<QGroupBox>("DOGroupBox")->title(), QStringLiteral("DO3 Settings"));
}

void TestDigitalPage::duplicateBlocksOkUntilCleared()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoSecondAxis.json")));
    Digital page(database);
    // Unmapped lines never conflict.
    page.MapRow(1, QStringLiteral("Not Mapped"));
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());

    page.MapRow(6, QStringLiteral("Forward Limit"));
    QVERIFY(page.Banner()->isVisible());
    QCOMPARE(page.Banner()->text(), duplicateMessage);
    QVERIFY(!page.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(page.Red(0) && page.Red(6));
    QVERIFY(!page.Red(1));
    QCOMPARE(page.Pending(inputMapping, 14).integerValue, 0xC20056);

    // Clearing the other line of the pair ends the conflict.
    page.MapRow(0, QStringLiteral("Enable Input"));
    QVERIFY(!page.Banner()->isVisible());
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!page.Red(0) && !page.Red(6));
    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(database.Setting(inputMapping, 8)->value.integerValue, 0xA30095);
    QCOMPARE(database.Setting(inputMapping, 14)->value.integerValue, 0xC20056);
}

void TestDigitalPage::editorCommitsOnlyAChange()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoSecondAxis.json")));
    AxisSetting foreign = *database.Setting(inputMapping, 12);
    foreign.value.integerValue = 0xC20058;
    database.SetSetting(inputMapping, 12, foreign);
    Digital page(database);

    QComboBox *editor = page.OpenEditor(2);
    QCOMPARE(editor->currentText(), QStringLiteral("Home Switch"));
    QCOMPARE(editor->count(), 9);
    page.Leave(editor, Qt::Key_Return);
    editor = page.OpenEditor(3);
    editor->setCurrentIndex(0);
    page.Leave(editor, Qt::Key_Escape);
    // A mapping that is none of the line's choices opens with nothing chosen.
    editor = page.OpenEditor(4);
    QCOMPARE(editor->currentIndex(), -1);
    page.Leave(editor, Qt::Key_Return);
    QCOMPARE(page.Changes()->Count(), 0u);

    QSignalSpy edits(page.Table(), &QTableWidget::cellChanged);
    page.MapRow(3, QStringLiteral("Gain Set Select"));
    QCOMPARE(edits.count(), 1);
    QCOMPARE(page.Mapping(3), QStringLiteral("Gain Set Select"));
    QCOMPARE(page.Table()->item(3, 1)->data(Qt::UserRole).toInt(), 0xA30097);
    QCOMPARE(page.Changes()->Count(), 1u);
}

// The captions and the safe-state marker sit beside the levels the picture draws.
void TestDigitalPage::outputTypeRemapsStatesAndPictures()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Digital page(database);
    page.Table()->setCurrentCell(inputs + 1, 0);
    QVERIFY(page.ShowsPicture("dioDOPicture", QStringLiteral("SEOutputActiveHigh.png")));
    QLabel *active = page.Find<QLabel>("label_activeDO");
    QLabel *inactive = page.Find<QLabel>("label_inactiveDO");
    QLabel *safeAtTop = page.Find<QLabel>("label_SafeStateA");
    QLabel *safeAtBottom = page.Find<QLabel>("label_SafeStateIA");
    QVERIFY(active->y() < inactive->y());
    QVERIFY(!safeAtTop->isHidden() && safeAtBottom->isHidden());

    page.Choose("dioDOType", QStringLiteral("Sinking Output"));
    QCOMPARE(page.Pending(0xA30069, 1).integerValue, 0xA3007B);
    QCOMPARE(page.Pending(outputState, 1).integerValue, 0xA10072);
    QCOMPARE(page.Pending(outputSafeState, 1).integerValue, 0xA1007C);
    QCOMPARE(ComboTexts(page.Find<QComboBox>("dioDOSafeState")),
             (QStringList{"Active", "Inactive", "High Impedance"}));
    QVERIFY(page.ShowsPicture("dioDOPicture", QStringLiteral("DOsinkingActiveOn.png")));

    // Active off: the active level is drawn below, and so are its caption and the safe state
    // that rests at it.
    page.Choose("dioDOActiveState", QStringLiteral("Active Off"));
    QVERIFY(page.ShowsPicture("dioDOPicture", QStringLiteral("DOsinkingActiveOff.png")));
    QVERIFY(active->y() > inactive->y());
    QVERIFY(safeAtTop->isHidden() && !safeAtBottom->isHidden());
    page.Choose("dioDOSafeState", QStringLiteral("Inactive"));
    QVERIFY(!safeAtTop->isHidden() && safeAtBottom->isHidden());
    page.Choose("dioDOSafeState", QStringLiteral("High Impedance"));
    QVERIFY(safeAtTop->isHidden() && safeAtBottom->isHidden());
}

QTEST_MAIN(TestDigitalPage)
#include "tst_digitalPage.moc"
