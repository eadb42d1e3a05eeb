// Morvane model library.
// Saving a grade mask to its file and loading it back, bringing older files up to date.
#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlArchive.h"
#include "model/GradeMask.h"

#include <vector>

using namespace morvane;

namespace {

/// Root element of a mask file.
constexpr const char *kRootName = "GradeMask";
/// Versions strictly between these are read.
constexpr int kOldestRefused = 1000;
constexpr int kNewestRefused = 2200;
/// Files after this version store the polylines of their patterns.
constexpr int kLastVersionWithoutPolylines = 2115;

/// Sets g_bPolylinesInMaskFile for one load, and back to true however the load ends.
class PolylinesInMaskFile
{
public:
    explicit PolylinesInMaskFile(bool stored) { g_bPolylinesInMaskFile = stored; }
    ~PolylinesInMaskFile() { g_bPolylinesInMaskFile = true; }
    PolylinesInMaskFile(const PolylinesInMaskFile &) = delete;
    PolylinesInMaskFile &operator=(const PolylinesInMaskFile &) = delete;
};

} // namespace

bool CGradeMask::Save(const std::filesystem::path &path)
{
    m_oAssociationMap.RemoveUnassigned();
    CXmlArchive archive;
    if (archive.SaveObjectToFile(path, *this, kRootName) != 0) {
        m_sLastError = archive.GetLastError();
        return false;
    }
    m_sLastError.clear();
    SetFileName(path);
    return true;
}

bool CGradeMask::Load(const std::filesystem::path &path)
{
    CGradeMask loaded;
    int version = 0;
    if (!loaded.ReadFile(path, version)) {
        m_sLastError = loaded.m_sLastError;
        return false;
    }
    SendBeginUpdate();
    LockEvents();
    ClearData();
    TakeContentOf(loaded);
    UpdateFromVersion(version);
    m_nVersion = kVersion;
    m_sLastError.clear();
    SetFileName(path);
    UnlockEvents();
    SendEndUpdate();
    return true;
}

// Loads the file into this (new) mask; false, with the reason, when it is refused.
bool CGradeMask::ReadFile(const std::filesystem::path &path, int &version)
{
    CXmlArchive archive;
    if (!archive.LoadFromFile(path)) {
        m_sLastError = archive.GetLastError();
        return false;
    }
    std::string root;
    std::string versionText;
    archive.SelectRoot("Version", root, versionText);
    version = parseInt(versionText);
    if (root != kRootName) {
        m_sLastError = path.string() + ": the root element is not \"GradeMask\"";
        return false;
    }
    if (version <= kOldestRefused || version >= kNewestRefused) {
        m_sLastError = format("%s: version %d is not read", path.string().c_str(), version);
        return false;
    }
    const PolylinesInMaskFile polylines(version > kLastVersionWithoutPolylines);
    if (archive.LoadObject(*this, kRootName) != 0) {
        m_sLastError = archive.GetLastError().empty() ? path.string() + ": loading aborted"
                                                      : archive.GetLastError();
        return false;
    }
    return true;
}

void CGradeMask::TakeContentOf(CGradeMask &loaded)
{
    m_oCenter = loaded.m_oCenter;
    while (loaded.GetPatternCount() > 0) {
        std::unique_ptr<CMaskPattern> pattern = loaded.m_oPatterns.TakeAt(0);
        pattern->SetGradeMask(this);
        m_oPatterns.AddOwned(std::move(pattern));
    }
    while (loaded.GetGradeRegionCount() > 0) {
        std::unique_ptr<CGradeRegion> region = loaded.m_oGradeRegions.TakeAt(0);
        region->SetGradeMask(this);
        m_oGradeRegions.AddOwned(std::move(region));
    }
    m_oAssociationMap.TakeItemsOf(loaded.m_oAssociationMap);
    m_oFormulaManager.TakeFormulasOf(loaded.m_oFormulaManager);
    while (loaded.m_oOldFormulas.GetCount() > 0)
        m_oOldFormulas.AddOwned(loaded.m_oOldFormulas.TakeAt(0));
    m_oFormulaManager.AfterLoad(this);
}

// Each step runs for a file older than its version, in this order.
void CGradeMask::UpdateFromVersion(int version)
{
    if (version < 1100)
        UpdateFromVersion1001to1100();
    if (version < 2100)
        UpdateFromVersion1901to2100();
    if (version < 2115)
        UpdateFromVersion2100to2115();
    if (version < 2116)
        m_oFormulaManager.UpdateFromVersion2115to2116();
    if (version < 2117)
        UpdateFromVersion2116to2117();
    if (version < 2118)
        UpdateFromVersion2117to2118();
    if (version < 2120)
        UpdateToVersion2120();
    if (version < 2121)
        UpdateToVersion2121();
}

