#ifndef VORNAC_TESTS_PAGEFIXTURE_H
#define VORNAC_TESTS_PAGEFIXTURE_H

#include "axisFixtures.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStackedWidget>

#include <memory>

// A live dialog of the module around one page under test, placed where the navigation page puts
// its pages, so keys, focus and the dialog's buttons behave as they do for a user.
template <typename Page>
class PageFixture
{
public:
    explicit PageFixture(CAxisDatabase &database)
        : dialog(CVornMotionAxisSettings::FromHostPointer(
            CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database, nullptr)))
    {
        auto *stack = dialog->findChild<QStackedWidget *>(QStringLiteral("settingsModePage"));
        page = new Page(&database, dialog->ChangeList(), dialog, stack);
        stack->addWidget(page);
        stack->setCurrentWidget(page);
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog);
    }
    ~PageFixture() { CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog); }

    PageFixture(const PageFixture &) = delete;
    PageFixture &operator=(const PageFixture &) = delete;

    CVornMotionChangeList *Changes() const { return dialog->ChangeList(); }
    QPushButton *Button(QDialogButtonBox::StandardButton which) const
    {
        return dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which);
    }

    CVornMotionAxisSettings *dialog;
    Page *page;
};

#endif
