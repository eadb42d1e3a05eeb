// Morvane Brismond table-set library.
// The ids with which a table set, its tables, measurements and sizes announce their changes.
#pragma once

#include <cstdint>

namespace brismond {

/// Handler ids: the first id of every event's path names the kind of object that sent it.
inline constexpr uint32_t kTableSetId = 1000;
inline constexpr uint32_t kTableId = 1001;
inline constexpr uint32_t kMeasurementId = 1002;
inline constexpr uint32_t kSizeId = 1003;

/// Properties of the set's before- and after-change events.
inline constexpr int32_t kSetImageFile = 0;
inline constexpr int32_t kSetImageDirectory = 1;

/// Properties of a table's before- and after-change events.
inline constexpr int32_t kTableSizes = 0; ///< the base size, the size naming or the table kind
inline constexpr int32_t kTableName = 1;
inline constexpr int32_t kTableModified = 2; ///< the answer of IsTableModified

/// Properties of a measurement's before- and after-change events.
inline constexpr int32_t kMeasurementValues = 0; ///< a value or the measurement's own size
inline constexpr int32_t kMeasurementName = 1;
inline constexpr int32_t kMeasurementComment = 2;
inline constexpr int32_t kMeasurementLengths = 3;

/// The property of a size's before- and after-change events: its name or number.
inline constexpr int32_t kSizeAll = 0xFFFF;

} // namespace brismond
