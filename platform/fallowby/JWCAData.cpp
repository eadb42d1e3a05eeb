// Morvane second DXF reader.
// The owner object that loads a graded R12 DXF file and hands out its content.
#include "platform/fallowby/JWCAData.h"

#include "platform/fallowby/JwcaDataImpl.h"

JWCAData::JWCAData() = default;
JWCAData::JWCAData(JWCAData &&other) noexcept = default;
JWCAData &JWCAData::operator=(JWCAData &&other) noexcept = default;
JWCAData::~JWCAData() = default;

bool JWCAData::LoadText(std::string_view content)
{
    m_sLoadError.clear();
    std::unique_ptr<CJwcaDataImpl> data = CJwcaDataImpl::Read(content, m_sLoadError);
    const bool complete = data != nullptr;
    m_pData = complete ? std::move(data) : std::make_unique<CJwcaDataImpl>();
    return complete;
}

IJwcaAAMAData *JWCAData::GetIAAMADataItf() const
{
    return m_pData.get();
}
