// Morvane model library.
// The clipboard payload: patterns and grade regions of a mask, with everything they depend on,
// as XML text, and their paste into a mask.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/XmlArchive.h"
#include "model/MVClipboardItem.h"
#include "model/MvItem.h"

#include <memory>
#include <string>
#include <vector>

class CGradeMask;
class CPattern;
class IBaseFormula;
class IRegion;

/// Carries placed patterns and grade regions, with the patterns, regions and formulas they
/// depend on, from one grade mask to another (or to the same one) as XML text: a small grade
/// mask ("GradeMask", in the form of a mask file) and the list of copied items
/// ("ClipboardItems", "ClipboardItem" elements of the classes CMvPatternClipboardItem and
/// CMvRegionClipboardItem), under the root "MVClipboard".
///
/// Copy: Create(source), AddClipboardItem for each item, GetXmlContent. While the text is
/// written the source mask keeps owning everything that is copied.
/// Paste: Create(text), UpdateMask(target), then the clipboard is destroyed. Pasted patterns get
/// a free name and new point ids, pasted regions the next free region name, a pasted measure
/// whose name the target uses a new name "m<n>" (the pasted formulas that use it follow), and an
/// index point on a pattern that was not among the items is cleared. The paste is one undo step.
class CMVClipboard : public CAttContainer, public CMvItem
{
public:
    CMVClipboard();
    ~CMVClipboard() override;
    CMVClipboard(const CMVClipboard &) = delete;
    CMVClipboard &operator=(const CMVClipboard &) = delete;

    /// "CMVClipboard", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Starts a copy from source (not owned).
    void Create(CGradeMask *source);
    /// Appends an item for the pattern: a mask pattern itself; for an input pattern a mask
    /// pattern made from it, kept by the clipboard. Returns the item's index.
    int AddClipboardItem(CPattern *pattern);
    /// Appends an item for the region (a region of the source mask); returns its index.
    int AddClipboardItem(IRegion *region);
    /// The payload text. When items were added since the last call, the dependencies are
    /// collected, the text written and the items dropped; a later call without new items gives
    /// the same text. False, with GetLastError() saying why, when writing failed (and for every
    /// later call of the same copy).
    bool GetXmlContent(std::string &out);

    /// Reads a payload text; false, with GetLastError() saying why, when it is not one.
    bool Create(const std::string &text);
    /// Pastes the payload's items into target, in item order, as one history group; what the
    /// paste does not use is deleted with the clipboard.
    void UpdateMask(CGradeMask &target);

    int GetClipboardItemCount() const { return m_oClipboardItems.GetCount(); }
    /// No range check.
    CMVClipboardItem *GetClipboardItemAt(int i) const { return m_oClipboardItems.GetAt(i); }
    /// The payload's mask: the copies read by Create(text) until they are pasted.
    CGradeMask &GetClipboardMask() { return *m_pClipboardMask; }
    const std::string &GetLastError() const { return m_sLastError; }

private:
    /// Why the last save of the archive failed.
    std::string saveProblem() const;
    bool IsItemPattern(const CPattern *pattern) const;
    bool IsItemRegion(const IRegion *region) const;
    bool CanPasteFormula(IBaseFormula *formula) const;
    bool PastePattern(CMaskPattern *pattern);
    bool PasteRegion(CGradeRegion *region);
    bool PasteFormula(IBaseFormula *formula);
    /// Gives a pasted measure a name that neither the target nor the payload uses when the
    /// target uses its name, and renames it in every formula of the payload.
    void RenameClashingMeasure(IBaseFormula *formula);

    std::unique_ptr<CGradeMask> m_pClipboardMask;
    COwningCollection<CMVClipboardItem> m_oClipboardItems;
    CXmlArchive m_oArchive;
    CGradeMask *m_pMask = nullptr;
    bool m_bPending = false;
    /// The mask patterns made for copied input patterns.
    std::vector<std::unique_ptr<CMaskPattern>> m_aMadePatterns;
    /// Every formula the payload held when the paste began.
    std::vector<IBaseFormula *> m_aPayloadFormulas;
    std::string m_sLastError;
};
