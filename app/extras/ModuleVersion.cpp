// Morvane program foundation extras.
// The program's version data, fixed when it was built, read by key.
#include "app/extras/ModuleVersion.h"

#include <array>
#include <utility>

// The build sets both; the fallbacks keep the file compilable on its own.
#ifndef MORVANE_VERSION
#define MORVANE_VERSION "0.0.0"
#endif
#ifndef MORVANE_BUILD_DATE
#define MORVANE_BUILD_DATE "unknown"
#endif

// English (United States), UTF-8.
static constexpr uint32_t kTranslation = (65001u << 16) | 0x0409u;

static constexpr std::array<std::string_view, 13> kStandardKeys = {
    "Comments",        "CompanyName",     "FileDescription", "FileVersion", "InternalName",
    "LegalCopyright",  "LegalTrademarks", "OriginalFilename", "PrivateBuild", "ProductName",
    "ProductVersion",  "SpecialBuild",    "OLESelfRegister",
};

static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kTexts = {{
    {"Comments", "Built " MORVANE_BUILD_DATE},
    {"FileDescription", "Morvane pattern grading"},
    {"FileVersion", MORVANE_VERSION},
    {"InternalName", "morvane"},
    {"OriginalFilename", "morvane"},
    {"ProductName", "Morvane"},
    {"ProductVersion", MORVANE_VERSION},
    {"BuildDate", MORVANE_BUILD_DATE},
}};

bool CModuleVersion::LoadFromModule()
{
    m_bValid = true;
    return m_bValid;
}

int CModuleVersion::GetTranslationCount() const
{
    return m_bValid ? 1 : 0;
}

uint32_t CModuleVersion::GetTranslation(int i) const
{
    if (i < 0 || i >= GetTranslationCount())
        return 0;
    return kTranslation;
}

std::optional<std::string> CModuleVersion::GetString(std::string_view key) const
{
    if (!m_bValid)
        return std::nullopt;
    for (const auto &[textKey, text] : kTexts) {
        if (textKey == key)
            return std::string(text);
    }
    return std::nullopt;
}

std::optional<std::string> CModuleVersion::GetStringValue(int index) const
{
    if (index < 0 || index >= static_cast<int>(kStandardKeys.size()))
        return std::nullopt;
    return GetString(kStandardKeys[static_cast<size_t>(index)]);
}
