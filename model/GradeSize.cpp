// Morvane model library.
// How the model names a size of a measurement table: a grade table index and a size index.
#include "model/GradeSize.h"

#include <cstdint>
#include <functional>

CSimpleGradeSize::CSimpleGradeSize(const IGradeSize *other)
{
    if (other == nullptr || other->GetGradeTableCount() < 1)
        return;
    m_nGradeTable = other->GetGradeTableAt(0);
    m_nGradeSize = other->GetGradeSizeAt(0);
}

void CSimpleGradeSize::Create(int table, int size)
{
    m_nGradeTable = table;
    m_nGradeSize = size;
}

int CSimpleGradeSize::GetGradeTableCount() const
{
    return m_nGradeTable >= 0 ? 1 : 0;
}

int CSimpleGradeSize::GetGradeTableAt(int) const
{
    return m_nGradeTable;
}

int CSimpleGradeSize::GetGradeSizeAt(int) const
{
    return m_nGradeSize;
}

namespace morvane {

GradeSizeKey GradeSizeKey::of(const IGradeSize *size)
{
    if (size == nullptr || size->GetGradeTableCount() < 1)
        return {};
    return {size->GetGradeTableAt(0), size->GetGradeSizeAt(0)};
}

size_t GradeSizeKeyHash::operator()(const GradeSizeKey &key) const
{
    const uint64_t packed =
        (uint64_t{static_cast<uint32_t>(key.table)} << 32) | static_cast<uint32_t>(key.size);
    return std::hash<uint64_t>{}(packed);
}

} // namespace morvane
