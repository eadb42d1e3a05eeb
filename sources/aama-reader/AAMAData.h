// Morvane AAMA DXF reader.
// The owner object that loads an AAMA DXF file and hands out its content.
#pragma once

#include "sources/aama-reader/IAAMAData.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

/// Loads an AAMA DXF file into memory. Move-only: one owner holds the loaded content.
///
/// A file is read up to its (0, "EOF") group; lines after it are ignored. Lines end with LF or
/// CR LF. Numbers are read the same way under every process locale, and a malformed number
/// reads as 0. Texts are given in the file's bytes, whatever its code page.
class AAMAData
{
public:
    AAMAData();
    AAMAData(AAMAData &&other) noexcept;
    AAMAData &operator=(AAMAData &&other) noexcept;
    AAMAData(const AAMAData &) = delete;
    AAMAData &operator=(const AAMAData &) = delete;
    virtual ~AAMAData();

    /// Replaces the content by that of the file. Returns false, leaving an empty content, when
    /// the file cannot be read or has no (0, "EOF") group (a value "EOF " with a blank is not
    /// one).
    bool Load(const std::filesystem::path &path);

    /// Load() from the text of a file already in memory.
    bool LoadText(std::string_view content);

    /// Why the last Load() failed ("line 12: the group code ... is not a number"); empty after
    /// one that succeeded.
    const std::string &GetLoadError() const { return m_sLoadError; }

    /// The loaded content: null before the first Load(), empty after a failed one. The
    /// pointer stays valid until the next Load() or the end of this object.
    IAAMAData *GetIAAMADataItf() const;

private:
    std::string m_sLoadError;
    std::unique_ptr<IAAMAData> m_pData;
};
