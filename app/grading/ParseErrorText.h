// Morvane program grading.
// The messages of the formula parser's error codes.
#pragma once

#include <string>

/// The string id of the message of a parser error code: 61263 to 61276 for the codes -1 to -14,
/// 61277 for any other code.
int parseErrorStringId(int code);

/// The message of a parser error code; codes outside -14 to -1 share one message.
std::string GetParseErrorText(int code);

/// A parser error as reports give it: "error <code> (<message>) in "<text at fault>"".
std::string describeParseError(int code, const std::string &faultyText);

/// The report of a formula the parser refused: the formula's display text, the code, the code's
/// message and the text at fault.
std::string formatParseFailure(const std::string &formulaText, int code,
                               const std::string &faultyText);
