// Morvane model library.
// How the model names a size of a measurement table: a grade table index and a size index.
#pragma once

#include <compare>
#include <cstddef>

/// A size that a geometric query asks about: entries of a grade table index and a size index
/// within that table. The measurement tables of the program give richer implementations.
class IGradeSize
{
public:
    virtual ~IGradeSize() = default;

    /// The number of entries.
    virtual int GetGradeTableCount() const = 0;
    /// The grade table index of entry i.
    virtual int GetGradeTableAt(int i) const = 0;
    /// The size index of entry i.
    virtual int GetGradeSizeAt(int i) const = 0;
};

/// A plain size of one entry: a grade table index and a size index, -1 each when unset;
/// (-1, -1) is the base size.
class CSimpleGradeSize : public IGradeSize
{
public:
    /// Both indexes -1.
    CSimpleGradeSize() = default;
    /// Entry 0 of other; both indexes -1 when other is null or has no entry.
    explicit CSimpleGradeSize(const IGradeSize *other);

    void Create(int table, int size);

    /// 1 when the table index is 0 or more, else 0.
    int GetGradeTableCount() const override;
    /// The table index, whatever i is.
    int GetGradeTableAt(int i) const override;
    /// The size index, whatever i is.
    int GetGradeSizeAt(int i) const override;

private:
    int m_nGradeTable = -1;
    int m_nGradeSize = -1;
};

namespace morvane {

/// A size as the key of a per-size cache. Both indexes are kept whole, so no two sizes share a
/// key: (t, -1) never meets the base size (-1, -1), as the packed (table << 16) | size would.
struct GradeSizeKey
{
    int table = -1;
    int size = -1;

    /// The key of entry 0 of size; the base size's key (-1, -1) for null or a size without
    /// entries.
    static GradeSizeKey of(const IGradeSize *size);

    bool isBase() const { return table == -1 && size == -1; }
    auto operator<=>(const GradeSizeKey &) const = default;
};

/// Hash of a GradeSizeKey, for unordered containers.
struct GradeSizeKeyHash
{
    size_t operator()(const GradeSizeKey &key) const;
};

} // namespace morvane
