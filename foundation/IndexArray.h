// Morvane foundation library.
// An array of unsigned indexes with a linear find.
#pragma once

#include <vector>

/// An array of unsigned values (indexes into another array).
class CIndexArray : public std::vector<unsigned int>
{
public:
    using std::vector<unsigned int>::vector;

    /// The position of the first entry equal to value, -1 when absent.
    int Find(unsigned int value) const;
};
