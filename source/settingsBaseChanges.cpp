// The page's part in reviewing pending edits: marks on the widgets of pending settings, the texts
// of an edit in display units, and turning the page to a setting.
#include "settingsBase.h"

#include "changeMarks.h"
#include "displayTexts.h"
#include "ioLine.h"
#include "sectionTable.h"
#include "settingIndex.h"
#include "valueReader.h"

#include <QLabel>
#include <QSet>
#include <QStackedWidget>
#include <QTableWidget>

#include <algorithm>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {
// Stored texts are read with room for this many code units, as pages load them.
const qint32 storedTextCapacity = 1024;

// The page of `stack` that holds `widget`, or -1.
int StackPageHolding(const QStackedWidget *stack, const QWidget *widget)
{
    for (int page = 0; page < stack->count(); ++page) {
        if (stack->widget(page)->isAncestorOf(widget))
            return page;
    }
    return -1;
}
} // namespace

std::optional<CVornMotionAxisSettingsBase::EditTexts>
CVornMotionAxisSettingsBase::DescribeEdit(const CVornMotionChangeList::PendingEdit &edit)
{
    // A derived setting that no widget shows reads as its cause does, in the same units.
    const UIProperty *binding = WordingBinding(edit.id, edit.index);
    if (!binding && edit.IsDerived())
        binding = WordingBinding(edit.causeId, edit.index);
    if (!binding)
        return std::nullopt;
    EditTexts texts = ValueTexts(binding, edit.index, edit);
    texts.setting = GetDisplayNameOrId(edit.id);
    texts.instance = InstanceName(binding, edit.index);
    return texts;
}

const UIProperty *CVornMotionAxisSettingsBase::WordingBinding(AttributeId attr, quint32 index) const
{
    // A setting bound in several layouts reads as the layout in use shows it.
    const UIProperty *first = nullptr;
    for (const UIProperty *binding : std::as_const(properties)) {
        if (binding->Attribute() != attr)
            continue;
        if (!binding->Widgets().isEmpty() && CanShow(binding, index))
            return binding;
        if (!first)
            first = binding;
    }
    return first;
}

bool CVornMotionAxisSettingsBase::ShowsSetting(AttributeId attr) const
{
    return std::any_of(properties.cbegin(), properties.cend(), [attr](const UIProperty *binding) {
        return binding->Attribute() == attr && !binding->Widgets().isEmpty();
    });
}

QWidget *CVornMotionAxisSettingsBase::RevealSetting(AttributeId attr, quint32 index)
{
    // A setting may be bound in several layouts of which one shows: the first that does wins.
    for (UIProperty *binding : std::as_const(properties)) {
        if (binding->Attribute() != attr || binding->Widgets().isEmpty())
            continue;
        QWidget *widget = nullptr;
        if (binding->InstancesSideBySide()) {
            widget = binding->TurnTo(index);
        } else {
            ShowSettingAt(binding, index);
            widget = binding->Widgets().constFirst();
        }
        if (widget && widget->isVisibleTo(this)) {
            widget->setFocus(Qt::OtherFocusReason);
            return widget;
        }
    }
    return nullptr;
}

void CVornMotionAxisSettingsBase::AddSettingsTo(CVornMotionSettingIndex &index, int pageId,
                                                const QString &area)
{
    QSet<QPair<AttributeId, quint32>> added;
    for (const UIProperty *binding : std::as_const(properties)) {
        if (binding->Widgets().isEmpty())
            continue;
        const AttributeId attr = binding->Attribute();
        for (const quint32 instance : Instances(binding)) {
            // A setting bound in two layouts is one setting; one the page never shows is none.
            if (added.contains({attr, instance}) || !CanShow(binding, instance))
                continue;
            added.insert({attr, instance});
            index.Add({pageId, area, attr, instance, GetDisplayNameOrId(attr),
                       InstanceName(binding, instance)},
                      GetDictionaryDescription(attr));
        }
    }
}

QVector<quint32> CVornMotionAxisSettingsBase::Instances(const UIProperty *binding) const
{
    return binding->InstancesSideBySide().value_or(QVector<quint32>{IndexOf(binding)});
}

bool CVornMotionAxisSettingsBase::CanShow(const UIProperty *binding, quint32 index) const
{
    const QVector<QWidget *> widgets = binding->Widgets();
    if (widgets.isEmpty() || !binding->IsShown()
        || !db->IsAttributeSupported(binding->Attribute(), index))
        return false;
    for (const auto &sections : sectionStacks) {
        const int page
            = sections.second ? StackPageHolding(sections.second, widgets.constFirst()) : -1;
        if (page >= 0 && !sections.first->ListsStackPage(page))
            return false;
    }
    for (const QStackedWidget *stack : layoutStacks) {
        const int page = StackPageHolding(stack, widgets.constFirst());
        if (page >= 0 && page != stack->currentIndex())
            return false;
    }
    return std::all_of(ioLines.cbegin(), ioLines.cend(), [&](const auto &line) {
        return line->CanShow(widgets.constFirst(), index);
    });
}

