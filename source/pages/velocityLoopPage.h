#ifndef VORNAC_VELOCITYLOOPPAGE_H
#define VORNAC_VELOCITYLOOPPAGE_H

#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_velocityLoop.h"

#include <optional>

// The velocity loop of a drive: gains, speed limiters, the loop period and four anti-resonance
// filters. A filter is a biquad of four values that the page derives from its type's own
// parameters; only the general biquad is entered directly.
class CVornMotionSettingsVelocityLoop : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionSettingsVelocityLoop(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                    CVornMotionChangeList *changeList,
                                    CVornMotionAxisSettings *dialog, QWidget *parent);

    void on_invalidSettings(bool state) override;
    void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble) override;
    void ReconcileDerivedEdits() override;

private slots:
    void on_velocityLoopFilterType_currentIndexChanged(int index);
    void on_velocityLoopTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                                 int previousColumn);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;
    QString InstanceName(const UIProperty *binding, quint32 index) const override;
    QVector<quint32> Instances(const UIProperty *binding) const override;
    void ShowSettingAt(const UIProperty *binding, quint32 index) override;
    bool CanShow(const UIProperty *binding, quint32 index) const override;

private:
    static QString FilterName(qint64 filter);
    // Numerator and denominator frequency and Q; a value absent could not be derived.
    struct Biquad
    {
        std::optional<double> values[4];
    };

    Biquad DeriveBiquad(quint32 filter);
    void ShowBiquad(const Biquad &biquad);
    // Stores the values that differ from those held, as edits derived from `cause` (0: none).
    void StoreBiquad(quint32 filter, const Biquad &biquad, nVornMCPCD100::AttributeId cause);
    // Shows the filter's biquad and stores what differs, derived from the edit of `cause`.
    void RecomputeBiquad(nVornMCPCD100::AttributeId cause);
    // The first pending edit of a filter's type or parameters; 0 when none is pending.
    nVornMCPCD100::AttributeId PendingCauseOf(quint32 filter) const;
    std::optional<double> Current(nVornMCPCD100::AttributeId attr, quint32 filter);
    std::optional<double> Default(nVornMCPCD100::AttributeId attr, quint32 filter);
    int FirstFilterRow() const;

    Ui::CVornMotionAxisSettingsVelocityLoopClass ui;
    CVornMotionSectionTable sections;
};

#endif
