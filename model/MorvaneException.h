// Morvane model library.
// The one error type of the model, its code table GM_ERROR and the critical-error policy.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

class CEnumValueMap;

/// The results of the grade-model sources as the model sees them. 11 and 12 are reserved: they
/// keep their numbers and have no name.
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

/// A critical error of the model: thrown (by value) for a GM_ERROR code that must end the
/// program. The program catches it, shows GetFormatError() (also what()) and closes.
class CMorvaneException : public std::exception
{
public:
    explicit CMorvaneException(GM_ERROR code);

    GM_ERROR GetErrorCode() const { return m_eError; }
    /// "Critical error '%s'!\nApplication will close!" with the code's name; for a code without
    /// a name (11, 12, or outside 0..21) the quotes enclose nothing.
    std::string GetFormatError() const;
    /// The same text.
    const char *what() const noexcept override;

    /// Whether code is an error (not GM_NO_ERROR).
    static bool HasError(GM_ERROR code);
    /// Throws a CMorvaneException for the critical codes (2 to 14 and 16 to 21); returns without
    /// effect for GM_NO_ERROR, GM_NO_SUCH_FILE (the caller reports a missing file itself),
    /// GM_COULD_NOT_CLOSE_SOCKET and any value outside the table.
    static void HandleCriticalError(GM_ERROR code);
    /// The names of the codes ("GM_NO_ERROR", ...), in ascending order of code.
    static const CEnumValueMap &GetErrorNames();

private:
    GM_ERROR m_eError;
    std::string m_sMessage;
};
