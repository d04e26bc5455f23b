#include "axisFixtures.h"
#include "profileFixture.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const quint32 encoderUnits = 0xA30034;
const quint32 countsPerUnit = 0xA30035;
const quint32 filterFrequency = 0xA30036;
const quint32 activeStateA = 0xA30037;
const quint32 criterionB = 0xA3003B;
const quint32 encoderCount = 0xA300C6;
const quint32 forwardLimit = 0xA30019;

// The dialog of an axis, with its encoder page shown.
struct Encoder : HostDialog
{
    explicit Encoder(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeEnc")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("encoderTable"); }
    int StackPage() const { return Find<QStackedWidget>("encoderStack")->currentIndex(); }
    QComboBox *Units() const { return Find<QComboBox>("encUnits"); }
    void Click(const char *radio) const { Find<QRadioButton>(radio)->click(); }
    QImage Picture() const
    {
        return Find<QLabel>("encIndexCriteriaPicture")->pixmap(Qt::ReturnByValue).toImage();
    }
    QString PendingText(quint32 id, quint32 index) const
    {
        char16_t buffer[600] = {};
        Changes()->ReadString(id, index, 600, buffer);
        return QString::fromUtf16(buffer);
    }
};

} // namespace

class TestEncoderPage : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheEncoders_data();
    void rowsFollowTheEncoders();
    void editsLandOnTheEncoderShown_data();
    void editsLandOnTheEncoderShown();
    void phasingPictureNamesTheRecognisedLevels_data();
    void phasingPictureNamesTheRecognisedLevels();
    void unitsAreStoredAsTypedWithTheCursorKept();
    void unitsTooLongAreRefused();
    void countsPerUnitRescalesTheOtherPages_data();
    void countsPerUnitRescalesTheOtherPages();
    void velocityFilterInMillisecondsForTheAxis();

private:
    CAxisDatabase database;
};

void TestEncoderPage::rowsFollowTheEncoders_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("encoders");
    QTest::addColumn<QStringList>("rows");

    const QStringList one{"Encoder 1", "Encoder Filter"};
    const QStringList two{"Encoder 1", "Encoder 2", "Encoder Filter"};
    QTest::newRow("stepper, one") << "stepper.json" << 1 << one;
    QTest::newRow("servo, two") << "servo.json" << 2 << two;
    QTest::newRow("second axis, two") << "servoSecondAxis.json" << 2 << two;
    QTest::newRow("drive loop, two") << "servoDriveLoop.json" << 2 << two;
    QTest::newRow("servo, three") << "servo.json" << 3 << two;
    QTest::newRow("servo, none") << "servo.json" << 0 << one;
}

// The last row always opens the velocity section, however many encoders there are.
void TestEncoderPage::rowsFollowTheEncoders()
{
    QFETCH(QString, profile);
    QFETCH(int, encoders);
    QFETCH(QStringList, rows);
    QVERIFY(LoadProfile(database, profile));
    database.SetSetting(encoderCount, 0, IntegerSetting(encoders, true));
    Encoder page(database);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300DD);
    QCOMPARE(TableRows(page.Table()), rows);
    QCOMPARE(page.Table()->currentRow(), 0);
    QCOMPARE(page.StackPage(), 0);
    page.Table()->setCurrentCell(rows.size() - 1, 0);
    QCOMPARE(page.StackPage(), 1);
    page.Table()->setCurrentCell(0, 0);
    QCOMPARE(page.StackPage(), 0);
    // A row the table does not have changes nothing.
    page.Table()->setCurrentCell(-1, -1);
    QCOMPARE(page.StackPage(), 0);
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestEncoderPage::editsLandOnTheEncoderShown_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<quint32>("first");

    QTest::newRow("first axis") << "servo.json" << 0u;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 2u;
}

