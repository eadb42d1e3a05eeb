// Morvane model library.
// The grade mask: placed patterns, associations, undo history, and its storage as a mask file.
#include "model/GradeMask.h"

#include "foundation/ClassRegistry.h"
#include "foundation/Geometry.h"
#include "foundation/NameCompare.h"
#include "foundation/NameRegistry.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/ReleasedLinksItem.h"

#include <algorithm>

using namespace morvane;

static const CRuntimeClass kGradeMaskClass("CGradeMask", &CreateObjectOf<CGradeMask>,
                                           CMvItem::GetThisClass());

CGradeMask::CGradeMask()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AttachSink(m_oPatterns);
    AttachSink(m_oGradeRegions);
    AttachSink(m_oPatternLocations);
    m_oMaskPointList.SetParent(reinterpret_cast<uintptr_t>(&m_oMaskPointList), this);
    m_oAssociationMap.SetParent(reinterpret_cast<uintptr_t>(&m_oAssociationMap), this);
    AddIntAttribute(&m_nVersion, "Version", XmlPresence::Required, XmlForm::Attribute);
    AddDoubleAttribute(&m_oCenter.x, "CenterX");
    AddDoubleAttribute(&m_oCenter.y, "CenterY");
    AddClassCollectionAttribute(&m_oPatterns, "Patterns", "Pattern", CMaskPattern::GetThisClass(),
                                XmlNaming::OwnNames, XmlPresence::Optional);
    AddClassCollectionAttribute(&m_oGradeRegions, "GradeRegions", "GradeRegion",
                                CGradeRegion::GetThisClass(), XmlNaming::OwnNames,
                                XmlPresence::Optional);
    AddContainerAttribute(&m_oAssociationMap, "AssociationMap", XmlPresence::Optional);
    m_oFormulaManager.SetMask(this);
    AttachSink(m_oFormulaManager.GetFormulaCollection());
    AddListener(&m_oFormulaManager);
    AddCollectionAttribute(&m_oFormulaManager.GetFormulaCollection(), "Formulas", "GradeFormula",
                           XmlNaming::Numbered, XmlPresence::Optional);
    AddCollectionClasses("Formulas", CFormulaFactory::GetClassRegistry());
    AddCollectionAttribute(&m_oOldFormulas, "GradeFormulas", "GradeFormula", XmlNaming::Numbered,
                           XmlPresence::ReadOnly);
    AddCollectionClasses("GradeFormulas", CFormulaFactory::GetOldClassRegistry());
}

CGradeMask::~CGradeMask()
{
    if (auto *inputHandler = dynamic_cast<CEventHandler *>(m_pInputPatterns))
        inputHandler->RemoveListener(&m_oFormulaManager);
    if (ShowsInputPatterns())
        m_pInputPatterns->SetGradeMask(nullptr);
}

void CGradeMask::Create(IInputPatterns *inputPatterns)
{
    if (auto *oldHandler = dynamic_cast<CEventHandler *>(m_pInputPatterns))
        oldHandler->RemoveListener(&m_oFormulaManager);
    m_pInputPatterns = inputPatterns;
    if (auto *inputHandler = dynamic_cast<CEventHandler *>(m_pInputPatterns))
        inputHandler->AddListener(&m_oFormulaManager);
}

IUserFormulaConfig *CGradeMask::GetUserFormulaConfig()
{
    return m_pUserConfig != nullptr ? m_pUserConfig : this;
}

std::string CGradeMask::GetExpressionValue(const std::string &text, bool, bool)
{
    return text;
}

bool CGradeMask::ConvertUserValue(const std::string &value, bool, std::string &out)
{
    out = value;
    return true;
}

std::string CGradeMask::getFormulaDisplayName(IBaseFormula *)
{
    return {};
}

bool CGradeMask::ShowsInputPatterns() const
{
    return m_pInputPatterns != nullptr && m_pInputPatterns->GetGradeMask() == this;
}

const CRuntimeClass *CGradeMask::GetThisClass()
{
    return &kGradeMaskClass;
}

