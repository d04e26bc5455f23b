#include "profileFixture.h"

#include "settingsBase.h"
#include "settingsGmode.h"

#include <QAbstractItemView>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace {

const quint32 forwardLimit = 0xA30019;
const quint32 reverseLimit = 0xA3001B;
const quint32 countsPerUnit = 0xA30035;

// Records the writes that reach the database, and refuses those of one setting when asked to.
class RecordingDatabase : public CAxisDatabase
{
public:
    int32_t SetAttribute(nVornMCPCD100::AttributeId id, uint32_t index,
                         const nVornMCPCD100::AttributeValue *value) override
    {
        if (id == refused)
            return -5;
        writes.append(qMakePair(quint32(id), quint32(index)));
        return CAxisDatabase::SetAttribute(id, index, value);
    }

    QVector<QPair<quint32, quint32>> writes;
    quint32 refused = 0;
};

// The configuration dialog with its review of pending edits, as a person uses them.
struct Review : HostDialog
{
    explicit Review(CAxisDatabase &database)
        : HostDialog(database)
    {
    }
    QPushButton *ChangesButton() const { return Find<QPushButton>("changesButton"); }
    QAbstractItemView *View() const { return Find<QAbstractItemView>("changesView"); }
    int Rows() const { return View()->model()->rowCount(); }
    QStringList Row(int row) const { return ModelRow(View()->model(), row); }
    void Open(const char *area) const { Find<QToolButton>(area)->click(); }
    void ChooseRow(int row) const
    {
        View()->setCurrentIndex(View()->model()->index(row, 0));
    }
    // The widgets shown in bold: captions of settings with a pending edit.
    QStringList BoldLabels() const
    {
        QStringList names;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->font().bold() && !label->objectName().isEmpty())
                names.append(label->objectName());
        }
        return names;
    }
};

// The units a page shows beside `widget`: the label of its box that stands right after it on its
// row and captions nothing. Null when there is none.
const QLabel *UnitsBeside(const QWidget *widget)
{
    const QRect place = widget->geometry();
    for (const QLabel *label :
         widget->parentWidget()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!label->isVisible() || label->text().isEmpty() || label->buddy()
            || !label->pixmap(Qt::ReturnByValue).isNull())
            continue;
        const QRect at = label->geometry();
        if (at.left() >= place.right() - 2 && at.left() <= place.right() + 40
            && at.center().y() >= place.top() && at.center().y() <= place.bottom())
            return label;
    }
    return nullptr;
}

// A tool tip as a person reads it.
QString PlainText(const QString &toolTip)
{
    const QString text = Qt::mightBeRichText(toolTip)
                             ? QTextDocumentFragment::fromHtml(toolTip).toPlainText()
                             : toolTip;
    return QString(text).replace(QChar::Nbsp, QLatin1Char(' '));
}

} // namespace

class TestChangeReview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editsOnTwoPagesAreMarkedAndListed();
    void choosingARowOpensItsPageAndInstance();
    void instancesAreNamedAndOpened_data();
    void instancesAreNamedAndOpened();
    void mappingEditNamesItsLineAndOpensIt();
    void revertedEditIsGoneAndApplyWritesTheRestInListOrder();
    void countsPerUnitEditShowsTheListInNewUnits();
    void applyAndCancelClearEveryMark_data();
    void applyAndCancelClearEveryMark();
    void refusedCommitKeepsRowsAndMarks();
    void revertingAnInvertedLimitReleasesOk_data();
    void revertingAnInvertedLimitReleasesOk();
    void afterAnAxisTypeSwitchTheAreaShownDescribesAndOpens();
    void valuesReadAsTheirWidgetsShowThem_data();
    void valuesReadAsTheirWidgetsShowThem();

private:
    // An edit of the forward limit (no instance) and one of the second encoder's counts.
    void EditTwoPages(const Review &review, const QString &limit = QStringLiteral("600")) const;

    RecordingDatabase database;
};

void TestChangeReview::init()
{
    database.writes.clear();
    database.refused = 0;
}