void TestEncoderPage::editsLandOnTheEncoderShown()
{
    QFETCH(QString, profile);
    QFETCH(quint32, first);
    QVERIFY(LoadProfile(database, profile));
    Encoder page(database);
    auto *counts = page.Find<CCoercingSpinBox>("encCountsPerUnit");
    auto *filter = page.Find<QComboBox>("encFilterFreq");
    QCOMPARE(counts->value(), 1000.0);
    QCOMPARE(page.Units()->currentText(), QStringLiteral("mm"));
    QCOMPARE(filter->currentText(), QStringLiteral("4000000"));

    page.Table()->setCurrentCell(1, 0);
    QCOMPARE(page.StackPage(), 0);
    QCOMPARE(counts->value(), 2000.0);
    QCOMPARE(page.Units()->currentText(), QStringLiteral("rev"));
    QCOMPARE(page.Find<QLabel>("encLabelCountsPerUnit")->text(), QStringLiteral("Counts per rev"));
    // A screen reader names the box by its caption, rewritten for the encoder shown.
    QCOMPARE(AccessibleText(counts, QAccessible::Name), QStringLiteral("Counts per rev"));
    // The second encoder's filter takes no more than 8 MHz.
    QCOMPARE(ComboTexts(filter),
             (QStringList{"500000", "1000000", "2000000", "4000000", "8000000"}));
    QVERIFY(page.Find<QRadioButton>("encActiveStateLineStateAActiveLow")->isChecked());

    page.TypeInto("encCountsPerUnit", QStringLiteral("4000"));
    filter->setCurrentIndex(filter->findText(QStringLiteral("8000000")));
    page.Click("encActiveStateLineStateAActiveHigh");
    page.Click("encIndexRefCriteriaLineStateBInactive");
    QCOMPARE(page.Changes()->Count(), 4u);
    QCOMPARE(double(page.Pending(countsPerUnit, first + 1).realValue), 4000.0);
    QCOMPARE(double(page.Pending(filterFrequency, first + 1).realValue), 8000000.0);
    QCOMPARE(page.Pending(activeStateA, first + 1).integerValue, 0xA30077);
    QCOMPARE(page.Pending(criterionB, first + 1).integerValue, 0xA3008E);

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(page.Changes()->Count(), 0u);
    QCOMPARE(double(database.Setting(countsPerUnit, first + 1)->value.realValue), 4000.0);
    QCOMPARE(double(database.Setting(countsPerUnit, first)->value.realValue), 1000.0);
    QCOMPARE(database.Setting(activeStateA, first)->value.integerValue, 0xA30077);
    QCOMPARE(database.Setting(criterionB, first + 1)->value.integerValue, 0xA3008E);
    QCOMPARE(counts->value(), 4000.0);
}

void TestEncoderPage::phasingPictureNamesTheRecognisedLevels_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("picture");

    QTest::newRow("as stored") << QStringList{} << "HHH";
    QTest::newRow("A active high, B inactive low, index low")
        << QStringList{"encIndexRefCriteriaLineStateBInactive", "encActiveStateLineStateBActiveLow",
                       "encActiveStateLineStateIndexActiveLow"}
        << "HHL";
    QTest::newRow("A inactive") << QStringList{"encIndexRefCriteriaLineStateAInactive"} << "LHH";
    QTest::newRow("A active low, B inactive")
        << QStringList{"encActiveStateLineStateAActiveLow", "encIndexRefCriteriaLineStateBInactive"}
        << "LLH";
    QTest::newRow("A inactive low, index low")
        << QStringList{"encIndexRefCriteriaLineStateAInactive", "encActiveStateLineStateAActiveLow",
                       "encActiveStateLineStateIndexActiveLow"}
        << "HHL";
    QTest::newRow("B active low") << QStringList{"encActiveStateLineStateBActiveLow"} << "HLH";
}

// Each radio pair is exclusive on its own: a click changes its own setting and no other.
void TestEncoderPage::phasingPictureNamesTheRecognisedLevels()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, picture);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Encoder page(database);
    for (const QString &radio : std::as_const(clicks))
        page.Click(radio.toLatin1().constData());

    QCOMPARE(page.Changes()->Count(), quint32(clicks.size()));
    const QVector<QPair<QString, QString>> pairs{
        {"encActiveStateLineStateAActiveHigh", "encActiveStateLineStateAActiveLow"},
        {"encActiveStateLineStateBActiveHigh", "encActiveStateLineStateBActiveLow"},
        {"encActiveStateLineStateIndexActiveHigh", "encActiveStateLineStateIndexActiveLow"},
        {"encIndexRefCriteriaLineStateAActive", "encIndexRefCriteriaLineStateAInactive"},
        {"encIndexRefCriteriaLineStateBActive", "encIndexRefCriteriaLineStateBInactive"}};
    for (const auto &pair : pairs) {
        const bool secondClicked = clicks.contains(pair.second);
        QCOMPARE(page.Find<QRadioButton>(pair.first.toLatin1().constData())->isChecked(),
                 !secondClicked);
        QCOMPARE(page.Find<QRadioButton>(pair.second.toLatin1().constData())->isChecked(),
                 secondClicked);
    }
    QCOMPARE(page.Picture(),
             EmbeddedPicture(QStringLiteral("encsignalphasing_%1.png").arg(picture)));
}

