// Morvane AAMA DXF reader.
// The owner object that loads an AAMA DXF file and hands out its content.
#include "sources/aama-reader/AAMAData.h"

#include "foundation/FileContent.h"
#include "sources/aama-reader/AamaDataImpl.h"

#include <optional>
#include <string>

AAMAData::AAMAData() = default;
AAMAData::AAMAData(AAMAData &&other) noexcept = default;
AAMAData &AAMAData::operator=(AAMAData &&other) noexcept = default;
AAMAData::~AAMAData() = default;

bool AAMAData::Load(const std::filesystem::path &path)
{
    const std::optional<morvane::FileBytes> content = morvane::readFileBytes(path);
    if (!content) {
        m_pData = std::make_unique<CAamaDataImpl>();
        m_sLoadError = "the file cannot be read";
        return false;
    }
    return LoadText(content->view());
}

bool AAMAData::LoadText(std::string_view content)
{
    m_sLoadError.clear();
    std::unique_ptr<CAamaDataImpl> data = CAamaDataImpl::Read(content, m_sLoadError);
    const bool complete = data != nullptr;
    m_pData = complete ? std::move(data) : std::make_unique<CAamaDataImpl>();
    return complete;
}

IAAMAData *AAMAData::GetIAAMADataItf() const
{
    return m_pData.get();
}