void TestChangeReview::EditTwoPages(const Review &review, const QString &limit) const
{
    review.Open("gmodeTrajectory");
    review.Find<QTableWidget>("trajectoryTable")->setCurrentCell(1, 0);
    review.TypeInto("mtnSoftwareFwLimitPosition", limit);
    review.Open("gmodeEnc");
    review.Find<QTableWidget>("encoderTable")->setCurrentCell(1, 0);
    review.TypeInto("encCountsPerUnit", QStringLiteral("4000"));
}

void TestChangeReview::editsOnTwoPagesAreMarkedAndListed()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    QVERIFY(!review.ChangesButton()->isEnabled());
    const QStringList formBold = review.BoldLabels();

    EditTwoPages(review);
    QCOMPARE(review.ChangesButton()->text(), QStringLiteral("Changes (2)"));
    QVERIFY(review.ChangesButton()->isEnabled());
    QCOMPARE(review.BoldLabels(), formBold + QStringList({"label_trajectory",
                                                          "mtnLabelSoftwareFwLimitPosition",
                                                          "label_encoder",
                                                          "encLabelCountsPerUnit"}));
    QVERIFY(review.Find<QWidget>("mtnSoftwareFwLimitPosition")
                ->toolTip()
                .startsWith(QStringLiteral("Stored: 500.00 mm  Pending: 600.00 mm\n\nThe position")));
    // A screen reader describes the setting, not the edit.
    QVERIFY(AccessibleText(review.Find<QWidget>("mtnSoftwareFwLimitPosition"),
                           QAccessible::Description)
                .startsWith(QStringLiteral("The position beyond which")));
    QVERIFY(review.Find<QWidget>("encCountsPerUnit")
                ->toolTip()
                .startsWith(QStringLiteral("Stored: 2000.000000  Pending: 4000.000000")));

    const QAbstractItemModel *model = review.View()->model();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.append(model->headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"Setting", "Instance", "Stored", "Pending"}));
    QCOMPARE(review.Rows(), 2);
    QCOMPARE(review.Row(0), QStringList({"Fwd. Limit Position", "", "500.00 mm", "600.00 mm"}));
    QCOMPARE(review.Row(1),
             QStringList({"Counts per Unit", "Encoder 2", "2000.000000", "4000.000000"}));
    // Names such as "Proportional Gain" stand in several areas: the tool tip tells which.
    QCOMPARE(model->index(0, 0).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Fwd. Limit Position (Trajectory)"));

    // An overwrite keeps its row with the newest value; the mark follows the encoder shown.
    review.Open("gmodeTrajectory");
    review.TypeInto("mtnSoftwareFwLimitPosition", QStringLiteral("700"));
    QCOMPARE(review.Rows(), 2);
    QCOMPARE(review.Row(0), QStringList({"Fwd. Limit Position", "", "500.00 mm", "700.00 mm"}));
    review.Open("gmodeEnc");
    review.Find<QTableWidget>("encoderTable")->setCurrentCell(0, 0);
    QVERIFY(!review.BoldLabels().contains(QStringLiteral("encLabelCountsPerUnit")));
    QVERIFY(!review.Find<QWidget>("encCountsPerUnit")->toolTip().contains(QStringLiteral("Stored")));
}

void TestChangeReview::choosingARowOpensItsPageAndInstance()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    EditTwoPages(review);
    review.Find<QTableWidget>("encoderTable")->setCurrentCell(2, 0);
    review.Open("gmodeSetup");

    review.ChangesButton()->click();
    review.ChooseRow(1);
    QTest::keyClick(review.View(), Qt::Key_Return);
    QCOMPARE(review.settings->CurrentPage(), 0xA300DD);
    QCOMPARE(review.Find<QTableWidget>("encoderTable")->currentRow(), 1);
    QCOMPARE(review.dialog->focusWidget(), review.Find<QWidget>("encCountsPerUnit"));

    review.ChooseRow(0);
    emit review.View()->activated(review.View()->currentIndex());
    QCOMPARE(review.settings->CurrentPage(), 0xA300D6);
    QCOMPARE(review.Find<QStackedWidget>("trajectoryStack")->currentIndex(), 1);
    QCOMPARE(review.dialog->focusWidget(), review.Find<QWidget>("mtnSoftwareFwLimitPosition"));
}

