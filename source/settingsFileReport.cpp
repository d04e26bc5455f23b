#include "settingsFileReport.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

CVornMotionSettingsFileReport::CVornMotionSettingsFileReport(QWidget *parent)
    : QDialog(parent)
    , summary(new QLabel(this))
    , view(new QTreeView(this))
    , model(new QStandardItemModel(0, 4, this))
{
    setObjectName(QStringLiteral("settingsFileReport"));
    setWindowTitle(tr("Settings File"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Texts from the file are shown as they are, never as markup.
    summary->setObjectName(QStringLiteral("settingsFileReportSummary"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    model->setHorizontalHeaderLabels({tr("Setting"), tr("Instance"), tr("Value"), tr("Reason")});
    view->setObjectName(QStringLiteral("settingsFileReportView"));
    view->setAccessibleName(tr("Entries not loaded"));
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->header()->setStretchLastSection(true);
    view->header()->setSectionsClickable(false);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
}

void CVornMotionSettingsFileReport::Present(
    const QString &text, const QVector<CVornMotionSettingsStager::Refusal> &refusals)
{
    summary->setText(text);
    model->removeRows(0, model->rowCount());
    for (const CVornMotionSettingsStager::Refusal &refusal : refusals) {
        QList<QStandardItem *> row
            = {new QStandardItem(refusal.setting), new QStandardItem(refusal.instance),
               new QStandardItem(refusal.value), new QStandardItem(refusal.reason)};
        for (QStandardItem *item : std::as_const(row))
            item->setToolTip(item->text().toHtmlEscaped());
        // The area tells apart settings of one name; the line finds the entry in the file.
        QStringList where;
        if (!refusal.area.isEmpty())
            where << refusal.area;
        if (refusal.line > 0)
            where << tr("Line %1 of the file").arg(refusal.line);
        row.first()->setToolTip(where.join(QLatin1Char('\n')).toHtmlEscaped());
        model->appendRow(row);
    }
    view->setVisible(!refusals.isEmpty());
    if (refusals.isEmpty()) {
        adjustSize();
    } else {
        resize(720, 340);
        for (int column = 0; column < 3; ++column)
            view->resizeColumnToContents(column);
    }
    show();
    raise();
    activateWindow();
}
