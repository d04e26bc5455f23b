#include "settingSearch.h"

#include "itemViewKeys.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTreeView>

#include <utility>

namespace {
enum Role
{
    PageRole = Qt::UserRole,
    AttributeRole,
    IndexRole
};

const int resultsWidth = 520;
const int mostRowsShown = 10;
} // namespace

CVornMotionSettingSearch::CVornMotionSettingSearch(QLineEdit *field, QWidget *dialog,
                                                   IndexBuilder builder)
    : QObject(dialog),
      field(field),
      dialog(dialog),
      results(new QTreeView(dialog)),
      model(new QStandardItemModel(0, 3, this)),
      builder(std::move(builder))
{
    field->setPlaceholderText(tr("Find a setting (Ctrl+F)"));
    field->setAccessibleName(tr("Find a setting"));
    field->setClearButtonEnabled(true);
    field->installEventFilter(this);

    model->setHorizontalHeaderLabels({tr("Setting"), tr("Instance"), tr("Area")});
    results->setObjectName(QStringLiteral("settingSearchResults"));
    results->setAccessibleName(tr("Settings found"));
    results->setModel(model);
    results->setRootIsDecorated(false);
    results->setUniformRowHeights(true);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->header()->setStretchLastSection(true);
    results->header()->setSectionsClickable(false);
    results->installEventFilter(this);
    (new CVornMotionItemViewKeys(this))->Guard(results);
    results->hide();

    auto *find = new QShortcut(QKeySequence::Find, dialog);
    connect(find, &QShortcut::activated, this, [this] {
        this->field->setFocus(Qt::ShortcutFocusReason);
        this->field->selectAll();
    });
    connect(field, &QLineEdit::textChanged, this, &CVornMotionSettingSearch::Search);
    connect(results, &QAbstractItemView::activated, this, &CVornMotionSettingSearch::Choose);
}

void CVornMotionSettingSearch::Invalidate()
{
    indexed = false;
}

void CVornMotionSettingSearch::Search(const QString &text)
{
    if (!indexed) {
        index = CVornMotionSettingIndex();
        builder(index);
        indexed = true;
    }
    model->removeRows(0, model->rowCount());
    for (const CVornMotionSettingIndex::Entry &entry : index.Find(text)) {
        QList<QStandardItem *> row
            = {new QStandardItem(entry.name), new QStandardItem(entry.instance),
               new QStandardItem(entry.area)};
        row.first()->setData(entry.pageId, PageRole);
        row.first()->setData(uint(entry.attribute), AttributeRole);
        row.first()->setData(entry.index, IndexRole);
        for (QStandardItem *item : std::as_const(row))
            item->setToolTip(item->text().toHtmlEscaped());
        model->appendRow(row);
    }
    if (model->rowCount() > 0)
        ShowResults();
    else
        HideResults();
}

void CVornMotionSettingSearch::ShowResults()
{
    results->resizeColumnToContents(0);
    results->resizeColumnToContents(1);
    const int rows = qMin(model->rowCount(), mostRowsShown);
    const int height = results->header()->sizeHint().height() + rows * results->sizeHintForRow(0)
                       + 2 * results->frameWidth();
    // The field sits in the button row: the list opens above it, inside the dialog.
    const QPoint fieldTop = field->mapTo(dialog, QPoint(0, 0));
    const int left = qMin(fieldTop.x(), dialog->width() - resultsWidth);
    results->setGeometry(qMax(0, left), qMax(0, fieldTop.y() - height - 2), resultsWidth, height);
    results->raise();
    results->show();
}

void CVornMotionSettingSearch::HideResults()
{
    results->hide();
}

void CVornMotionSettingSearch::Choose(const QModelIndex &chosen)
{
    const QModelIndex first = chosen.sibling(chosen.row(), 0);
    if (!first.isValid())
        return;
    HideResults();
    emit SettingChosen(first.data(PageRole).toInt(),
                       nVornMCPCD100::AttributeId(first.data(AttributeRole).toUInt()),
                       first.data(IndexRole).toUInt());
}

bool CVornMotionSettingSearch::HandleFieldKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        // Escape clears a search; on an empty field it is the dialog's again (Cancel).
        if (field->text().isEmpty() && results->isHidden())
            return false;
        field->clear();
        HideResults();
        return true;
    case Qt::Key_Down:
        if (model->rowCount() == 0)
            return false;
        ShowResults();
        results->setFocus(Qt::TabFocusReason);
        results->setCurrentIndex(model->index(0, 0));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Return chooses the first setting found; it never presses the dialog's OK.
        if (model->rowCount() > 0)
            Choose(model->index(0, 0));
        return true;
    default:
        return false;
    }
}

bool CVornMotionSettingSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field && event->type() == QEvent::KeyPress)
        return HandleFieldKey(static_cast<QKeyEvent *>(event)->key());
    if (watched == field && event->type() == QEvent::FocusIn && model->rowCount() > 0)
        ShowResults();
    if (watched == results && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        HideResults();
        field->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