void TestEncoderPage::unitsAreStoredAsTypedWithTheCursorKept()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Encoder page(database);
    QLineEdit *edit = page.Units()->lineEdit();
    QSignalSpy reloads(page.Find<QWidget>("CVornMotionAxisSettingsEncoderClass"),
                       SIGNAL(UpdateAllSettingsPages()));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("dg"));
    QCOMPARE(page.PendingText(encoderUnits, 0), QStringLiteral("dg"));
    QCOMPARE(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("e"));
    QCOMPARE(page.PendingText(encoderUnits, 0), QStringLiteral("deg"));
    QCOMPARE(edit->cursorPosition(), 2);
    QCOMPARE(reloads.count(), 3);
    QCOMPARE(page.Find<QLabel>("encLabelCountsPerUnit")->text(), QStringLiteral("Counts per deg"));
    QCOMPARE(AccessibleText(page.Find<QWidget>("encCountsPerUnit"), QAccessible::Name),
             QStringLiteral("Counts per deg"));
    // Encoder 1 gives the feedback: every page shows its units.
    QCOMPARE(page.Find<QLabel>("trjUnitsFilterDistance")->text(), QStringLiteral("deg"));
    QCOMPARE(page.Find<QLabel>("trjUnitsVelocityThreshold")->text(), QStringLiteral("deg/s"));

    // Taken back while another area shows: the caption, and the name it gives, come back with it.
    page.Find<QToolButton>("gmodeSetup")->click();
    page.Find<QPushButton>("revertAllChangesButton")->click();
    page.Find<QToolButton>("gmodeEnc")->click();
    QCOMPARE(AccessibleText(page.Find<QWidget>("encCountsPerUnit"), QAccessible::Name),
             QStringLiteral("Counts per mm"));
}

void TestEncoderPage::unitsTooLongAreRefused()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Encoder page(database);
    page.Units()->setEditText(QString(513, QLatin1Char('x')));
    QCOMPARE(page.Changes()->Count(), 0u);
    QCOMPARE(page.Units()->currentText(), QStringLiteral("mm"));

    const QString longest(512, QLatin1Char('y'));
    page.Units()->setEditText(longest);
    QCOMPARE(page.PendingText(encoderUnits, 0), longest);
    // Refused again: the text put back is the pending one, whole.
    page.Units()->setEditText(longest + QLatin1Char('z'));
    QCOMPARE(page.Units()->currentText(), longest);
    QCOMPARE(page.PendingText(encoderUnits, 0), longest);
}

void TestEncoderPage::countsPerUnitRescalesTheOtherPages_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<quint32>("first");

    QTest::newRow("first axis") << "servo.json" << 0u;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 2u;
}

// A velocity stored as 10 with 1000 counts per unit shows as 5 while 2000 is pending.
void TestEncoderPage::countsPerUnitRescalesTheOtherPages()
{
    QFETCH(QString, profile);
    QFETCH(quint32, first);
    QVERIFY(LoadProfile(database, profile));
    Encoder page(database);
    page.Find<QToolButton>("gmodeTrajectory")->click();
    auto *limit = page.Find<CCoercingSpinBox>("mtnSoftwareFwLimitPosition");
    QCOMPARE(limit->value(), 500.0);
    page.Find<QToolButton>("gmodeEnc")->click();

    page.TypeInto("encCountsPerUnit", QStringLiteral("2000"));
    QCOMPARE(double(page.Pending(countsPerUnit, first).realValue), 2000.0);
    QCOMPARE(limit->value(), 250.0);
    page.Table()->setCurrentCell(2, 0);
    QCOMPARE(page.Find<CCoercingSpinBox>("trjVelocityThreshold")->value(), 5.0);

    page.TypeInto("trjVelocityThreshold", QStringLiteral("6"));
    QCOMPARE(double(page.Pending(0xA3001C, 0).realValue), 12.0);
    page.Find<QToolButton>("gmodeTrajectory")->click();
    page.TypeInto("mtnSoftwareFwLimitPosition", QStringLiteral("600"));
    QCOMPARE(double(page.Pending(forwardLimit, 0).realValue), 1200.0);

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(forwardLimit, 0)->value.realValue), 1200.0);
    QCOMPARE(double(database.Setting(countsPerUnit, first)->value.realValue), 2000.0);
    QCOMPARE(limit->value(), 1200.0);
}

void TestEncoderPage::velocityFilterInMillisecondsForTheAxis()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoSecondAxis.json")));
    Encoder page(database);
    page.Table()->setCurrentCell(2, 0);
    auto *time = page.Find<CCoercingSpinBox>("trjFilterTime");
    QCOMPARE(time->value(), 1.0);
    page.TypeInto("trjFilterTime", QStringLiteral("5"));
    QCOMPARE(double(page.Pending(0xA3001D, 0).realValue), 0.005);
    page.TypeInto("trjFilterDistance", QStringLiteral("2.5"));
    QCOMPARE(double(page.Pending(0xA3001E, 0).realValue), 2.5);
    QCOMPARE(page.Changes()->Count(), 2u);
}

QTEST_MAIN(TestEncoderPage)
#include "tst_encoderPage.moc"