void CGradeMask::UpdateFromVersion1001to1100()
{
    for (IOldFormula *old : m_oOldFormulas) {
        auto *grading = dynamic_cast<IOldPropDistGrading *>(old);
        if (grading != nullptr && old->GetOldFormulaType() == OLD_FORMULA_PROPORTIONAL)
            grading->ConvertPathProperties();
    }
}

CGradeRegion *CGradeMask::FindGradeRegion(const IOldFormula *formula) const
{
    for (CGradeRegion *region : m_oGradeRegions) {
        IOldFormula *old = region->GetOldFormula();
        if (old == formula)
            return region;
        auto *grading = dynamic_cast<const IOldPropDistGrading *>(old);
        if (grading != nullptr && grading->HoldsPath(formula))
            return region;
    }
    return nullptr;
}

bool CGradeMask::IsGradePathOfGrading(const IOldFormula *formula) const
{
    for (IOldFormula *old : m_oOldFormulas) {
        auto *grading = dynamic_cast<const IOldPropDistGrading *>(old);
        if (grading != nullptr && grading->HoldsGradePath(formula))
            return true;
    }
    return false;
}

// Whether an old formula of that type number is converted in the first round.
static bool isConvertedOldType(int type)
{
    switch (type) {
    case OLD_FORMULA_GRADE:
    case OLD_FORMULA_PATH:
    case OLD_FORMULA_POINT_PATH:
    case OLD_FORMULA_DART:
    case OLD_FORMULA_LAPEL:
        return true;
    }
    return false;
}

IBaseFormula *CGradeMask::AddConvertedFormula(IOldFormula &old, CGradeRegion *region)
{
    std::unique_ptr<IBaseFormula> formula = old.ConvertToNewFormula(region);
    if (formula == nullptr)
        return nullptr;
    formula->SetOwner(this);
    IBaseFormula *added = formula.get();
    m_oFormulaManager.GetFormulaCollection().AddOwned(std::move(formula));
    return added;
}

// Each old formula of a converted kind becomes a formula of the manager (none is recorded in the
// history, which the load has cleared), the proportional-distance gradings last, as their
// measure paths are the formulas that their path definitions became; then the old formulas go.
void CGradeMask::UpdateFromVersion1901to2100()
{
    std::vector<IOldFormula *> gradings;
    for (IOldFormula *old : m_oOldFormulas) {
        if (old->GetOldFormulaType() == OLD_FORMULA_PROPORTIONAL)
            gradings.push_back(old);
        else if (isConvertedOldType(old->GetOldFormulaType()) && !IsGradePathOfGrading(old))
            AddConvertedFormula(*old, FindGradeRegion(old));
    }
    for (IOldFormula *grading : gradings) {
        CGradeRegion *region = FindGradeRegion(grading);
        IBaseFormula *formula = AddConvertedFormula(*grading, region);
        // The region grades with what the grading became: the grading itself goes below.
        if (region != nullptr && formula != nullptr)
            region->SetGradeFormula(formula);
    }
    for (CGradeRegion *region : m_oGradeRegions)
        region->ClearOldFormula();
    m_oOldFormulas.RemoveAll();
}

void CGradeMask::UpdateFromVersion2100to2115()
{
    for (CMaskPattern *pattern : m_oPatterns)
        pattern->BuildContours();
}

void CGradeMask::UpdateFromVersion2116to2117()
{
    for (CGradeRegion *region : m_oGradeRegions)
        region->UpdateTypeFromFormula();
    for (CMaskPattern *pattern : m_oPatterns)
        pattern->UpdateFromVersion2116to2117();
}

void CGradeMask::UpdateFromVersion2117to2118()
{
    m_oFormulaManager.UpdateFromVersion2117to2118();
    for (CMaskPattern *pattern : m_oPatterns)
        pattern->UpdateFromVersion2117to2118();
}

void CGradeMask::UpdateToVersion2120()
{
    for (CMaskPattern *pattern : m_oPatterns)
        pattern->UpdateToVersion2120();
    m_oFormulaManager.UpdateToVersion2120();
}

void CGradeMask::UpdateToVersion2121()
{
    m_oFormulaManager.UpdateToVersion2121();
}
