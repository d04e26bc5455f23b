#ifndef VORNAC_TESTS_HOSTILEDRIVER_H
#define VORNAC_TESTS_HOSTILEDRIVER_H

#include "changeList.h"
#include "hostileDatabase.h"

#include <QDialogButtonBox>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <random>

class QDialog;

// The shipped profiles the hostile tests start from, one per seed in turn.
extern const char *const hostileProfiles[5];

// A person who does anything, in any order, to a dialog on a hostile host.
class Driver
{
public:
    Driver(HostileDatabase &database, unsigned seed)
        : database(database)
        , random(seed)
    {
    }
    ~Driver() { Close(); }

    void Step();
    // Closing without OK writes nothing.
    void Close();
    QDialog *Dialog();
    // Gives the open dialog the host's loop period, as a host does.
    void SetHostPeriod(double period);
    // After derivation against a database that answers as it holds, a second reload of every page
    // derives and stores nothing: no pending value contradicts another.
    void CheckFixedPoint();

    // Problems found: a commit, a Cancel or a close that wrote what it should not, or a refusal
    // the dialog did not report.
    QStringList problems;
    int refusedCommits = 0;
    int successfulCommits = 0;
    // Whether the driver also does what only code can: choose no item of a list, or a row a table
    // does not have.
    bool outOfReach = true;
    // The loop period the host last gave the open dialog, as a host gives it to a new one.
    std::optional<double> hostPeriod;

private:
    int Pick(int count) { return count > 0 ? int(random() % unsigned(count)) : 0; }
    // An item of a list of `count`, or none (-1) when out of reach is allowed.
    int PickItem(int count) { return outOfReach ? Pick(count + 1) - 1 : Pick(count); }
    // The widgets of the area shown that a person can reach.
    template <typename Widget> QList<Widget *> Usable();
    void ShowArea();
    void EditSpinBox();
    void EditCombo();
    void ClickButton();
    void MoveInTable();
    void ResetToDefault();
    void ReviewChanges();
    void SearchSetting();
    void UseSettingsFiles();
    void Commit(QDialogButtonBox::StandardButton which);
    void CheckFailedCommit(const std::map<CAxisDatabase::Key, AxisSetting> &before);
    void CheckCommitted(const std::map<CAxisDatabase::Key, AxisSetting> &before,
                        const QVector<CVornMotionChangeList::PendingEdit> &pending);

    HostileDatabase &database;
    std::mt19937 random;
    QDialog *dialog = nullptr;
    QTemporaryDir folder;
};

#endif