void CGradeMask::SetCenter(DPOINT p)
{
    if (GetDPointDistance(p, m_oCenter) <= 0.0)
        return;
    SendBeforeChange(0);
    m_oCenter = p;
    SendAfterChange(0);
}

void CGradeMask::SetFileName(const std::filesystem::path &name)
{
    if (name == m_sFileName)
        return;
    SendBeforeChange(1);
    m_sFileName = name;
    SendAfterChange(1);
}

void CGradeMask::SendDetached(uint32_t id, uintptr_t object)
{
    if ((id & 0xFFFF) == CPattern::kSourceKind)
        m_oMaskPointList.ForgetPattern(reinterpret_cast<const CPattern *>(object));
    CEventHandler::SendDetached(id, object);
}

void CGradeMask::Clear()
{
    SendBeginUpdate();
    LockEvents();
    ClearData();
    UnlockEvents();
    SendEndUpdate();
}

// The history goes first: nothing it discards may refer to a pattern deleted before it.
void CGradeMask::ClearData()
{
    m_oHistory.Clear();
    m_oMaskPointList.ClearAll();
    m_oPatternReleaser.ReleaseAll();
    m_oFormulaManager.RemoveAll();
    m_oGradeRegions.RemoveAll();
    m_oOldFormulas.RemoveAll();
    m_oPatterns.RemoveAll();
    m_oAssociationMap.RemoveAll();
    m_oCenter = {0.0, 0.0};
    m_sFileName.clear();
}

CPattern *CGradeMask::GetPatternAt(int i) const
{
    return m_oPatterns.GetAt(i);
}

void CGradeMask::ClearPatterns()
{
    m_oHistory.BeginGroup();
    for (int i = GetPatternCount() - 1; i >= 0; --i)
        RemovePatternAt(i);
    m_oHistory.EndGroup();
}

std::unique_ptr<CMaskPattern> CGradeMask::MakePattern()
{
    auto pattern = std::make_unique<CMaskPattern>();
    pattern->SetGradeMask(this);
    return pattern;
}

void CGradeMask::InsertPatternAt(int i, std::unique_ptr<CMaskPattern> pattern)
{
    pattern->SetGradeMask(this);
    m_oPatterns.InsertAt(i, pattern.release());
    m_oHistory.AddInsertion(m_oPatterns, i);
}

void CGradeMask::RemovePatternAt(int i)
{
    CMaskPattern *pattern = m_oPatterns.GetAt(i);
    m_oHistory.BeginGroup();
    m_oHistory.AddItem(ReleasedLinksItem::capture(*pattern, *this));
    pattern->ReleaseLinks();
    RemovePatternFormulas(pattern);
    m_oHistory.AddRemoval(m_oPatterns, i);
    m_oPatterns.RemoveAt(i);
    m_oHistory.EndGroup();
}

void CGradeMask::RemovePatternFormulas(const CMaskPattern *pattern)
{
    m_oHistory.BeginGroup();
    for (int i = m_oFormulaManager.GetFormulaCount() - 1; i >= 0; --i) {
        const IBaseFormula *formula = m_oFormulaManager.GetFormulaAt(i);
        const CBasePoint *point = formula->GetBasePoint();
        if (formula->GetPattern() == pattern ||
            (point != nullptr && pattern->FindBasePoint(point) >= 0))
            m_oFormulaManager.RemoveFormulaAt(i);
    }
    m_oHistory.EndGroup();
}

int CGradeMask::FindPattern(const std::string &name) const
{
    for (int i = 0; i < GetPatternCount(); ++i) {
        if (equalsNoCase(m_oPatterns.GetAt(i)->GetPatternName(), name))
            return i;
    }
    return -1;
}

int CGradeMask::FindPattern(const CPattern *pattern) const
{
    for (int i = 0; i < GetPatternCount(); ++i) {
        if (m_oPatterns.GetAt(i) == pattern)
            return i;
    }
    return -1;
}

