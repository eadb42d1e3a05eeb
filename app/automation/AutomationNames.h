// Morvane automation service.
// The names under which the program serves its automation on the session bus.
#pragma once

namespace morvane::automation {

/// The service a client asks for; a second program takes kServiceName + ".p<pid>".
inline constexpr char kServiceName[] = "org.morvane.Morvane";

inline constexpr char kDocumentPath[] = "/Document";
inline constexpr char kBatchProcessPath[] = "/Document/BatchProcess";
inline constexpr char kPatternPath[] = "/Document/Pattern";
inline constexpr char kPolylinePath[] = "/Document/Pattern/Polyline";
inline constexpr char kMeasureTablePath[] = "/Document/MeasureTable";
inline constexpr char kMeasurementPath[] = "/Document/MeasureTable/Measurement";

/// The interface and method a client's object answers when its run ends.
inline constexpr char kClientInterface[] = "org.morvane.Client";
inline constexpr char kClientReturnMethod[] = "OnReturn";

} // namespace morvane::automation
