#ifndef VORNAC_IOLINE_H
#define VORNAC_IOLINE_H

#include "ioStates.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>

#include <optional>

class CVornMotionAxisSettingsBase;
class QComboBox;
class QGroupBox;
class QLabel;
class QStackedWidget;
class QWidget;

// One electrical I/O line that a page shows: its type, active state and, for an output, safe
// state, in the standard layout or in the drive's own (where only the active state can be set),
// with its picture and group title. A type edit stores the states it re-maps as edits derived
// from it, so that the review list reverts them together.
class CVornMotionIoLine
{
public:
    struct Settings
    {
        nVornMCPCD100::AttributeId type;
        nVornMCPCD100::AttributeId activeState;
        // An output's safe state; 0 for an input.
        nVornMCPCD100::AttributeId safeState;
        // The third setting the drive fixes in its own layout: an input's filter, an output's
        // safe state.
        nVornMCPCD100::AttributeId fixedInDriveLayout;
        // The line's name, shown in the group title; 0 where the title stays as the form has it.
        nVornMCPCD100::AttributeId name;
        // Which attribute index the line uses (a UIProperty::IndexSource).
        int indexSource;
    };

    struct Widgets
    {
        QComboBox *type;
        QLabel *typeCaption;
        QComboBox *activeState;
        QLabel *activeStateCaption;
        QComboBox *driveActiveState; // the drive layout's; may be null
        QLabel *driveActiveStateCaption;
        QComboBox *safeState; // null for an input
        QLabel *safeStateCaption;
        QLabel *picture;
        // The captions beside the picture; the picture decides which sits on top.
        QWidget *activeCaption;
        QWidget *inactiveCaption;
        // The safe-state pictures of an output; may be null.
        QWidget *safePictureA;
        QWidget *safePictureB;
        // Page 0 the standard layout, page 1 the drive's; may be null.
        QStackedWidget *layouts;
        QGroupBox *group;
        // The group title: `titleWithName` takes the line's name as %1; `title` is shown when
        // the name cannot be read.
        QString titleWithName;
        QString title;
    };

    // The widgets of a line's picture.
    struct Picture
    {
        QLabel *picture;
        QWidget *activeCaption;
        QWidget *inactiveCaption;
        QWidget *safePictureA;
        QWidget *safePictureB;
    };

    CVornMotionIoLine(CVornMotionAxisSettingsBase *page, const Settings &settings,
                      const Widgets &widgets);

    // Draws the picture of a line of `type` in `state`; an output with safe-state pictures also
    // shows its `safe` state beside it.
    static void DrawPicture(const Picture &shown, qint32 type, qint32 state,
                            std::optional<nVornMCPCD100::AttributeValue> safe);
    // Shows the safe-state picture of `a` and `b` that fits the safe and the active state.
    static void ShowSafeStatePictures(qint32 safe, qint32 state, QWidget *a, QWidget *b);

    // Adds the bindings of the type and states to the page's table; `types` lists the types.
    void AddBindings(const qint32 *types);
    // Chooses the layout and the title for the line at the index the page uses now.
    void ShowLayout();
    // Shows the picture for the values pending or stored.
    void ShowPicture();

    // The write paths of the page's slots.
    void StoreType(int comboIndex);
    void StoreActiveState(const QComboBox *combo, int comboIndex);
    void StoreSafeState(int comboIndex);

    // Maps an active or safe state that lies outside its type's group into it: after a type edit,
    // and after edits were taken back, no pending state may contradict the pending type.
    void Reconcile();

    bool IsOutput() const;
    // False for a widget of the layout that the line does not use at `index`.
    bool CanShow(const QWidget *widget, quint32 index) const;

private:
    quint32 Index() const;
    // Only the active state can be set: the drive fixes the type and the third setting.
    bool IsDriveLayout(quint32 index) const;
    // Stores the counterpart in `group` of a state that lies in the other group.
    void MapIntoGroup(const IoStates::StateKind &kind, nVornMCPCD100::AttributeId state,
                      IoStates::Group group);

    CVornMotionAxisSettingsBase *page;
    Settings settings;
    Widgets widgets;
};

#endif
