// Morvane Brismond table-set library.
// Makes table sets and complex sizes.
#include "platform/brismond/TableSetFactory.h"

#include "platform/brismond/ComplexGradeSize.h"
#include "platform/brismond/TableSet.h"

std::unique_ptr<IBrismond> CTableSetFactory::Make(const std::string &name, CEventHandler *&handler)
{
    auto set = std::make_unique<CTableSet>(name);
    handler = &set->GetEventHandler();
    return set;
}

std::unique_ptr<IComplexGradeSize> CTableSetFactory::MakeComplexGradeSize(int tableCount)
{
    return std::make_unique<CComplexGradeSize>(tableCount);
}