void TestChangeReview::instancesAreNamedAndOpened_data()
{
    QTest::addColumn<QByteArray>("area");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<int>("instance");
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("gain set") << QByteArray("gmodePositionLoop")
                              << QByteArray("positionLoopMultiGainSet")
                              << QByteArray("cntPmodeGainSets") << 1 << QByteArray("positionLoopKp")
                              << "7" << "Gain Set 2";
    QTest::newRow("anti-resonance filter")
        << QByteArray("gmodeMultiPurpose") << QByteArray() << QByteArray("velocityLoopTable") << 4
        << QByteArray("velocityLoopFilterType") << QString() << "Anti-Resonance 3";
    QTest::newRow("analog input") << QByteArray("gmodeAnalogIO") << QByteArray()
                                  << QByteArray("analogTable") << 1 << QByteArray("AIOffset")
                                  << "7" << "Analog Input 2";
    QTest::newRow("digital line") << QByteArray("gmodeDigitalIO") << QByteArray()
                                  << QByteArray("dioMappingTable") << 4
                                  << QByteArray("dioDIFilterFreq") << QString() << QString();
}

// The row names the instance the edit belongs to, and opens the page turned to it.
void TestChangeReview::instancesAreNamedAndOpened()
{
    QFETCH(QByteArray, area);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, selector);
    QFETCH(int, instance);
    QFETCH(QByteArray, edited);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    review.Open(area.constData());
    const int page = review.settings->CurrentPage();
    if (!before.isEmpty())
        review.Find<QAbstractButton>(before.constData())->click();
    auto *table = review.Find<QTableWidget>(selector.constData());
    auto *combo = review.Find<QComboBox>(selector.constData());
    const auto select = [&](int which) {
        if (table)
            table->setCurrentCell(which, 0);
        else
            combo->setCurrentIndex(which);
    };
    const auto selected = [&] { return table ? table->currentRow() : combo->currentIndex(); };
    select(instance);
    if (name.isEmpty())
        name = table->item(instance, 0)->text();
    auto *choice = review.Find<QComboBox>(edited.constData());
    if (choice)
        choice->setCurrentIndex((choice->currentIndex() + 1) % choice->count());
    else
        review.TypeInto(edited.constData(), typed);
    // The list shows the pending value as the widget showed it.
    const QString pending =
        choice ? choice->currentText() : review.Find<CCoercingSpinBox>(edited.constData())->text();
    select(0);
    review.Open("gmodeSetup");

    int row = 0;
    while (row < review.Rows()
           && (review.Row(row).at(1) != name || review.Row(row).at(3) != pending))
        ++row;
    QVERIFY2(row < review.Rows(), qPrintable(name));
    review.ChangesButton()->click();
    review.ChooseRow(row);
    QTest::keyClick(review.View(), Qt::Key_Return);
    QCOMPARE(review.settings->CurrentPage(), page);
    QCOMPARE(selected(), instance);
    QCOMPARE(review.dialog->focusWidget(), review.Find<QWidget>(edited.constData()));
}

// The mapping column is bound cell by cell: an edit marks its cell alone, is listed under its
// line, opens its row, and a revert clears the mark.
void TestChangeReview::mappingEditNamesItsLineAndOpensIt()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    review.Open("gmodeDigitalIO");
    auto *table = review.Find<QTableWidget>("dioMappingTable");
    const QString line = table->item(4, 0)->text();
    const QString stored = table->item(4, 1)->text();
    table->setCurrentCell(4, 1);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_F2);
    auto *editor = qobject_cast<QComboBox *>(table->indexWidget(table->model()->index(4, 1)));
    QVERIFY(editor);
    editor->setCurrentIndex((editor->findText(stored) + 1) % editor->count());
    const QString pending = editor->currentText();
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(review.Rows(), 1);
    QCOMPARE(review.Row(0), QStringList({"Input Mapping", line, stored, pending}));
    const QTableWidgetItem *cell = table->item(4, 1);
    const QString description = table->item(3, 1)->toolTip();
    QVERIFY(cell->font().bold() && !table->item(3, 1)->font().bold());
    QVERIFY(cell->toolTip().startsWith(
        QStringLiteral("Stored: %1  Pending: %2\n\n").arg(stored, pending)));
    QVERIFY(cell->toolTip().endsWith(description));

    table->setCurrentCell(0, 0);
    review.Open("gmodeSetup");
    review.ChangesButton()->click();
    review.ChooseRow(0);
    QTest::keyClick(review.View(), Qt::Key_Return);
    QCOMPARE(review.settings->CurrentPage(), 0xA300DB);
    QCOMPARE(table->currentRow(), 4);
    QCOMPARE(review.dialog->focusWidget(), table);

    review.Find<QPushButton>("revertChangeButton")->click();
    QCOMPARE(table->item(4, 1)->text(), stored);
    QCOMPARE(review.Rows(), 0);
    QVERIFY(!cell->font().bold());
    QCOMPARE(cell->toolTip(), description);
}

