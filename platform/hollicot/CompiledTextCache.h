// Morvane Hollicot formula parser.
// Compiled texts kept by everything their compilation read, so a text set up again with the
// same names and sizes is not tokenized, parsed and compiled again.
#pragma once

#include "platform/hollicot/Program.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace hollicot {

/// A text with its compiled form.
struct SourceText
{
    std::string source;
    CompiledText compiled;
};

using SourceTexts = std::vector<SourceText>;

/// What a set-up compiles from: the texts, the variable names, the measure names and the sizes.
struct CompileInput
{
    const std::vector<std::string> &variables;
    const std::vector<std::string> &expressions;
    const std::vector<std::string> &measureNames;
    int sizeCount = 0;
    int baseSize = -1;
};

/// The compiled texts of earlier set-ups, each found again only by an input equal in every
/// part. Bounded: once full it forgets everything and starts again.
class CompiledTextCache
{
public:
    /// The texts compiled from input; null when none are kept for it.
    std::shared_ptr<const SourceTexts> find(const CompileInput &input) const;
    void keep(const CompileInput &input, std::shared_ptr<const SourceTexts> texts);

private:
    struct Entry
    {
        std::vector<std::string> variables;
        std::vector<std::string> measureNames;
        int sizeCount = 0;
        int baseSize = -1;
        std::shared_ptr<const SourceTexts> texts;

        bool compiledFrom(const CompileInput &input) const;
    };

    static constexpr std::size_t kMaxEntries = 4096;

    std::unordered_multimap<std::size_t, Entry> m_entries;
};

} // namespace hollicot
