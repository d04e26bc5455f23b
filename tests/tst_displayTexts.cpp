#include "displayTexts.h"

#include <QtTest>

class TestDisplayTexts : public QObject
{
    Q_OBJECT

private slots:
    void wrapToolTipText_data();
    void wrapToolTipText();
    void wrappingNeverSplitsASurrogatePair();
    void toolTipsShowMarkupLiterally();
    void formatPeriodText_data();
    void formatPeriodText();
    void unitNames();
};

void TestDisplayTexts::wrapToolTipText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    const QString sixty(60, QLatin1Char('a'));
    QTest::newRow("60 characters stay") << sixty << QStringList{sixty};
    const QString blankAt30 = QString(30, QLatin1Char('a')) + QLatin1Char(' ')
        + QString(30, QLatin1Char('b'));
    QTest::newRow("61 with one blank at 30")
        << blankAt30
        << QStringList{QString(30, QLatin1Char('a')) + QLatin1Char(' '),
                       QString(30, QLatin1Char('b'))};
    QTest::newRow("no white space: hard break at 60")
        << QString(130, QLatin1Char('x'))
        << QStringList{QString(60, QLatin1Char('x')), QString(60, QLatin1Char('x')),
                       QString(10, QLatin1Char('x'))};
    QTest::newRow("blanks after a break are dropped")
        << QString(59, QLatin1Char('a')) + QStringLiteral("    ") + QString(10, QLatin1Char('b'))
        << QStringList{QString(59, QLatin1Char('a')) + QLatin1Char(' '),
                       QString(10, QLatin1Char('b'))};
    QTest::newRow("sentence")
        << QStringLiteral("How many encoder counts make one unit of travel. Positions, velocities "
                          "and accelerations are shown in these units.")
        << QStringList{QStringLiteral("How many encoder counts make one unit of travel. Positions, "),
                       QStringLiteral("velocities and accelerations are shown in these units.")};
}

void TestDisplayTexts::wrapToolTipText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QString wrapped = WrapToolTipText(text);
    QCOMPARE(wrapped.split(QLatin1Char('\n')), lines);
    for (const QString &line : lines)
        QVERIFY(line.size() <= 60);
}

void TestDisplayTexts::wrappingNeverSplitsASurrogatePair()
{
    // 59 letters, then emoji (two code units each) with no white space anywhere.
    QString text(59, QLatin1Char('a'));
    for (int emoji = 0; emoji < 40; ++emoji)
        text += QString::fromUtf8("\xF0\x9F\x94\xA7");
    const QStringList lines = WrapToolTipText(text).split(QLatin1Char('\n'));
    QCOMPARE(lines.join(QString()), text);
    for (const QString &line : lines) {
        QVERIFY(line.size() <= 60);
        QVERIFY(!line.isEmpty());
        QVERIFY(!line.back().isHighSurrogate());
        QVERIFY(!line.front().isLowSurrogate());
    }
}

void TestDisplayTexts::toolTipsShowMarkupLiterally()
{
    QCOMPARE(PlainToolTip(QStringLiteral("Counts per unit")), QStringLiteral("Counts per unit"));
    const QString markup = PlainToolTip(QStringLiteral("<b>Limit</b> & stop"));
    QVERIFY(markup.contains(QStringLiteral("&lt;b&gt;Limit&lt;/b&gt;")));
    QVERIFY(markup.contains(QStringLiteral("&amp;")));
    QVERIFY(!markup.contains(QStringLiteral("<b>")));
}

void TestDisplayTexts::formatPeriodText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<quint32>("attribute");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 ms filter") << 0.001 << 0xA30031u << "1 ms";
    QTest::newRow("unlisted value") << 0.002 << 0xA30031u << "";
    QTest::newRow("update period") << 0.00000012 << 0xA30064u << "120 ns";
    QTest::newRow("50 ns only for 0xA30033") << 0.00000005 << 0xA30033u << "50 ns";
    QTest::newRow("50 ns elsewhere") << 0.00000005 << 0xA30031u << "";
    QTest::newRow("frequency, nearly equal") << 1000000.0000001 << 0xA30036u << "1000000";
    QTest::newRow("frequency, off") << 1000001.0 << 0xA30036u << "";
    QTest::newRow("other attribute") << 0.001 << 0xA30001u << "";
}

void TestDisplayTexts::formatPeriodText()
{
    QFETCH(double, value);
    QFETCH(quint32, attribute);
    QFETCH(QString, text);
    QCOMPARE(FormatPeriodText(value, attribute), text);
}

void TestDisplayTexts::unitNames()
{
    const QStringList expected = {QStringLiteral("Unit"), QStringLiteral("mm"),
                                  QStringLiteral("cm"),   QStringLiteral("m"),
                                  QStringLiteral("in"),   QStringLiteral("ft"),
                                  QStringLiteral("V"),    QStringLiteral("rev")};
    for (quint32 unit = 0; unit < 8; ++unit)
        QCOMPARE(UnitName(unit), expected.at(int(unit)));
    QCOMPARE(UnitName(8), QString());
    QCOMPARE(UnitName(0xFFFFFFFF), QString());
}

QTEST_APPLESS_MAIN(TestDisplayTexts)
#include "tst_displayTexts.moc"
