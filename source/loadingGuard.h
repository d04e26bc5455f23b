#ifndef VORNAC_LOADINGGUARD_H
#define VORNAC_LOADINGGUARD_H

#include "changeList.h"

// Sets the change list's `loading` flag for a scope and restores the value it had, on every exit,
// so nested loads never clear an outer guard.
class CVornMotionLoadingGuard
{
public:
    explicit CVornMotionLoadingGuard(CVornMotionChangeList *changeList, bool loading = true)
        : changeList(changeList), previous(changeList->loading)
    {
        changeList->loading = loading;
    }
    ~CVornMotionLoadingGuard() { changeList->loading = previous; }

    CVornMotionLoadingGuard(const CVornMotionLoadingGuard &) = delete;
    CVornMotionLoadingGuard &operator=(const CVornMotionLoadingGuard &) = delete;

private:
    CVornMotionChangeList *changeList;
    bool previous;
};

#endif
