#ifndef VORNAC_VORNMOTIONAXISCONFIGURATION_H
#define VORNAC_VORNMOTIONAXISCONFIGURATION_H

#include <vornac/vornacGlobal.h>

class QDialog;
class CmxProvider;
class CVornMotionAxisSettings;

namespace nVornMCPCD100 {
class iMotionConfigurationDatabase;
}

// The module's whole outside face. Every function runs on the host's GUI thread. Functions that
// take a QDialog* act only on a live dialog that CreateMotionAxisConfigurationDialog returned and
// that has not been deleted; for any other pointer (null included) they do nothing and return 0.
class VORNAC_EXPORT CVornMotionAxisConfiguration
{
public:
    // Creates and shows the configuration dialog for the axis behind `database`. The database and
    // the provider stay the host's and must outlive the dialog; `provider` may be null (no help).
    // Returns null, creating nothing, when `database` is null.
    static QDialog *CreateMotionAxisConfigurationDialog(
        nVornMCPCD100::iMotionConfigurationDatabase *database, CmxProvider *provider);

    // Deletes the dialog with its pages; pending edits are discarded, not written.
    static void DeleteMotionAxisConfigurationDialog(QDialog *dialog);

    // The page identifier last shown in the dialog.
    static int GetCurrentPage(QDialog *dialog);

    // Shows `page` if it fits the axis, else the general page.
    static void SetStartPage(QDialog *dialog, int page);

    // The host's scan period in seconds. The position loop period must divide it: a stepper axis
    // gets the first compatible period pending; a servo axis with an incompatible period shows
    // the position loop page and blocks OK and Apply. Periods that are not finite or not above
    // 1 µs are ignored.
    static void SetHostLoopRate(QDialog *dialog, double period);

    // 1 when a commit of this dialog wrote a setting that needs configuration mode, else 0.
    static int IsSwitchToConfigModeRequired(QDialog *dialog);

private:
    CVornMotionAxisConfiguration(nVornMCPCD100::iMotionConfigurationDatabase *database,
                                 CmxProvider *provider);
    ~CVornMotionAxisConfiguration();
    CVornMotionAxisConfiguration(const CVornMotionAxisConfiguration &) = delete;
    CVornMotionAxisConfiguration &operator=(const CVornMotionAxisConfiguration &other);

    CVornMotionAxisSettings *dialog;
};

#endif
