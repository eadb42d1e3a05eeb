// Morvane Hollicot formula parser.
// Splits a formula text into tokens, reading numbers the same way in every locale.
#pragma once

#include "platform/hollicot/Token.h"

#include <string_view>

namespace hollicot {

/// True for a byte that may stand in a name: not a blank or control character, not one of the
/// forbidden characters "~!@#$^&{}|<>?'[]:", the operators and separators "+-*/%,()" or the
/// punctuation "=.;". Bytes from 0x80 up are name characters.
bool isNameCharacter(char c);

/// True when text is exactly one name token.
bool isName(std::string_view text);

/// The tokens of text in order. Blanks, tabs, carriage returns and "//" comments are skipped. The
/// list covers the whole text: bytes that start no token become Bad tokens carrying their code,
/// and tokenizing goes on after them, so that names can be listed and renamed in any text.
TokenList tokenize(std::string_view text);

} // namespace hollicot
