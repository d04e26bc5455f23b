#ifndef VORNAC_ACCESSIBLENAMES_H
#define VORNAC_ACCESSIBLENAMES_H

#include <QObject>
#include <QString>
#include <QVector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QWidget;
class UIProperty;

// What assistive technology announces for the inputs of a page. A bound widget with a caption
// has it as its buddy and is named by its text; one without is named by its setting's display
// name. A check box or radio button adds the choice it makes, a radio button its group's title.
// The description is the setting's description: the tool tip without the marks of a pending
// edit. An input the page shows without a binding is named by the caption the form gives it.
class CVornMotionAccessibleNames : public QObject
{
    Q_OBJECT

public:
    // Call once the captions and tool tips are set.
    CVornMotionAccessibleNames(QWidget *page, const QVector<UIProperty *> &bindings);

    // Names again the inputs whose caption, choice or group title the page has rewritten. A page
    // not shown is named when it shows: a reload after a units edit reloads every page.
    void Update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Named
    {
        QWidget *widget;
        const QAbstractButton *button;
        QLabel *caption;
        QString displayName;
        // A radio button without text is chosen by the caption heading its column.
        QLabel *choice;
        QGroupBox *group;
        // The texts the name was made of last.
        QString shownCaption;
        QString shownChoice;
        QString shownGroup;
        bool isNamed;
    };

    void Add(QWidget *widget, QLabel *caption, const QString &displayName);
    void Rename();
    static QString NameOf(const Named &named);
    static void TakeCaption(QLabel *caption, QWidget *widget);

    QWidget *page;
    QVector<Named> named;
    bool stale = false;
};

#endif
