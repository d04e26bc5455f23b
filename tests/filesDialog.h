#ifndef VORNAC_TESTS_FILESDIALOG_H
#define VORNAC_TESTS_FILESDIALOG_H

#include "profileFixture.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

// "0xA30035[3]=4096": a setting at an index with its value, as the database words it.
inline QString Described(const CAxisDatabase &database, nVornMCPCD100::AttributeId id,
                         quint32 index, const nVornMCPCD100::AttributeValue &value)
{
    const AxisSetting *setting = database.Setting(id, index);
    const QString text = setting ? CAxisDatabase::ValueText(setting->kind, value) : QString();
    return QStringLiteral("%1[%2]=%3").arg(CAxisDatabase::IdentifierText(id)).arg(index).arg(text);
}

inline QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The dialog's "Settings" menu, its file dialog and its report, as a person uses them.
struct FilesDialog : HostDialog
{
    using HostDialog::HostDialog;

    QAction *Action(const char *name) const
    {
        auto *button = Find<QToolButton>("settingsMenuButton");
        return button && button->menu() ? button->menu()->findChild<QAction *>(QLatin1String(name))
                                        : nullptr;
    }
    // Chooses `path` in the file dialog that the action opens; false when no window-modal Qt
    // file dialog of the configuration dialog opened or it did not take the file.
    bool Choose(const char *action, const QString &path) const
    {
        Action(action)->trigger();
        auto *files = Find<QFileDialog>("settingsFileDialog");
        if (!files || !files->isVisible() || files->parent() != dialog
            || files->windowModality() != Qt::WindowModal
            || !files->testOption(QFileDialog::DontUseNativeDialog))
            return false;
        files->selectFile(path);
        files->findChild<QDialogButtonBox *>()
            ->button(files->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                    : QDialogButtonBox::Open)
            ->click();
        return !files->isVisible();
    }
    QString Summary() const
    {
        const auto *report = Find<QDialog>("settingsFileReport");
        return report && report->isVisible()
                   ? report->findChild<QLabel *>(QStringLiteral("settingsFileReportSummary"))
                         ->text()
                   : QString();
    }
    QStringList ReportRows() const
    {
        const QAbstractItemModel *model
            = Find<QAbstractItemView>("settingsFileReportView")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << ModelRow(model, row).join(QStringLiteral(" | "));
        return rows;
    }
    // Saves the settings to `path`, then writes them with `pattern` replaced by `replacement` to
    // `edited`; false when the save failed or nothing matched.
    bool SaveEdited(const QString &path, const QString &pattern, const QString &replacement,
                    const QString &edited) const
    {
        QFile::remove(path);
        if (!Choose("saveSettingsAction", path))
            return false;
        QString text = QString::fromUtf8(ReadAll(path));
        const QString saved = text;
        text.replace(QRegularExpression(pattern), replacement);
        QFile file(edited);
        const QByteArray bytes = text.toUtf8();
        return text != saved && file.open(QIODevice::WriteOnly)
               && file.write(bytes) == bytes.size();
    }
    bool ChangesShown() const { return Find<QDialog>("changesWindow")->isVisible(); }
    QStringList PendingEdits(const CAxisDatabase &database) const
    {
        QStringList edits;
        for (const auto &edit : Changes()->PendingEdits())
            edits << (edit.isString ? QStringLiteral("%1[%2]=\"%3\"")
                                          .arg(CAxisDatabase::IdentifierText(edit.id))
                                          .arg(edit.index)
                                          .arg(edit.text)
                                    : Described(database, edit.id, edit.index, edit.value));
        return edits;
    }
};

#endif