void TestChangeReview::revertedEditIsGoneAndApplyWritesTheRestInListOrder()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    EditTwoPages(review);
    review.Open("gmodeTrajectory");
    review.Find<QTableWidget>("trajectoryTable")->setCurrentCell(0, 0);
    review.TypeInto("trjMvCompleteMinimumPulse", QStringLiteral("5"));
    QCOMPARE(review.Rows(), 3);
    const QStringList settings = {review.Row(0).at(0), review.Row(1).at(0), review.Row(2).at(0)};

    review.ChangesButton()->click();
    review.ChooseRow(settings.indexOf(QStringLiteral("Fwd. Limit Position")));
    QTest::keyClick(review.View(), Qt::Key_Delete);
    QCOMPARE(review.Rows(), 2);
    QCOMPARE(review.ChangesButton()->text(), QStringLiteral("Changes (2)"));
    QCOMPARE(review.Find<CCoercingSpinBox>("mtnSoftwareFwLimitPosition")->value(), 500.0);
    QVERIFY(!review.BoldLabels().contains(QStringLiteral("mtnLabelSoftwareFwLimitPosition")));

    const QStringList listed = {review.Row(0).at(0), review.Row(1).at(0)};
    review.Button(QDialogButtonBox::Apply)->click();
    const QHash<QString, QPair<quint32, quint32>> written = {
        {QStringLiteral("Counts per Unit"), qMakePair(countsPerUnit, 1u)},
        {review.Find<QLabel>("trjLabelMvCompleteMinimumPulse")->text(), qMakePair(0xA30027u, 0u)}};
    const QVector<QPair<quint32, quint32>> inListOrder = {written.value(listed.at(0)),
                                                          written.value(listed.at(1))};
    QCOMPARE(database.writes, inListOrder);
    QCOMPARE(double(database.Setting(forwardLimit, 0)->value.realValue), 500.0);
}

// Values wait in the units of the stored counts per unit and show in those of the pending one.
void TestChangeReview::countsPerUnitEditShowsTheListInNewUnits()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    EditTwoPages(review);
    review.Find<QTableWidget>("encoderTable")->setCurrentCell(0, 0);
    review.TypeInto("encCountsPerUnit", QStringLiteral("2000"));
    QCOMPARE(review.Row(0), QStringList({"Fwd. Limit Position", "", "250.00 mm", "300.00 mm"}));
    QVERIFY(review.Find<QWidget>("mtnSoftwareFwLimitPosition")
                ->toolTip()
                .startsWith(QStringLiteral("Stored: 250.00 mm  Pending: 300.00 mm")));
    QCOMPARE(review.Row(1),
             QStringList({"Counts per Unit", "Encoder 1", "1000.000000", "2000.000000"}));

    // A new units text: the values read in it, and the text itself is listed as text.
    review.Find<QComboBox>("encUnits")->setEditText(QStringLiteral("in <b>"));
    QCOMPARE(review.Row(0),
             QStringList({"Fwd. Limit Position", "", "250.00 in <b>", "300.00 in <b>"}));
    QCOMPARE(review.Row(1), QStringList({"Encoder Units", "Encoder 1", "mm", "in <b>"}));
    // Rich text as the tool tip shows it: markup in a units text is escaped, spaces kept.
    QVERIFY(review.Find<QWidget>("mtnSoftwareFwLimitPosition")
                ->toolTip()
                .replace(QChar::Nbsp, QLatin1Char(' '))
                .contains(QStringLiteral("Stored: 250.00 in &lt;b&gt;  Pending: 300.00 in &lt;b&gt;")));
}

