#include "settingsFiles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

QMenu *SettingsMenu(const QDialog *dialog)
{
    const auto *button = dialog->findChild<QToolButton *>(QStringLiteral("settingsMenuButton"));
    return button ? button->menu() : nullptr;
}

} // namespace

bool ChooseSettingsFile(QDialog *dialog, const char *action, const QString &path, QString *error)
{
    QMenu *menu = SettingsMenu(dialog);
    QAction *chosen = menu ? menu->findChild<QAction *>(QLatin1String(action)) : nullptr;
    if (!chosen) {
        *error = QStringLiteral("The dialog has no \"Settings\" menu action %1").arg(action);
        return false;
    }
    chosen->trigger();
    auto *files = dialog->findChild<QFileDialog *>(QStringLiteral("settingsFileDialog"));
    if (!files || !files->isVisible()) {
        *error = QStringLiteral("No settings file dialog opened");
        return false;
    }
    // Naming the file on the command line is the person's consent to replace it.
    files->setOption(QFileDialog::DontConfirmOverwrite);
    files->selectFile(QFileInfo(path).absoluteFilePath());
    auto *buttons = files->findChild<QDialogButtonBox *>();
    QPushButton *accept = buttons ? buttons->button(files->acceptMode() == QFileDialog::AcceptSave
                                                        ? QDialogButtonBox::Save
                                                        : QDialogButtonBox::Open)
                                  : nullptr;
    if (accept)
        accept->click();
    files->setOption(QFileDialog::DontConfirmOverwrite, false);
    if (files->isVisible()) {
        files->reject();
        *error = QStringLiteral("%1 cannot be chosen as a settings file").arg(path);
        return false;
    }
    return true;
}

QString SettingsFileReport(const QDialog *dialog)
{
    const auto *report = dialog->findChild<QDialog *>(QStringLiteral("settingsFileReport"));
    if (!report || !report->isVisible())
        return QString();
    QStringList lines;
    if (const auto *summary
        = report->findChild<QLabel *>(QStringLiteral("settingsFileReportSummary")))
        lines << summary->text();
    const auto *view
        = report->findChild<QAbstractItemView *>(QStringLiteral("settingsFileReportView"));
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    for (int row = 0; model && row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        lines << QStringLiteral("  ") + cells.join(QStringLiteral(" | "));
    }
    return lines.join(QLatin1Char('\n'));
}

bool SaveSettingsMenuPicture(QDialog *dialog, const QString &path)
{
    auto *button = dialog->findChild<QToolButton *>(QStringLiteral("settingsMenuButton"));
    QMenu *menu = SettingsMenu(dialog);
    if (!button || !menu)
        return false;
    // Near the bottom of a screen the menu opens above its button, which is where it is drawn.
    const QSize size = menu->sizeHint();
    menu->popup(button->mapToGlobal(QPoint(0, -size.height())));
    QPixmap picture = dialog->grab();
    {
        QPainter painter(&picture);
        painter.drawPixmap(button->mapTo(dialog, QPoint(0, -size.height())), menu->grab());
    }
    menu->hide();
    return picture.save(path);
}
