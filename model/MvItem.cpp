// Morvane model library.
// The root class of every model item.
#include "model/MvItem.h"

static const CRuntimeClass kMvItemClass("CMvItem", nullptr, CObject::GetThisClass());

const CRuntimeClass *CMvItem::GetThisClass()
{
    return &kMvItemClass;
}
