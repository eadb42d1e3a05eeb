// Morvane foundation library.
// An array of unsigned indexes with a linear find.
#include "foundation/IndexArray.h"

#include <algorithm>

int CIndexArray::Find(unsigned int value) const
{
    const auto found = std::find(begin(), end(), value);
    return found == end() ? -1 : static_cast<int>(found - begin());
}
