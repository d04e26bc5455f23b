#ifndef VORNAC_AXISIDS_H
#define VORNAC_AXISIDS_H

#include <vornac/iMotionConfigurationDatabase.h>

// Identifiers of the axis-wide settings and values that several units read.
namespace AxisIds {

using nVornMCPCD100::AttributeId;

const AttributeId axisType = 0xA30001;
const AttributeId feedback = 0xA30003;
const AttributeId stepperUnits = 0xA30005;
const AttributeId stepsPerUnit = 0xA30006;
const AttributeId stepperLoopMode = 0xA30007;
const AttributeId encoderUnits = 0xA30034;
const AttributeId encoderCountsPerUnit = 0xA30035;
const AttributeId analogUnits = 0xA30040;
const AttributeId analogCountsPerUnit = 0xA30041;
const AttributeId positionLoopPeriod = 0xA3004B;
const AttributeId encoderCount = 0xA300C6;
const AttributeId firstEncoder = 0xA10061;
const AttributeId firstGainSet = 0xA10060;

// Values of the axis type.
const qint32 servoAxis = 0xA3006B;
const qint32 stepperAxis = 0xA3006C;
// Values of the stepper loop mode.
const qint32 openLoop = 0xA30070;
const qint32 closedLoop = 0xA30071;
// Values of the feedback device.
const qint32 firstEncoderFeedback = 0xA3006D;
const qint32 secondEncoderFeedback = 0xA3006F;
const qint32 analogFeedback = 0xA3006E;
const qint32 noFeedback = 0xA300BE;

// Page identifiers.
const int generalPage = 0xA300D5;
const int positionLoopPage = 0xA300AA;

} // namespace AxisIds

#endif