void TestChangeReview::applyAndCancelClearEveryMark_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("apply") << int(QDialogButtonBox::Apply);
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel);
}

void TestChangeReview::applyAndCancelClearEveryMark()
{
    QFETCH(int, button);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    review.Open("gmodeTrajectory");
    review.Open("gmodeEnc");
    const QStringList formBold = review.BoldLabels();
    auto *limit = review.Find<QWidget>("mtnSoftwareFwLimitPosition");
    const QString description = limit->toolTip();
    EditTwoPages(review);

    review.Button(QDialogButtonBox::StandardButton(button))->click();
    QCOMPARE(review.BoldLabels(), formBold);
    QCOMPARE(limit->toolTip(), description);
    QVERIFY(!limit->font().bold());
    QCOMPARE(review.Rows(), 0);
    QCOMPARE(review.ChangesButton()->text(), QStringLiteral("Changes (0)"));
    QVERIFY(!review.ChangesButton()->isEnabled());
}

void TestChangeReview::refusedCommitKeepsRowsAndMarks()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    database.refused = countsPerUnit;
    Review review(database);
    EditTwoPages(review);
    const QStringList marked = review.BoldLabels();

    review.Button(QDialogButtonBox::Apply)->click();
    QVERIFY(review.Banner()->isVisible());
    QCOMPARE(review.Rows(), 2);
    QCOMPARE(review.Row(0), QStringList({"Fwd. Limit Position", "", "500.00 mm", "600.00 mm"}));
    QCOMPARE(review.BoldLabels(), marked);
    QCOMPARE(double(database.Setting(forwardLimit, 0)->value.realValue), 500.0);
}

void TestChangeReview::revertingAnInvertedLimitReleasesOk_data()
{
    QTest::addColumn<QByteArray>("revert");
    QTest::newRow("its row") << QByteArray("revertChangeButton");
    QTest::newRow("all rows") << QByteArray("revertAllChangesButton");
}

