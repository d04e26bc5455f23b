#ifndef VORNAC_SPLINEPAGE_H
#define VORNAC_SPLINEPAGE_H

#include "settingsBase.h"

#include "ui_spline.h"

// The spline that interpolates contour moves, with a picture of the curve it draws.
class CVornMotionAxisSettingsSpline : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsSpline(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                  CVornMotionChangeList *changeList,
                                  CVornMotionAxisSettings *dialog, QWidget *parent);

private slots:
    void on_trjSplineType_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void UpdateCaptions() override;

private:
    void ShowPicture();

    Ui::CVornMotionAxisSettingsSplineClass ui;
};

#endif
