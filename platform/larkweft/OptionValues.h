// Morvane Larkweft options library.
// The typed options that the library makes and owns.
#pragma once

#include "platform/larkweft/Option.h"

#include <memory>

std::unique_ptr<IOptionInt> makeIntOption(OptionBinding binding, int32_t defaultValue);
std::unique_ptr<IOptionBool> makeBoolOption(OptionBinding binding, bool defaultValue);
std::unique_ptr<IOptionDouble> makeDoubleOption(OptionBinding binding, double defaultValue);
std::unique_ptr<IOptionString> makeStringOption(OptionBinding binding, std::string defaultValue);
