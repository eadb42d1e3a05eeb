// Morvane Brismond table-set library.
// A combination of sizes: one size of each table of a set.
#pragma once

#include "model/GradeSize.h"

#include <string>

class IBrismond;

/// A size made of one place per table of a set: place i holds a size index of table i, or -1
/// for that table's base size. As an IGradeSize its entries are the places, entry i in grade
/// table i.
class IComplexGradeSize : public IGradeSize
{
public:
    virtual int GetPlaceCount() const = 0;
    /// The size index at place i; -1 for an index out of range.
    virtual int GetPlaceAt(int i) const = 0;
    /// Stores a size index at place i, growing the places (with -1) as needed; a negative i is
    /// ignored.
    virtual void SetPlaceAt(int i, int sizeIndex) = 0;
    /// The names of the sizes at the places, each from its table of set, joined by "/"; places
    /// without a size of their table are left out.
    virtual std::string GetName(const IBrismond &set) const = 0;
    /// Takes the places of other.
    virtual void CopyFrom(const IComplexGradeSize &other) = 0;
};
