#include "dioMappingDelegate.h"

#include "digitalPage.h"
#include "displayTexts.h"

#include <QComboBox>

namespace {
const int mappingColumn = 1;
} // namespace

CVornMotionDIOMappingDelegate::CVornMotionDIOMappingDelegate(CVornMotionAxisSettingsDigital *page)
    : QItemDelegate(page)
    , page(page)
{
}

QWidget *CVornMotionDIOMappingDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                     const QModelIndex &index) const
{
    if (index.column() != mappingColumn)
        return nullptr;
    return new QComboBox(parent);
}

void CVornMotionDIOMappingDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || index.column() != mappingColumn)
        return;
    page->FillMappingChoices(index.row(), combo);
    combo->setCurrentIndex(combo->findData(index.data(Qt::UserRole)));
}

void CVornMotionDIOMappingDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                                 const QModelIndex &index) const
{
    const auto *combo = qobject_cast<const QComboBox *>(editor);
    if (!combo || index.column() != mappingColumn || combo->currentIndex() < 0)
        return;
    const QVariant mapping = combo->currentData();
    if (!mapping.isValid() || mapping == index.data(Qt::UserRole))
        return;
    // One change of the model: the page sees the new text and value at once.
    model->setItemData(
        index, {{Qt::EditRole, GetDictionaryName(mapping.toUInt())}, {Qt::UserRole, mapping}});
}

void CVornMotionDIOMappingDelegate::updateEditorGeometry(QWidget *editor,
                                                         const QStyleOptionViewItem &option,
                                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
