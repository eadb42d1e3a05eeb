// Morvane Brismond table-set library.
// A combination of sizes: one size of each table of a set.
#pragma once

#include "platform/brismond/IComplexGradeSize.h"

#include <vector>

/// The complex size of the library (see IComplexGradeSize).
class CComplexGradeSize : public IComplexGradeSize
{
public:
    /// placeCount places, each -1.
    explicit CComplexGradeSize(int placeCount);

    int GetPlaceCount() const override;
    int GetPlaceAt(int i) const override;
    void SetPlaceAt(int i, int sizeIndex) override;
    std::string GetName(const IBrismond &set) const override;
    void CopyFrom(const IComplexGradeSize &other) override;

    int GetGradeTableCount() const override;
    int GetGradeTableAt(int i) const override;
    int GetGradeSizeAt(int i) const override;

private:
    std::vector<int> m_aPlaces;
};
