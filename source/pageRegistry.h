#ifndef VORNAC_PAGEREGISTRY_H
#define VORNAC_PAGEREGISTRY_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>

class CVornMotionAxisSettings;
class CVornMotionAxisSettingsBase;
class CVornMotionChangeList;
class QWidget;

// The settings pages of the navigation page: one row per page identifier with its class, its
// button, the identifier of its tool tip and its help topic. A new page is one more row.
struct PageEntry
{
    using Factory = CVornMotionAxisSettingsBase *(*)(nVornMCPCD100::iMotionConfigurationDatabase *,
                                                     CVornMotionChangeList *,
                                                     CVornMotionAxisSettings *, QWidget *);

    int pageId;
    const char *name;
    const char *button;
    nVornMCPCD100::AttributeId toolTipId;
    const char *helpTopic;
    Factory create; // null while the page is not part of the module
};

namespace PageRegistry {

// The row of a page identifier, or null for an identifier the table does not list.
const PageEntry *Find(int pageId);
// The help topic of a page; the general database topic for any other identifier.
QString HelpTopic(int pageId);
// Every row, in table order.
const PageEntry *begin();
const PageEntry *end();

} // namespace PageRegistry

#endif
