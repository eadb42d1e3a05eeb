// Morvane Hollicot formula parser.
// Compiled texts kept by everything their compilation read.
#include "platform/hollicot/CompiledTextCache.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace hollicot {

namespace {

void mix(std::size_t &hash, std::size_t value)
{
    hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
}

void mixNames(std::size_t &hash, const std::vector<std::string> &names)
{
    mix(hash, names.size());
    for (const std::string &name : names)
        mix(hash, std::hash<std::string_view>{}(name));
}

std::size_t hashOf(const CompileInput &input)
{
    std::size_t hash = 0;
    mixNames(hash, input.expressions);
    mixNames(hash, input.variables);
    mixNames(hash, input.measureNames);
    mix(hash, static_cast<std::size_t>(input.sizeCount));
    mix(hash, static_cast<std::size_t>(input.baseSize));
    return hash;
}

} // namespace

bool CompiledTextCache::Entry::compiledFrom(const CompileInput &input) const
{
    return sizeCount == input.sizeCount && baseSize == input.baseSize &&
           variables == input.variables && measureNames == input.measureNames &&
           std::equal(texts->begin(), texts->end(), input.expressions.begin(),
                      input.expressions.end(),
                      [](const SourceText &text, const std::string &expression) {
                          return text.source == expression;
                      });
}

std::shared_ptr<const SourceTexts> CompiledTextCache::find(const CompileInput &input) const
{
    const auto [first, last] = m_entries.equal_range(hashOf(input));
    for (auto entry = first; entry != last; ++entry) {
        if (entry->second.compiledFrom(input))
            return entry->second.texts;
    }
    return nullptr;
}

void CompiledTextCache::keep(const CompileInput &input, std::shared_ptr<const SourceTexts> texts)
{
    if (m_entries.size() >= kMaxEntries)
        m_entries.clear();
    m_entries.emplace(hashOf(input), Entry{input.variables, input.measureNames, input.sizeCount,
                                           input.baseSize, std::move(texts)});
}

} // namespace hollicot
