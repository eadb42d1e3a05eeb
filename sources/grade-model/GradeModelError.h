// Morvane grade-model interfaces.
// The result codes that grade-model operations return.
#pragma once

#include <cstdint>

/// The result of a grade-model operation: GM_NO_ERROR (0) on success. Callers pass every result
/// to the model's critical-error check, which ends the operation for the critical codes. Codes 11
/// and 12 are reserved: they keep their numbers and have no name.
enum GM_ERROR : int32_t {
    GM_NO_ERROR = 0,
    GM_NO_SUCH_FILE = 1,
    GM_BAD_STRUCTURE = 2,
    GM_VERSION_MISMATCH = 3,
    GM_DISK_FULL = 4,
    GM_WRITE_DENIED = 5,
    GM_IO_ERROR = 6,
    GM_LACK_OF_MEMORY = 7,
    GM_UNEXPECTED_INTERNAL_ERROR = 8,
    GM_VARNE_ERROR = 9,
    GM_OTHER_LOAD_SAVE_ERROR = 10,
    GM_NO_MORVANE_CONNECTION = 13,
    GM_COULD_NOT_OPEN_SOCKET = 14,
    GM_COULD_NOT_CLOSE_SOCKET = 15,
    GM_COULD_NOT_CHANGE_SOCKET_STATE = 16,
    GM_COULD_NOT_READ_IN_SOCKET = 17,
    GM_COULD_NOT_WRITE_IN_SOCKET = 18,
    GM_NO_CLIENT_CONNECTION_TO_SOCKET = 19,
    GM_EMPTY_REQUEST = 20,
    GM_INVALID_REQUEST_FORMAT = 21,
};
