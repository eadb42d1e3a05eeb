// Morvane program foundation extras fuzz target.
// Splits outside text (paths, separated lists, typed lengths) and checks that nothing is lost.
#include "app/extras/NumberFormat.h"
#include "app/extras/SplitPath.h"
#include "app/extras/SplitString.h"

#include "foundation/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// The input: a separator byte, a denominator byte, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const char separator = static_cast<char>(data[0]);
    const int denominator = static_cast<int8_t>(data[1]);
    const std::string_view text(reinterpret_cast<const char *>(data + 2), size - 2);

    std::vector<std::string> pieces;
    SplitString(text, separator, pieces);
    std::string joined;
    for (size_t i = 0; i < pieces.size(); ++i)
        joined += (i == 0 ? "" : std::string(1, separator)) + pieces[i];
    if (joined != text)
        std::abort();

    const CSplitPath path{std::string(text)};
    if (!path.GetDrive().empty() || path.GetDir() + path.GetFileName() + path.GetExtension() != text)
        std::abort();

    const double value = morvane::parseDouble(text);
    int whole = 0;
    int numerator = 0;
    SplitFraction(value, denominator, whole, numerator);
    if (denominator > 0 && (numerator <= -denominator || numerator >= denominator))
        std::abort();
    FormatFraction(whole, numerator, denominator, '/', ' ');
    FormatDouble(value, denominator);
    return 0;
}
