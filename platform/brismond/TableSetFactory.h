// Morvane Brismond table-set library.
// Makes table sets and complex sizes.
#pragma once

#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IComplexGradeSize.h"

#include <memory>
#include <string>

class CEventHandler;

/// The library's entry: new table sets and complex sizes, owned by the caller.
class CTableSetFactory
{
public:
    /// An empty table set of that name; handler gets the set's event handler, to which the
    /// caller links its own handler as parent and its listeners.
    static std::unique_ptr<IBrismond> Make(const std::string &name, CEventHandler *&handler);
    /// A complex size of tableCount places, each -1; 0 gives an empty one, to be filled by
    /// copying.
    static std::unique_ptr<IComplexGradeSize> MakeComplexGradeSize(int tableCount);
};
