// Morvane model library.
// The copied part of a mask as a clipboard payload writes it, without owning anything.
#include "model/ClipboardMaskView.h"

#include "foundation/XmlCollectionAttributes.h"
#include "model/GradeMask.h"

using namespace morvane;

namespace {

/// A collection attribute that writes the objects of a plain (non-owning) collection as
/// elements; loading gives it nothing to keep.
template <class T>
class BorrowedCollectionAttribute final : public CollectionAttributeOver<CPtrCollection<T>>
{
    using Over = CollectionAttributeOver<CPtrCollection<T>>;

public:
    using Over::Over;

protected:
    CAttContainer *AppendCreatedTo(void *, std::unique_ptr<CObject>) const override
    {
        return nullptr;
    }
    void DeleteAtIn(void *collection, int i) const override { Over::of(collection).RemoveAt(i); }
};

template <class T>
std::unique_ptr<CXmlAttribute> borrowed(CPtrCollection<T> *collection, const char *name,
                                        const char *elementName, XmlNaming naming,
                                        const CRuntimeClass *cls)
{
    return std::make_unique<BorrowedCollectionAttribute<T>>(collection, name, elementName, naming,
                                                            cls);
}

} // namespace

CClipboardMaskView::CClipboardMaskView()
    : m_nVersion(CGradeMask::kVersion)
{
    AddIntAttribute(&m_nVersion, "Version", XmlPresence::Required, XmlForm::Attribute);
    AddDoubleAttribute(&m_dCenterX, "CenterX");
    AddDoubleAttribute(&m_dCenterY, "CenterY");
    AddAttribute(borrowed(&m_oPatterns, "Patterns", "Pattern", XmlNaming::OwnNames,
                          CMaskPattern::GetThisClass()),
                 XmlPresence::Optional, XmlForm::Element);
    AddAttribute(borrowed(&m_oGradeRegions, "GradeRegions", "GradeRegion", XmlNaming::OwnNames,
                          CGradeRegion::GetThisClass()),
                 XmlPresence::Optional, XmlForm::Element);
    AddAttribute(borrowed(&m_oFormulas, "Formulas", "GradeFormula", XmlNaming::Numbered, nullptr),
                 XmlPresence::Optional, XmlForm::Element);
}

void CClipboardMaskView::AddPattern(CMaskPattern *pattern)
{
    if (!HoldsPattern(pattern))
        m_oPatterns.Add(pattern);
}

void CClipboardMaskView::AddRegion(CGradeRegion *region)
{
    if (!HoldsRegion(region))
        m_oGradeRegions.Add(region);
}

void CClipboardMaskView::AddFormula(IBaseFormula *formula)
{
    if (!HoldsFormula(formula))
        m_oFormulas.Add(formula);
}

bool CClipboardMaskView::HoldsPattern(const CMaskPattern *pattern) const
{
    return m_oPatterns.Find(pattern) >= 0;
}

bool CClipboardMaskView::HoldsRegion(const CGradeRegion *region) const
{
    return m_oGradeRegions.Find(region) >= 0;
}

bool CClipboardMaskView::HoldsFormula(const IBaseFormula *formula) const
{
    return m_oFormulas.Find(formula) >= 0;
}

void CClipboardMaskView::Clear()
{
    m_oPatterns.RemoveAll();
    m_oGradeRegions.RemoveAll();
    m_oFormulas.RemoveAll();
}
