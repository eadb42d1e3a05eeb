// Morvane model library.
// The items a clipboard payload lists: the patterns and grade regions that were copied.
#include "model/MVClipboardItem.h"

#include "model/GradeRegion.h"
#include "model/MaskPattern.h"

static const CRuntimeClass kClipboardItemClass("CMVClipboardItem", nullptr,
                                               CMvItem::GetThisClass());
static const CRuntimeClass kPatternItemClass("CMvPatternClipboardItem",
                                             &CreateObjectOf<CMvPatternClipboardItem>,
                                             &kClipboardItemClass);
static const CRuntimeClass kRegionItemClass("CMvRegionClipboardItem",
                                            &CreateObjectOf<CMvRegionClipboardItem>,
                                            &kClipboardItemClass);

const CRuntimeClass *CMVClipboardItem::GetThisClass()
{
    return &kClipboardItemClass;
}

const CRuntimeClass *CMvPatternClipboardItem::GetThisClass()
{
    return &kPatternItemClass;
}

CMvPatternClipboardItem::CMvPatternClipboardItem()
{
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
}

const CRuntimeClass *CMvRegionClipboardItem::GetThisClass()
{
    return &kRegionItemClass;
}

CMvRegionClipboardItem::CMvRegionClipboardItem()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}
