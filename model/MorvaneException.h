// Morvane model library.
// The one error type of the model, its code table GM_ERROR and the critical-error policy.
#pragma once

#include "sources/grade-model/GradeModelError.h"

#include <cstdint>
#include <exception>
#include <string>

class CEnumValueMap;

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
