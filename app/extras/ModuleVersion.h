// Morvane program foundation extras.
// The program's version data, fixed when it was built, read by key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The version data of the program, fixed at build time: the project version and the build
/// date, with the program's names. Nothing is readable before LoadFromModule.
///
/// The texts, by key: "FileVersion" and "ProductVersion" the project version ("0.1.0"),
/// "ProductName" "Morvane", "FileDescription" "Morvane pattern grading", "InternalName" and
/// "OriginalFilename" "morvane", "Comments" "Built <date>" and "BuildDate" the build date
/// (YYYY-MM-DD, UTC). Other keys, among them the rest of the standard ones, have no text.
class CModuleVersion
{
public:
    /// Loads the program's version data; returns true (it is always there).
    bool LoadFromModule();
    bool IsValid() const { return m_bValid; }

    /// The number of translations: 1 once loaded, else 0.
    int GetTranslationCount() const;
    /// Translation i: the language in the low half (0x0409, English), the code page in the high
    /// half (65001, UTF-8). 0 before loading or when i is not below the count.
    uint32_t GetTranslation(int i) const;
    /// The text of key; none before loading or for a key without text.
    std::optional<std::string> GetString(std::string_view key) const;
    /// GetString with the standard key of index: 0 "Comments", 1 "CompanyName",
    /// 2 "FileDescription", 3 "FileVersion", 4 "InternalName", 5 "LegalCopyright",
    /// 6 "LegalTrademarks", 7 "OriginalFilename", 8 "PrivateBuild", 9 "ProductName",
    /// 10 "ProductVersion", 11 "SpecialBuild", 12 "OLESelfRegister"; none for another index.
    std::optional<std::string> GetStringValue(int index) const;

private:
    bool m_bValid = false;
};
