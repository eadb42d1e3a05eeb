// Morvane model library.
// The items a clipboard payload lists: the patterns and grade regions that were copied.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

class CGradeRegion;
class CMaskPattern;

/// One copied item of a clipboard payload; it refers to the copied object in the payload's
/// mask, never owning it.
class CMVClipboardItem : public CAttContainer, public CMvItem
{
public:
    /// "CMVClipboardItem", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// The copied pattern; null here.
    virtual CMaskPattern *GetPattern() const { return nullptr; }
    /// The copied region; null here.
    virtual CGradeRegion *GetRegion() const { return nullptr; }
};

/// A copied pattern. Stored: "Pattern" (a reference to a "Pattern" element, required).
class CMvPatternClipboardItem : public CMVClipboardItem
{
public:
    CMvPatternClipboardItem();

    /// "CMvPatternClipboardItem", base CMVClipboardItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(CMaskPattern *pattern) { m_pPattern = pattern; }
    CMaskPattern *GetPattern() const override { return m_pPattern; }

private:
    CMaskPattern *m_pPattern = nullptr;
};

/// A copied grade region. Stored: "Region" (a reference to a "GradeRegion" element, required).
class CMvRegionClipboardItem : public CMVClipboardItem
{
public:
    CMvRegionClipboardItem();

    /// "CMvRegionClipboardItem", base CMVClipboardItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(CGradeRegion *region) { m_pRegion = region; }
    CGradeRegion *GetRegion() const override { return m_pRegion; }

private:
    CGradeRegion *m_pRegion = nullptr;
};
