// Morvane second DXF reader.
// The owner object that loads a graded R12 DXF file and hands out its content.
#pragma once

#include "platform/fallowby/IJwcaAAMAData.h"

#include <memory>
#include <string>
#include <string_view>

/// Loads a graded R12 DXF file (the layout the AAMA grade model writes for a file with a master
/// size) into memory. Move-only: one owner holds the loaded content.
///
/// The text is read up to its (0, "EOF") group; lines after it are ignored. Lines end with LF or
/// CR LF. Numbers are read the same way under every process locale, and a malformed number
/// reads as 0. Texts are given in the file's bytes, whatever its code page.
class JWCAData
{
public:
    JWCAData();
    JWCAData(JWCAData &&other) noexcept;
    JWCAData &operator=(JWCAData &&other) noexcept;
    JWCAData(const JWCAData &) = delete;
    JWCAData &operator=(const JWCAData &) = delete;
    virtual ~JWCAData();

    /// Replaces the content by that of the text of a whole file. Returns false, leaving an empty
    /// content, when the text has no (0, "EOF") group.
    bool LoadText(std::string_view content);

    /// Why the last LoadText() failed ("line 12: the group code ... is not a number"); empty
    /// after one that succeeded.
    const std::string &GetLoadError() const { return m_sLoadError; }

    /// The loaded content: null before the first LoadText(), empty after a failed one. The
    /// pointer stays valid until the next LoadText() or the end of this object.
    IJwcaAAMAData *GetIAAMADataItf() const;

private:
    std::string m_sLoadError;
    std::unique_ptr<IJwcaAAMAData> m_pData;
};
