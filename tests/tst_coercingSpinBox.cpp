#include "coercingSpinBox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

class TestCoercingSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clampsAndAnnouncesUserEdits_data();
    void clampsAndAnnouncesUserEdits();
    void programmaticValuesAreNotAnnounced();
    void steppingCounts();
    void openSidesDoNotClamp();
    void finishEditTakesTheTypedText();

private:
    void Type(const QString &text);

    QWidget *window = nullptr;
    CCoercingSpinBox *box = nullptr;
    QLineEdit *other = nullptr;
};

void TestCoercingSpinBox::init()
{
    window = new QWidget;
    box = new CCoercingSpinBox(window);
    other = new QLineEdit(window);
    other->move(0, 40);
    box->setRange(-1e18, 1e18);
    box->setDecimals(2);
    box->coerceMinimum = 0;
    box->coerceMaximum = 100;
    box->attribute = 0xA30025;
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
}

void TestCoercingSpinBox::cleanup()
{
    delete window;
}

void TestCoercingSpinBox::Type(const QString &text)
{
    box->setFocus();
    box->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(box->findChild<QLineEdit *>(), text);
}

void TestCoercingSpinBox::clampsAndAnnouncesUserEdits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("announced");
    QTest::newRow("above") << "150" << 100.0;
    QTest::newRow("below") << "-5" << 0.0;
    QTest::newRow("inside") << "42.5" << 42.5;
}

void TestCoercingSpinBox::clampsAndAnnouncesUserEdits()
{
    QFETCH(QString, typed);
    QFETCH(double, announced);
    QSignalSpy spy(box, &CCoercingSpinBox::CoercedValueChanged);
    Type(typed);
    other->setFocus();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<long>(), long(0xA30025));
    QCOMPARE(spy.at(0).at(1).toDouble(), announced);
    QCOMPARE(spy.at(0).at(2).toBool(), true);
    QCOMPARE(box->value(), announced);
}

void TestCoercingSpinBox::programmaticValuesAreNotAnnounced()
{
    QSignalSpy spy(box, &CCoercingSpinBox::CoercedValueChanged);
    box->setValue(0.0015);
    box->setFocus();
    other->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(spy.count(), 0);

    Type(QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return);
    other->setFocus();
    QCOMPARE(spy.count(), 1);
}

void TestCoercingSpinBox::steppingCounts()
{
    QSignalSpy spy(box, &CCoercingSpinBox::CoercedValueChanged);
    box->setValue(99.5);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);
    other->setFocus();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toDouble(), 100.0);
}

void TestCoercingSpinBox::openSidesDoNotClamp()
{
    box->coerceMaximum = std::numeric_limits<double>::infinity();
    QSignalSpy spy(box, &CCoercingSpinBox::CoercedValueChanged);
    Type(QStringLiteral("123456"));
    other->setFocus();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toDouble(), 123456.0);
}

void TestCoercingSpinBox::finishEditTakesTheTypedText()
{
    QSignalSpy spy(box, &CCoercingSpinBox::CoercedValueChanged);
    box->FinishEdit();
    QCOMPARE(spy.count(), 0);
    Type(QStringLiteral("12"));
    box->FinishEdit();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toDouble(), 12.0);
}

QTEST_MAIN(TestCoercingSpinBox)
#include "tst_coercingSpinBox.moc"
