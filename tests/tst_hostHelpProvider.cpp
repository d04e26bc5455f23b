#include "helpLauncher.h"
#include "provider/hostHelpProvider.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The host substitute's help, launched as the module launches it.
class TestHostHelpProvider : public QObject
{
    Q_OBJECT

private slots:
    void opensTheTopicPageWhenItExists();
    void reportsTheRequestOtherwise();
};

void TestHostHelpProvider::opensTheTopicPageWhenItExists()
{
    QTemporaryDir help;
    const QString topic = QStringLiteral("dt/eng/generated/AxisConfig_General.html");
    QVERIFY(QDir(help.path()).mkpath(QStringLiteral("dt/eng/generated")));
    QFile page(QDir(help.path()).filePath(topic));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();

    QList<QUrl> opened;
    QStringList reported;
    CHostHelpProvider provider(
        help.path(), [&](const QUrl &url) { opened.append(url); return true; },
        [&](const QString &message) { reported.append(message); });
    CVornMotionHelpLauncher::Launch(&provider, topic);

    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath())});
    QVERIFY(reported.isEmpty());
}

void TestHostHelpProvider::reportsTheRequestOtherwise()
{
    QTemporaryDir help;
    QList<QUrl> opened;
    QStringList reported;
    CHostHelpProvider provider(
        help.path(), [&](const QUrl &url) { opened.append(url); return true; },
        [&](const QString &message) { reported.append(message); });
    CVornMotionHelpLauncher::Launch(&provider,
                                    QStringLiteral("dt/eng/generated/AxisConfig_Brake.html"));

    QVERIFY(opened.isEmpty());
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.first().contains(QStringLiteral("AxisConfig_Brake.html")));
    QVERIFY(reported.first().contains(QStringLiteral("<helpdir>:\\vornhelp.chm")));
}

QTEST_GUILESS_MAIN(TestHostHelpProvider)
#include "tst_hostHelpProvider.moc"
