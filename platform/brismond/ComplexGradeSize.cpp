// Morvane Brismond table-set library.
// A combination of sizes: one size of each table of a set.
#include "platform/brismond/ComplexGradeSize.h"

#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"

#include <algorithm>

CComplexGradeSize::CComplexGradeSize(int placeCount)
    : m_aPlaces(static_cast<size_t>(std::max(placeCount, 0)), -1)
{
}

int CComplexGradeSize::GetPlaceCount() const
{
    return static_cast<int>(m_aPlaces.size());
}

int CComplexGradeSize::GetPlaceAt(int i) const
{
    return i >= 0 && i < GetPlaceCount() ? m_aPlaces[static_cast<size_t>(i)] : -1;
}

void CComplexGradeSize::SetPlaceAt(int i, int sizeIndex)
{
    if (i < 0)
        return;
    if (i >= GetPlaceCount())
        m_aPlaces.resize(static_cast<size_t>(i) + 1, -1);
    m_aPlaces[static_cast<size_t>(i)] = sizeIndex;
}

std::string CComplexGradeSize::GetName(const IBrismond &set) const
{
    std::string name;
    for (int i = 0; i < GetPlaceCount(); ++i) {
        const IMeasureTable *table = set.GetTableAt(i);
        const CGradeSize *size = table != nullptr ? table->GetSizeAt(GetPlaceAt(i)) : nullptr;
        if (size == nullptr)
            continue;
        if (!name.empty())
            name += '/';
        name += size->GetName();
    }
    return name;
}

void CComplexGradeSize::CopyFrom(const IComplexGradeSize &other)
{
    m_aPlaces.assign(static_cast<size_t>(other.GetPlaceCount()), -1);
    for (int i = 0; i < other.GetPlaceCount(); ++i)
        m_aPlaces[static_cast<size_t>(i)] = other.GetPlaceAt(i);
}

int CComplexGradeSize::GetGradeTableCount() const
{
    return GetPlaceCount();
}

int CComplexGradeSize::GetGradeTableAt(int i) const
{
    return i >= 0 && i < GetPlaceCount() ? i : -1;
}

int CComplexGradeSize::GetGradeSizeAt(int i) const
{
    return GetPlaceAt(i);
}
