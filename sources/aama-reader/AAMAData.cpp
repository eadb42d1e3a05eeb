// Morvane AAMA DXF reader.
// The owner object that loads an AAMA DXF file and hands out its content.
#include "sources/aama-reader/AAMAData.h"

#include "sources/aama-reader/AamaDataImpl.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace {

std::optional<std::string> readWholeFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string content;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        content.resize(static_cast<std::size_t>(size));
        file.read(content.data(), static_cast<std::streamsize>(content.size()));
        content.resize(static_cast<std::size_t>(file.gcount()));
    }
    // Whatever the size did not tell: a file that grew, or one without a size.
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (file.bad())
        return std::nullopt;
    return content;
}

} // namespace

AAMAData::AAMAData() = default;
AAMAData::AAMAData(AAMAData &&other) noexcept = default;
AAMAData &AAMAData::operator=(AAMAData &&other) noexcept = default;
AAMAData::~AAMAData() = default;

bool AAMAData::Load(const std::filesystem::path &path)
{
    const std::optional<std::string> content = readWholeFile(path);
    if (!content) {
        m_pData = std::make_unique<CAamaDataImpl>();
        return false;
    }
    return LoadText(*content);
}

bool AAMAData::LoadText(std::string_view content)
{
    std::unique_ptr<CAamaDataImpl> data = CAamaDataImpl::Read(content);
    const bool complete = data != nullptr;
    m_pData = complete ? std::move(data) : std::make_unique<CAamaDataImpl>();
    return complete;
}

IAAMAData *AAMAData::GetIAAMADataItf() const
{
    return m_pData.get();
}
