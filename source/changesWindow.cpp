#include "changesWindow.h"

#include "itemViewKeys.h"
#include "pendingEditsModel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CVornMotionChangesWindow::CVornMotionChangesWindow(CVornMotionPendingEditsModel *model,
                                                   QWidget *parent)
    : QDialog(parent),
      model(model),
      view(new QTableView(this)),
      revertButton(new QPushButton(tr("&Revert"), this)),
      revertAllButton(new QPushButton(tr("Revert &All"), this))
{
    setObjectName(QStringLiteral("changesWindow"));
    setWindowTitle(tr("Pending Changes"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(640, 320);

    auto *heading = new QLabel(tr("Apply writes these changes to the axis; a change that follows "
                                  "from another is listed under it:"),
                               this);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    heading->setBuddy(view);

    view->setObjectName(QStringLiteral("changesView"));
    view->setAccessibleName(tr("Pending changes"));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->horizontalHeader()->setSectionsClickable(false);
    view->installEventFilter(this);
    (new CVornMotionItemViewKeys(this))->Guard(view);

    revertButton->setObjectName(QStringLiteral("revertChangeButton"));
    revertButton->setAccessibleName(tr("Revert the selected change"));
    revertButton->setAutoDefault(false);
    revertAllButton->setObjectName(QStringLiteral("revertAllChangesButton"));
    revertAllButton->setAccessibleName(tr("Revert all changes"));
    revertAllButton->setAutoDefault(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(revertButton, QDialogButtonBox::ActionRole);
    buttons->addButton(revertAllButton, QDialogButtonBox::ActionRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(view);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(view, &QAbstractItemView::activated, this, &CVornMotionChangesWindow::ChooseRow);
    connect(revertButton, &QPushButton::clicked, this, &CVornMotionChangesWindow::RevertCurrentRow);
    connect(revertAllButton, &QPushButton::clicked, this,
            &CVornMotionChangesWindow::RevertAllRequested);
    connect(model, &QAbstractItemModel::modelReset, this, &CVornMotionChangesWindow::UpdateButtons);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CVornMotionChangesWindow::UpdateButtons);
    UpdateButtons();
}

void CVornMotionChangesWindow::Present()
{
    if (!view->currentIndex().isValid() && model->rowCount() > 0)
        view->setCurrentIndex(model->index(0, 0));
    show();
    raise();
    activateWindow();
    view->setFocus(Qt::OtherFocusReason);
}

void CVornMotionChangesWindow::ChooseRow(const QModelIndex &index)
{
    if (const auto edit = model->EditAt(index.row()))
        emit SettingChosen(edit->id, edit->index);
}

void CVornMotionChangesWindow::RevertCurrentRow()
{
    const int row = view->currentIndex().row();
    if (const auto edit = model->EditAt(row)) {
        emit RevertRequested(edit->id, edit->index);
        // The next row moves up into the place of the one taken back.
        const int next = qMin(row, model->rowCount() - 1);
        if (next >= 0)
            view->setCurrentIndex(model->index(next, 0));
    }
}

void CVornMotionChangesWindow::UpdateButtons()
{
    const bool any = model->rowCount() > 0;
    revertButton->setEnabled(any && view->currentIndex().isValid());
    revertAllButton->setEnabled(any);
}

// Delete takes the current row back, as the Revert button does.
bool CVornMotionChangesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        RevertCurrentRow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