void CGradeMask::GetPointsForAssociationInRect(IMaskPoint *maskPoint, const CDRect &rect,
                                               CPtrCollection<CBasePoint> &out)
{
    if (m_pInputPatterns == nullptr)
        return;
    const CBasePoint *own = maskPoint->GetBasePoint();
    CPtrCollection<CBasePoint> points;
    for (int i = 0; i < m_pInputPatterns->GetPatternCount(); ++i) {
        CInputPattern *pattern = m_pInputPatterns->GetPatternAt(i);
        if (!pattern->IsFlagged())
            continue;
        points.RemoveAll();
        pattern->AppendGradePoints(points);
        for (CBasePoint *point : points) {
            const DPOINT position = point->GetAbsPosition();
            if (rect.Contains(position.x, position.y) && point->GetAssociatedPoint() != own)
                out.Add(point);
        }
    }
}

IPatternLocation *CGradeMask::GetInputPatternLocation(CPattern *inputPattern)
{
    const auto found = m_oLocationMap.find(inputPattern);
    if (found != m_oLocationMap.end())
        return found->second;
    auto location = std::make_unique<CPatternLocation>(inputPattern);
    // The pattern's own location, not the one it asks this mask for.
    const DPOINT stored = inputPattern->CPattern::GetPatternLocation()->GetPosition();
    location->SetPosition(stored.x, stored.y);
    CPatternLocation *kept = location.get();
    m_oPatternLocations.AddOwned(std::move(location));
    m_oLocationMap.emplace(inputPattern, kept);
    return kept;
}

void CGradeMask::ClearPatternLocations()
{
    m_oLocationMap.clear();
    m_oPatternLocations.RemoveAll();
    if (ShowsInputPatterns())
        m_pInputPatterns->InvalidateAll();
}

CBasePoint *CGradeMask::FindBasePoint(const std::string &name) const
{
    for (const CMaskPattern *pattern : m_oPatterns) {
        const int index = pattern->FindBasePoint(name);
        if (index >= 0)
            return pattern->GetBasePointAt(index);
    }
    return nullptr;
}

namespace {

/// The names of a mask's patterns, for the name registry.
class PatternNames final : public INameSource
{
public:
    explicit PatternNames(const CGradeMask &mask)
        : m_mask(mask)
    {
    }

    int GetCount() const override { return m_mask.GetPatternCount(); }
    void GetAt(std::string &out, int i) const override
    {
        out = m_mask.GetPatternAt(i)->GetPatternName();
    }
    bool IsValid(int) const override { return true; }

private:
    const CGradeMask &m_mask;
};

} // namespace

std::string CGradeMask::GetValidPatternName(const std::string &name) const
{
    const PatternNames names(*this);
    int counter = -1;
    return CNameRegistry(names).MakeUniqueName(name, counter, false);
}

void CGradeMask::GetLastPointId(int &grade, int &other) const
{
    grade = 0;
    other = 0;
    for (const CMaskPattern *pattern : m_oPatterns) {
        for (int i = 0; i < pattern->GetBasePointCount(); ++i) {
            const CBasePoint *point = pattern->GetBasePointAt(i);
            int &last = point->GetGradeType() == GRADE_POINT_GRADE ? grade : other;
            last = std::max(last, point->GetPointId());
        }
    }
}

std::unique_ptr<CMaskPattern> CGradeMask::TakePatternAt(int i)
{
    LockEvents();
    std::unique_ptr<CMaskPattern> pattern = m_oPatterns.TakeAt(i);
    UnlockEvents();
    return pattern;
}

std::unique_ptr<CGradeRegion> CGradeMask::TakeGradeRegionAt(int i)
{
    LockEvents();
    std::unique_ptr<CGradeRegion> region = m_oGradeRegions.TakeAt(i);
    UnlockEvents();
    return region;
}

void CGradeMask::OnReferencesResolved()
{
    for (CGradeRegion *region : m_oGradeRegions)
        region->SetGradeMask(this);
    for (CMaskPattern *pattern : m_oPatterns)
        pattern->SetGradeMask(this);
    m_oFormulaManager.AfterLoad(this);
}
