#ifndef VORNAC_UNITSCALE_H
#define VORNAC_UNITSCALE_H

#include "valueReader.h"

#include <QString>

#include <optional>

// The axis's display units. Distance-based settings are stored in the units of the committed
// counts per unit; while a new counts-per-unit value is pending they are shown in its units.
// Which attribute defines counts per unit follows from the axis type, loop mode and feedback,
// pending values included.
class CVornMotionUnitScale
{
public:
    // Units texts hold up to this many characters; longer ones are refused.
    static constexpr qint32 LongestUnitsText = 512;
    static constexpr qint32 UnitsTextCapacity = LongestUnitsText + 1;

    CVornMotionUnitScale(nVornMCPCD100::iMotionConfigurationDatabase *db,
                         const CVornMotionChangeList *changeList);

    // The index of the encoder that gives feedback, or -1 for none.
    qint32 EncoderIndex() const;
    QString FeedbackUnits() const;
    QString DisplayUnits() const;

    bool IsCountsPerUnitPending() const;
    // The counts per unit, pending or committed; 1.0 when the axis has none.
    double CountsPerUnit() const;
    // The committed counts per unit; 1.0 when the axis has none.
    double StoredCountsPerUnit() const;

    void ToDisplayUnits(nVornMCPCD100::AttributeValue &value) const;
    void FromDisplayUnits(nVornMCPCD100::AttributeValue &value) const;

private:
    struct Source
    {
        nVornMCPCD100::AttributeId id;
        quint32 index;
    };

    std::optional<Source> CountsPerUnitSource() const;
    struct Factors
    {
        double pending;
        double stored;
    };
    // Nothing unless a counts-per-unit value is pending and both it and the committed one are
    // usable factors (finite, not zero).
    std::optional<Factors> RescaleFactors() const;
    double StoredValue(const Source &source) const;
    QString ReadUnitsText(nVornMCPCD100::AttributeId id, qint32 index) const;

    nVornMCPCD100::iMotionConfigurationDatabase *db;
    const CVornMotionChangeList *changeList;
    CVornMotionValueReader reader;
};

#endif
