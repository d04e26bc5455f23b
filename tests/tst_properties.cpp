#include "axisFixtures.h"

#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertyRadioButton.h"
#include "sectionTable.h"

#include "coercingSpinBox.h"
#include "displayTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// Binding behaviour that the test page does not reach, and the section table.
class TestProperties : public QObject
{
    Q_OBJECT

private slots:
    void radioButtonsFollowBothGroups_data();
    void radioButtonsFollowBothGroups();
    void loopLocationIsLeftToItsPage();
    void spinBoxSkipsValuesItsPageShows();
    void gainSetSelectorListsTheGainSets();
    void sectionTableFillsListedRowsWithoutGaps();
};

void TestProperties::radioButtonsFollowBothGroups_data()
{
    QTest::addColumn<qint32>("state");
    QTest::addColumn<bool>("first");
    QTest::newRow("active high") << 0xA30077 << true;
    QTest::newRow("active low") << 0xA30078 << false;
    QTest::newRow("active on") << 0xA10072 << true;
    QTest::newRow("active off") << 0xA10073 << false;
    QTest::newRow("0xA30073") << 0xA30073 << true;
    QTest::newRow("0xA30074") << 0xA30074 << false;
    QTest::newRow("0xA3008F") << 0xA3008F << true;
}

void TestProperties::radioButtonsFollowBothGroups()
{
    QFETCH(qint32, state);
    QFETCH(bool, first);
    QWidget group;
    auto *one = new QRadioButton(&group);
    auto *two = new QRadioButton(&group);
    UIPropertyRadioButton binding(0xA30009, two, 0, QString(), one);
    binding.ShowValue(IntegerValue(state), QString());
    QCOMPARE(one->isChecked(), first);
    QCOMPARE(two->isChecked(), !first);
}

void TestProperties::loopLocationIsLeftToItsPage()
{
    QCheckBox box(QStringLiteral("form text"));
    UIPropertyCheckbox binding(0xA3005E, nullptr, 0, QString(), &box);
    nVornMCPCD100::AttributeValue checked = {};
    checked.booleanValue = 1;
    binding.ShowValue(checked, QString());
    binding.SetLabelText(QStringLiteral("dictionary text"));
    QVERIFY(!box.isChecked());
    QCOMPARE(box.text(), QStringLiteral("form text"));
}

void TestProperties::spinBoxSkipsValuesItsPageShows()
{
    CCoercingSpinBox box;
    box.setRange(-1e18, 1e18);
    box.setDecimals(6);
    UIPropertyDoubleSpinBox loopPeriod(0xA3004B, nullptr, nullptr, 0, QString(), &box);
    loopPeriod.ShowValue(RealValue(0.0002), QString());
    QCOMPARE(box.value(), 0.0);
    UIPropertyDoubleSpinBox driveRate(0xC2005A, nullptr, nullptr, 0, QString(), &box);
    driveRate.ShowValue(RealValue(0.0002), QString());
    QCOMPARE(box.value(), 0.2);
}

void TestProperties::gainSetSelectorListsTheGainSets()
{
    CAxisDatabase database;
    database.SetSetting(0xA300C7, 0, IntegerSetting(3));
    QComboBox combo;
    UIPropertyIntegerComboBox binding(0xC2005F, nullptr, nullptr, 0, QString(), &combo);
    binding.FillItems(&database, nullptr, 0);
    binding.FillItems(&database, nullptr, 0);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(2), QStringLiteral("Gain Set 3"));
    QVERIFY(!combo.itemData(0).isValid());
    QCOMPARE(combo.currentIndex(), 0);
    binding.ShowValue(IntegerValue(2), QString());
    QCOMPARE(combo.currentIndex(), 0);
}

void TestProperties::sectionTableFillsListedRowsWithoutGaps()
{
    QTableWidget widget;
    CVornMotionSectionTable table;
    table.Attach(&widget);
    const nVornMCPCD100::AttributeId sections[] = {0xA3006D, 0xA3006F, 0xA30036, 0};
    table.Fill(sections, [](nVornMCPCD100::AttributeId section) { return section != 0xA3006F; });

    QCOMPARE(widget.rowCount(), 2);
    QCOMPARE(widget.horizontalHeaderItem(0)->text(), QStringLiteral("Section"));
    QCOMPARE(widget.item(0, 0)->text(), GetDictionaryName(0xA3006D));
    QCOMPARE(widget.item(1, 0)->text(), GetDictionaryName(0xA30036));
    QCOMPARE(widget.item(1, 0)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(table.StackPageOf(0), 0);
    QCOMPARE(table.StackPageOf(1), 2);
    QCOMPARE(table.SectionOf(1), nVornMCPCD100::AttributeId(0xA30036));
    QCOMPARE(table.StackPageOf(2), -1);

    table.AppendRow(QStringLiteral("Anti-Resonance 1"), 3);
    QCOMPARE(widget.rowCount(), 3);
    QCOMPARE(table.StackPageOf(2), 3);
    QCOMPARE(table.SectionOf(2), nVornMCPCD100::AttributeId(0));

    table.Fill(sections);
    QCOMPARE(widget.rowCount(), 3);
    QCOMPARE(table.StackPageOf(1), 1);
}

QTEST_MAIN(TestProperties)
#include "tst_properties.moc"
