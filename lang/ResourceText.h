// Morvane language resources.
// Texts of the current language library by id, with their arguments filled in by position.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace morvane {

/// The text of the string resource in the current language library; empty when no library is
/// loaded or the library has no text of that id.
std::string loadString(uint32_t id);

/// The text with its markers "%1" … "%n" replaced by the arguments of those positions (%1 the
/// first). The one way a text with arguments is filled: a marker without an argument stays as
/// it is, a "%" not followed by a marker stays, an argument is put in as it is (a marker inside
/// it is not filled), and nothing of the text is ever read as a printf format. A marker takes
/// the longest number that names an argument: with twelve arguments "%12" is the twelfth, with
/// two it is the first followed by "2".
std::string fillArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

/// fillArguments(loadString(id), arguments).
std::string loadString(uint32_t id, std::initializer_list<std::string_view> arguments);

} // namespace morvane
