#include "unitScale.h"

#include "axisIds.h"
#include "changeList.h"

#include <cmath>
#include <limits>
#include <vector>

using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

bool IsUsableFactor(double value)
{
    return std::isfinite(value) && value != 0.0;
}

} // namespace

CVornMotionUnitScale::CVornMotionUnitScale(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                           const CVornMotionChangeList *changeList)
    : db(db), changeList(changeList), reader(db, changeList)
{
}

qint32 CVornMotionUnitScale::EncoderIndex() const
{
    if (reader.ReadInteger(encoderCount, 0) <= 0)
        return -1;
    qint64 offset = 0;
    switch (reader.ReadInteger(feedback, 0)) {
    case firstEncoderFeedback:
        offset = 0;
        break;
    case secondEncoderFeedback:
        offset = 1;
        break;
    default:
        return -1;
    }
    const qint64 index = qint64(reader.ReadInteger(firstEncoder, 0)) + offset;
    if (index < 0 || index > std::numeric_limits<qint32>::max())
        return -1;
    return qint32(index);
}

QString CVornMotionUnitScale::FeedbackUnits() const
{
    switch (reader.ReadInteger(feedback, 0)) {
    case firstEncoderFeedback:
    case secondEncoderFeedback:
        return ReadUnitsText(encoderUnits, EncoderIndex());
    case analogFeedback:
        return ReadUnitsText(analogUnits, 0);
    default:
        return QString();
    }
}

QString CVornMotionUnitScale::DisplayUnits() const
{
    switch (reader.ReadInteger(axisType, 0)) {
    case servoAxis:
        return FeedbackUnits();
    case stepperAxis:
        if (reader.ReadInteger(feedback, 0) != noFeedback)
            return FeedbackUnits();
        return ReadUnitsText(stepperUnits, 0);
    default:
        return QString();
    }
}

QString CVornMotionUnitScale::ReadUnitsText(nVornMCPCD100::AttributeId id, qint32 index) const
{
    if (index < 0)
        return QString();
    return reader.ReadString(id, quint32(index), UnitsTextCapacity);
}

std::optional<CVornMotionUnitScale::Source> CVornMotionUnitScale::CountsPerUnitSource() const
{
    const qint32 type = reader.ReadInteger(axisType, 0);
    if (type == stepperAxis && reader.ReadInteger(stepperLoopMode, 0) == openLoop)
        return Source{stepsPerUnit, 0};
    if (type != servoAxis && type != stepperAxis)
        return std::nullopt;
    switch (reader.ReadInteger(feedback, 0)) {
    case firstEncoderFeedback:
    case secondEncoderFeedback: {
        const qint32 index = EncoderIndex();
        if (index < 0)
            return std::nullopt;
        return Source{encoderCountsPerUnit, quint32(index)};
    }
    case analogFeedback:
        return Source{analogCountsPerUnit, 0};
    default:
        return std::nullopt;
    }
}

bool CVornMotionUnitScale::IsCountsPerUnitPending() const
{
    const std::optional<Source> source = CountsPerUnitSource();
    return source && changeList->Contains(source->id, source->index);
}

double CVornMotionUnitScale::CountsPerUnit() const
{
    const std::optional<Source> source = CountsPerUnitSource();
    return source ? reader.ReadReal(source->id, source->index) : 1.0;
}

double CVornMotionUnitScale::StoredCountsPerUnit() const
{
    const std::optional<Source> source = CountsPerUnitSource();
    return source ? StoredValue(*source) : 1.0;
}

double CVornMotionUnitScale::StoredValue(const Source &source) const
{
    AttributeValue value = {};
    db->GetAttribute(source.id, source.index, &value);
    return value.realValue;
}

std::optional<CVornMotionUnitScale::Factors> CVornMotionUnitScale::RescaleFactors() const
{
    // Worked out once: every scaled value shown or stored asks.
    const std::optional<Source> source = CountsPerUnitSource();
    if (!source || !changeList->Contains(source->id, source->index))
        return std::nullopt;
    const Factors factors = {reader.ReadReal(source->id, source->index), StoredValue(*source)};
    if (!IsUsableFactor(factors.pending) || !IsUsableFactor(factors.stored))
        return std::nullopt;
    return factors;
}

void CVornMotionUnitScale::ToDisplayUnits(AttributeValue &value) const
{
    if (const std::optional<Factors> factors = RescaleFactors())
        value.realValue = (factors->stored / factors->pending) * value.realValue;
}

void CVornMotionUnitScale::FromDisplayUnits(AttributeValue &value) const
{
    if (const std::optional<Factors> factors = RescaleFactors())
        value.realValue = (factors->pending / factors->stored) * value.realValue;
}
