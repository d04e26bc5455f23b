#ifndef VORNAC_CAPTUREPAGE_H
#define VORNAC_CAPTUREPAGE_H

#include "ioLine.h"
#include "settingsBase.h"

#include "ui_capture.h"

// The position-capture input: the edge that captures, and the input's type, active state and
// filter, in the standard layout or the drive's own.
class CVornMotionAxisSettingsCapture : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsCapture(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

private slots:
    void on_ccpCaptureEdge_currentIndexChanged(int curIndex);
    void on_ccpCaptureActiveState_currentIndexChanged(int curIndex);
    void on_ccpCaptureActiveState_Drive_currentIndexChanged(int curIndex);
    void on_ccpCaptureInputType_currentIndexChanged(int curIndex);
    void on_ccpCaptureFilterFreq_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void LoadProperties() override;

private:
    void ShowEdgePicture();

    Ui::CVornMotionAxisSettingsCaptureClass ui;
    CVornMotionIoLine *input = nullptr;
};

#endif
