// Morvane formula library.
// The size a measure is asked about, as the model's geometric queries take it.
#pragma once

#include "model/GradeSize.h"

namespace morvane {

/// A size named by a grade-table index and a size index. A negative index names the base size,
/// which the model's queries take as a null size.
class MeasureSize
{
public:
    MeasureSize(int table, int size)
        : m_isBase(table < 0 || size < 0)
    {
        m_size.Create(table, size);
    }

    /// Null for the base size.
    const IGradeSize *get() const { return m_isBase ? nullptr : &m_size; }
    bool isBase() const { return m_isBase; }

private:
    bool m_isBase;
    CSimpleGradeSize m_size;
};

} // namespace morvane