void CVornMotionAxisSettingsBase::AttachLayoutStack(QStackedWidget *stack)
{
    layoutStacks.append(stack);
}

void CVornMotionAxisSettingsBase::RecheckProblems()
{
}

QString CVornMotionAxisSettingsBase::InstanceName(const UIProperty *, quint32) const
{
    return QString();
}

void CVornMotionAxisSettingsBase::ShowSettingAt(const UIProperty *binding, quint32)
{
    const QVector<QWidget *> widgets = binding->Widgets();
    if (widgets.isEmpty())
        return;
    for (const auto &sections : std::as_const(sectionStacks)) {
        const int page
            = sections.second ? StackPageHolding(sections.second, widgets.constFirst()) : -1;
        if (page >= 0)
            sections.first->SelectStackPage(page);
    }
}

void CVornMotionAxisSettingsBase::AttachSections(CVornMotionSectionTable &sections,
                                                 QTableWidget *table, QStackedWidget *stack)
{
    sections.Attach(table);
    sectionStacks.append({&sections, stack});
}

void CVornMotionAxisSettingsBase::UpdateChangeMarks()
{
    if (outline)
        return;
    // The places of a widget that shows instances side by side hold their marks themselves.
    for (UIProperty *binding : std::as_const(properties)) {
        const std::optional<QVector<quint32>> instances = binding->InstancesSideBySide();
        for (const quint32 index : instances.value_or(QVector<quint32>()))
            binding->MarkPendingAt(index, PendingToolTip(binding, index));
    }
    if (changeList->Count() == 0 && changeMarks->IsEmpty())
        return;
    for (const UIProperty *binding : std::as_const(properties)) {
        const QString toolTip = binding->InstancesSideBySide()
                                    ? QString()
                                    : PendingToolTip(binding, IndexOf(binding));
        if (toolTip.isEmpty())
            continue;
        QLabel *caption = CaptionOf(binding);
        if (caption)
            changeMarks->Mark(caption, toolTip, true);
        for (QWidget *widget : binding->Widgets())
            changeMarks->Mark(widget, toolTip, !caption);
    }
    changeMarks->Apply();
}

QString CVornMotionAxisSettingsBase::PendingToolTip(const UIProperty *binding, quint32 index)
{
    const std::optional<CVornMotionChangeList::PendingEdit> edit
        = changeList->PendingEditOf(binding->Attribute(), index);
    if (!edit)
        return QString();
    const EditTexts texts = ValueTexts(binding, index, *edit);
    const QString line = tr("Stored: %1  Pending: %2").arg(texts.stored, texts.pending);
    const QString description = GetDictionaryDescription(binding->Attribute());
    return EscapedToolTip(description.isEmpty()
                              ? line
                              : line + QStringLiteral("\n\n") + WrapToolTipText(description));
}

// A caption the page words itself is no part of the binding; the form names it as buddy.
QLabel *CVornMotionAxisSettingsBase::CaptionOf(const UIProperty *binding) const
{
    if (QLabel *caption = binding->Caption())
        return caption;
    const QVector<QWidget *> widgets = binding->Widgets();
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy() && widgets.contains(label->buddy()))
            return label;
    }
    return nullptr;
}

CVornMotionAxisSettingsBase::EditTexts
CVornMotionAxisSettingsBase::ValueTexts(const UIProperty *binding, quint32 index,
                                        const CVornMotionChangeList::PendingEdit &edit)
{
    EditTexts texts;
    if (edit.isString) {
        const std::optional<QString> stored
            = CVornMotionValueReader(db, changeList)
                  .ReadStoredString(edit.id, index, storedTextCapacity);
        texts.stored = stored ? *stored : tr("(unreadable)");
        texts.pending = edit.text;
        return texts;
    }
    AttributeValue stored = {};
    texts.stored = db->GetAttribute(edit.id, index, &stored) >= 0
                       ? DisplayedText(binding, index, stored, QString())
                       : tr("(unreadable)");
    texts.pending = DisplayedText(binding, index, edit.value, QString());
    return texts;
}

QString CVornMotionAxisSettingsBase::DisplayedText(const UIProperty *binding, quint32 index,
                                                   AttributeValue value, const QString &text)
{
    if (IsScaled(binding->Attribute(), index))
        ToDisplayUnits(binding->Attribute(), index, value);
    return binding->ValueText(value, text);
}
