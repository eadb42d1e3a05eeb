// Morvane documents and start-up, fuzz target.
// Reads arbitrary command lines, one argument per line of the input.
#include "app/documents/MorvaneCommandLineInfo.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char *>(data), size));
    std::vector<std::string> arguments{"morvane"};
    for (std::string line; std::getline(input, line);)
        arguments.push_back(line);

    CMorvaneCommandLineInfo info;
    ParseCommandLine(arguments, info);
    return 0;
}
