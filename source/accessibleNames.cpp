#include "accessibleNames.h"

#include "displayTexts.h"
#include "properties/uiProperty.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <utility>

namespace {

QString PlainText(const QLabel *label)
{
    if (!label)
        return QString();
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return (rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).simplified();
}

QGroupBox *GroupOf(const QWidget *widget)
{
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *group = qobject_cast<QGroupBox *>(parent))
            return group;
    }
    return nullptr;
}

// The nearest caption above `button` whose width spans the button's middle: the heading of its
// column in a grid of radio buttons.
QLabel *ColumnCaptionOf(const QWidget *button)
{
    QLabel *heading = nullptr;
    const int middle = button->geometry().center().x();
    for (QLabel *label :
         button->parentWidget()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect place = label->geometry();
        if (place.bottom() < button->y() && place.left() <= middle && middle <= place.right()
            && (!heading || place.bottom() > heading->geometry().bottom()))
            heading = label;
    }
    return heading;
}

QString Joined(const QString &first, const QString &second)
{
    return QCoreApplication::translate("CVornMotionAccessibleNames", "%1: %2").arg(first, second);
}

} // namespace

CVornMotionAccessibleNames::CVornMotionAccessibleNames(QWidget *page,
                                                       const QVector<UIProperty *> &bindings)
    : page(page)
{
    // Captions the form gives: to widgets the page words itself, and to inputs without binding.
    QHash<QWidget *, QLabel *> formCaptions;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->buddy())
            formCaptions.insert(label->buddy(), label);
    }
    QSet<QWidget *> bound;
    for (const UIProperty *binding : bindings) {
        if (!binding->NamesWidgets())
            continue;
        const QString displayName = GetDisplayNameOrId(binding->Attribute());
        const QString description = GetDictionaryDescription(binding->Attribute());
        for (QWidget *widget : binding->Widgets()) {
            if (bound.contains(widget))
                continue;
            bound.insert(widget);
            QLabel *caption = binding->Caption() ? binding->Caption() : formCaptions.value(widget);
            Add(widget, caption, displayName);
            // Set, so that Qt does not fall back to the tool tip, which marks pending edits.
            widget->setAccessibleDescription(description.isEmpty() ? displayName : description);
        }
    }
    for (auto each = formCaptions.cbegin(); each != formCaptions.cend(); ++each) {
        if (!bound.contains(each.key()))
            Add(each.key(), each.value(), QString());
    }
    Rename();
    page->installEventFilter(this);
}

void CVornMotionAccessibleNames::Add(QWidget *widget, QLabel *caption, const QString &displayName)
{
    const bool radio = qobject_cast<QRadioButton *>(widget);
    named.append({widget, qobject_cast<const QAbstractButton *>(widget), caption, displayName,
                  radio && static_cast<QRadioButton *>(widget)->text().isEmpty()
                      ? ColumnCaptionOf(widget)
                      : nullptr,
                  radio ? GroupOf(widget) : nullptr, QString(), QString(), QString(), false});
}

void CVornMotionAccessibleNames::Update()
{
    stale = !page->isVisible();
    if (!stale)
        Rename();
}

bool CVornMotionAccessibleNames::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page && event->type() == QEvent::Show && stale) {
        stale = false;
        Rename();
    }
    return QObject::eventFilter(watched, event);
}

void CVornMotionAccessibleNames::Rename()
{
    for (Named &each : named) {
        const QString caption = each.caption ? each.caption->text() : QString();
        const QString choice
            = each.choice ? each.choice->text() : (each.button ? each.button->text() : QString());
        const QString group = each.group ? each.group->title() : QString();
        if (each.isNamed && caption == each.shownCaption && choice == each.shownChoice
            && group == each.shownGroup)
            continue;
        each.shownCaption = caption;
        each.shownChoice = choice;
        each.shownGroup = group;
        each.isNamed = true;
        each.widget->setAccessibleName(NameOf(each));
        TakeCaption(each.caption, each.widget);
    }
}

QString CVornMotionAccessibleNames::NameOf(const Named &named)
{
    QString base = PlainText(named.caption);
    QString choice = named.choice ? PlainText(named.choice) : named.shownChoice.simplified();
    const bool radio = qobject_cast<QRadioButton *>(named.widget);
    // A check box without caption is captioned by its own text.
    if (base.isEmpty() && !radio && !choice.isEmpty())
        base = std::exchange(choice, QString());
    if (base.isEmpty())
        base = named.displayName;
    QString name = choice.isEmpty() || choice == base ? base : Joined(base, choice);
    // "Active High" says nothing without the group it sets.
    if (radio && !named.shownGroup.isEmpty()
        && !base.contains(named.shownGroup, Qt::CaseInsensitive))
        name = QCoreApplication::translate("CVornMotionAccessibleNames", "%1, %2")
                   .arg(named.shownGroup, name);
    return name;
}

void CVornMotionAccessibleNames::TakeCaption(QLabel *caption, QWidget *widget)
{
    if (!caption)
        return;
    // A buddy turns an ampersand of the caption into a keyboard shortcut; a units text typed by a
    // person may hold one.
    QWidget *buddy = caption->text().contains(QLatin1Char('&')) ? nullptr : widget;
    if (caption->buddy() != buddy)
        caption->setBuddy(buddy);
}