void TestChangeReview::revertingAnInvertedLimitReleasesOk()
{
    QFETCH(QByteArray, revert);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    EditTwoPages(review, QStringLiteral("-600"));
    QVERIFY(!review.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(review.Banner()->isVisible());

    review.ChangesButton()->click();
    review.ChooseRow(0);
    review.Find<QPushButton>(revert.constData())->click();
    QVERIFY(review.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!review.Banner()->isVisible());
    QCOMPARE(review.Rows(), revert == "revertChangeButton" ? 1 : 0);
    QCOMPARE(review.Find<CCoercingSpinBox>("mtnSoftwareFwLimitPosition")->value(), 500.0);
}

// The Position loop page, made while the axis was a servo, stays alive when a stepper hides its
// button: a setting both show is described and opened by the Stepper, which the axis shows.
void TestChangeReview::afterAnAxisTypeSwitchTheAreaShownDescribesAndOpens()
{
    const quint32 errorLimit = 0xA30059;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Review review(database);
    review.Open("gmodePositionLoop");
    review.TypeInto("positionLoopKd", QStringLiteral("0.75"));
    review.Open("gmodeSetup");
    review.Choose("genAxisType", QStringLiteral("Stepper"));
    review.Choose("genAxisLoopMode", QStringLiteral("Closed Loop"));
    QVERIFY(review.Find<QToolButton>("gmodePositionLoop")->isHidden());
    review.Open("gmodeMultiPurpose");
    QCOMPARE(review.settings->CurrentPage(), 0xA300D7);
    auto *sections = review.Find<QTableWidget>("stepperTable");
    sections->setCurrentCell(TableRows(sections).indexOf(QStringLiteral("Position Error")), 0);
    review.TypeInto("stepperPELimitCLoop", QStringLiteral("7"));
    QCOMPARE(double(review.Pending(errorLimit).realValue), 7.0);

    int row = 0;
    while (row < review.Rows() && (review.Row(row).at(0) != QStringLiteral("Position Error Limit")))
        ++row;
    QVERIFY(row < review.Rows());
    const QAbstractItemModel *model = review.View()->model();
    QCOMPARE(model->index(row, 0).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Position Error Limit (Stepper)"));
    // A gain no area shows any more is still listed, and says why its row opens nothing.
    const QModelIndexList gain = model->match(model->index(0, 0), Qt::DisplayRole,
                                              QStringLiteral("Derivative Gain"));
    QCOMPARE(gain.size(), 1);
    QCOMPARE(gain.first().data(Qt::ToolTipRole).toString(),
             QStringLiteral("Derivative Gain (Position Loop, not shown for this axis now)"));
    QCOMPARE(review.Row(row).at(3), review.Find<CCoercingSpinBox>("stepperPELimitCLoop")->text()
                                        + QLatin1Char(' ')
                                        + review.Find<QLabel>("units_stepperPELimitCLoop")->text());

    review.Open("gmodeSetup");
    review.ChangesButton()->click();
    review.ChooseRow(row);
    QTest::keyClick(review.View(), Qt::Key_Return);
    QCOMPARE(review.settings->CurrentPage(), 0xA300D7);
    QCOMPARE(review.dialog->focusWidget(), review.Find<QWidget>("stepperPELimitCLoop"));
}

void TestChangeReview::valuesReadAsTheirWidgetsShowThem_data()
{
    AddShippedProfileRows();
}

// Every number and choice of every area, pending unchanged: its mark's tool tip and the page's
// words for the list of changes read as its widget shows it, with the units shown beside it.
void TestChangeReview::valuesReadAsTheirWidgetsShowThem()
{
    QFETCH(QString, profile);
    CAxisDatabase axis;
    QVERIFY(LoadProfile(axis, profile));
    Review review(axis);
    review.dialog->show();
    auto *navigation = review.dialog->findChild<CVornMotionAxisSettingsGMode *>();
    const QVector<CVornMotionAxisSettingsGMode::Area> areas = navigation->ShownAreas();
    for (const auto &setting : axis.Settings()) {
        if (setting.second.supported && setting.second.kind != SettingKind::String)
            review.Changes()->StoreValue(setting.first.first, setting.first.second,
                                         setting.second.value);
    }
    emit review.settings->UpdateRequired();

    QStringList wrong;
    int checked = 0;
    for (const CVornMotionAxisSettingsGMode::Area &area : areas) {
        for (const auto &setting : area.page->ShownSettings()) {
            for (const quint32 index : setting.instances) {
                const quint32 id = setting.attribute;
                if (!review.Changes()->Contains(id, index))
                    continue;
                QWidget *widget = navigation->RevealSettingOn(area.pageId, id, index);
                QString shown;
                if (const auto *box = qobject_cast<const CCoercingSpinBox *>(widget))
                    shown = box->text();
                else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
                    shown = combo->isEditable() ? QString() : combo->currentText();
                if (shown.isEmpty())
                    continue;
                if (const QLabel *units = UnitsBeside(widget))
                    shown += QLatin1Char(' ') + units->text();
                ++checked;
                const QString where = QStringLiteral("%1 %2 0x%3 [%4]: ")
                                          .arg(area.name, widget->objectName())
                                          .arg(id, 0, 16)
                                          .arg(index);
                const QString mark = QStringLiteral("Stored: %1  Pending: %1").arg(shown);
                if (!PlainText(widget->toolTip()).startsWith(mark))
                    wrong.append(where
                                 + PlainText(widget->toolTip()).section(QLatin1Char('\n'), 0, 0)
                                 + QStringLiteral(" for ") + shown);
                CVornMotionChangeList::PendingEdit edit
                    = *review.Changes()->PendingEditOf(id, index);
                const std::optional<CVornMotionEditTexts> texts = area.page->DescribeEdit(edit);
                if (!texts || texts->pending != shown || texts->stored != shown)
                    wrong.append(where + (texts ? texts->pending : QStringLiteral("(nothing)"))
                                 + QStringLiteral(" for ") + shown);
            }
        }
    }
    QVERIFY(checked > 20);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestChangeReview)
#include "tst_changeReview.moc"
