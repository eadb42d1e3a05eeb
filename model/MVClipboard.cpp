// Morvane model library.
// The clipboard payload: patterns and grade regions of a mask, with everything they depend on,
// as XML text, and their paste into a mask.
#include "model/MVClipboard.h"

#include "foundation/XmlErrorReporter.h"
#include "model/BasePoint.h"
#include "model/ClipboardMaskView.h"
#include "model/GradeMask.h"
#include "model/IMeasureFormula.h"

using namespace morvane;

static const CRuntimeClass kClipboardClass("CMVClipboard", &CreateObjectOf<CMVClipboard>,
                                           CMvItem::GetThisClass());

namespace {

const char *const kRootName = "MVClipboard";

/// The payload's root as a copy writes it: the collected view in place of the clipboard mask,
/// and the clipboard's items.
class CopyPayload : public CAttContainer, public CMvItem
{
public:
    CopyPayload(CClipboardMaskView &view, COwningCollection<CMVClipboardItem> &items)
    {
        AddContainerAttribute(&view, "GradeMask");
        AddCollectionAttribute(&items, "ClipboardItems", "ClipboardItem");
    }
};

/// The formulas of the manager, other than formula, that formula refers to, in the manager's
/// order.
std::vector<IBaseFormula *> formulasNeededBy(const IFormulaManager &manager, IBaseFormula *formula)
{
    std::vector<IBaseFormula *> needed;
    for (int i = 0; i < manager.GetFormulaCount(); ++i) {
        IBaseFormula *other = manager.GetFormulaAt(i);
        if (other != formula && formula->DependsOnFormula(other))
            needed.push_back(other);
    }
    return needed;
}

/// Fills a view with the copied items and everything their formulas need, from the source
/// mask; nothing is taken from the source.
class DependencyCollector
{
public:
    DependencyCollector(CGradeMask &source, CClipboardMaskView &view)
        : m_source(source)
        , m_view(view)
    {
    }

    /// The pattern (once) and every formula the source lists for it and its points.
    void AddPattern(CMaskPattern *pattern)
    {
        if (pattern == nullptr)
            return;
        m_view.AddPattern(pattern);
        CPtrCollection<IBaseFormula> formulas;
        m_source.GetFormulaManager()->GetPatternFormulas(pattern, formulas);
        for (IBaseFormula *formula : formulas)
            AddFormula(formula);
    }

    /// The region (once) and its formula.
    void AddRegion(CGradeRegion *region)
    {
        if (region == nullptr)
            return;
        m_view.AddRegion(region);
        if (IBaseFormula *formula = region->FindGradeFormula())
            AddFormula(formula);
    }

    /// The formula (once), what it is attached to, the patterns of its index points and the
    /// formulas it refers to.
    void AddFormula(IBaseFormula *formula)
    {
        if (m_view.HoldsFormula(formula))
            return;
        m_view.AddFormula(formula);
        switch (formula->GetAttachKind()) {
        case FORMULA_ATTACH_REGION:
            AddRegion(dynamic_cast<CGradeRegion *>(formula->GetRegion()));
            break;
        case FORMULA_ATTACH_PATTERN:
            AddPatternOf(formula->GetPattern());
            break;
        case FORMULA_ATTACH_POINT:
            AddPatternOf(formula->GetBasePoint());
            break;
        }
        for (int index : formula->GetIndexPointIndexes())
            AddPatternOf(formula->GetIndexPoint(index));
        for (IBaseFormula *needed : formulasNeededBy(*m_source.GetFormulaManager(), formula))
            AddFormula(needed);
    }

private:
    void AddPatternOf(CPattern *pattern) { AddPattern(dynamic_cast<CMaskPattern *>(pattern)); }
    void AddPatternOf(const CBasePoint *point)
    {
        if (point != nullptr)
            AddPatternOf(point->GetParent());
    }

    CGradeMask &m_source;
    CClipboardMaskView &m_view;
};

} // namespace

const CRuntimeClass *CMVClipboard::GetThisClass()
{
    return &kClipboardClass;
}

CMVClipboard::CMVClipboard()
    : m_pClipboardMask(std::make_unique<CGradeMask>())
{
    AddContainerAttribute(m_pClipboardMask.get(), "GradeMask");
    AddCollectionAttribute(&m_oClipboardItems, "ClipboardItems", "ClipboardItem");
    AddCollectionClass("ClipboardItems", CMvPatternClipboardItem::GetThisClass());
    AddCollectionClass("ClipboardItems", CMvRegionClipboardItem::GetThisClass());
}

// The patterns made for input patterns go first, then the payload's mask with whatever was not
// pasted.
CMVClipboard::~CMVClipboard()
{
    m_oClipboardItems.RemoveAll();
    m_aMadePatterns.clear();
}

void CMVClipboard::Create(CGradeMask *source)
{
    m_pMask = source;
    m_bPending = true;
}

int CMVClipboard::AddClipboardItem(CPattern *pattern)
{
    m_bPending = true;
    auto *maskPattern = dynamic_cast<CMaskPattern *>(pattern);
    if (maskPattern == nullptr) {
        std::unique_ptr<CMaskPattern> made = m_pClipboardMask->MakePattern();
        made->CreateFromInput(*pattern);
        made->SetPatternName(m_pClipboardMask->GetValidPatternName(pattern->GetPatternName()));
        maskPattern = made.get();
        m_aMadePatterns.push_back(std::move(made));
    }
    auto item = std::make_unique<CMvPatternClipboardItem>();
    item->Create(maskPattern);
    return m_oClipboardItems.AddOwned(std::move(item));
}

int CMVClipboard::AddClipboardItem(IRegion *region)
{
    m_bPending = true;
    auto item = std::make_unique<CMvRegionClipboardItem>();
    item->Create(dynamic_cast<CGradeRegion *>(region));
    return m_oClipboardItems.AddOwned(std::move(item));
}

bool CMVClipboard::GetXmlContent(std::string &out)
{
    if (m_bPending && m_pMask != nullptr) {
        m_bPending = false;
        CClipboardMaskView view;
        DependencyCollector collector(*m_pMask, view);
        for (const CMVClipboardItem *item : m_oClipboardItems) {
            if (item->GetPattern() != nullptr)
                view.AddPattern(item->GetPattern());
            else if (item->GetRegion() != nullptr)
                view.AddRegion(item->GetRegion());
        }
        for (const CMVClipboardItem *item : m_oClipboardItems) {
            collector.AddPattern(item->GetPattern());
            collector.AddRegion(item->GetRegion());
        }
        CopyPayload payload(view, m_oClipboardItems);
        m_oArchive.Reset();
        const int failed = m_oArchive.SaveObject(payload, kRootName);
        m_oClipboardItems.RemoveAll();
        m_sLastError = failed != 0 ? "The clipboard payload could not be written: " + saveProblem()
                                   : std::string();
    }
    if (!m_sLastError.empty())
        return false;
    out = m_oArchive.GetXmlContents();
    return true;
}

std::string CMVClipboard::saveProblem() const
{
    const std::vector<std::string> &reports = GetXmlErrorReporter().GetMessages();
    const std::string aborted =
        m_oArchive.GetLastError().empty() ? "saving aborted" : m_oArchive.GetLastError();
    return reports.empty() ? aborted : reports.back() + " (" + aborted + ")";
}

bool CMVClipboard::Create(const std::string &text)
{
    m_oArchive.Reset();
    std::string root;
    std::string unused;
    if (!m_oArchive.LoadFromText(text, "clipboard") || !m_oArchive.SelectRoot("", root, unused)) {
        m_sLastError = m_oArchive.GetLastError();
        return false;
    }
    if (root != kRootName) {
        m_sLastError = "The clipboard holds no Morvane items (its root is <" + root + ">).";
        return false;
    }
    if (m_oArchive.LoadObject(*this, kRootName) != 0) {
        m_sLastError = m_oArchive.GetLastError();
        return false;
    }
    m_sLastError.clear();
    return true;
}

void CMVClipboard::UpdateMask(CGradeMask &target)
{
    m_pMask = &target;
    const IFormulaManager &payload = *m_pClipboardMask->GetFormulaManager();
    m_aPayloadFormulas.clear();
    for (int i = 0; i < payload.GetFormulaCount(); ++i)
        m_aPayloadFormulas.push_back(payload.GetFormulaAt(i));
    target.GetHistoryItf()->BeginGroup();
    for (const CMVClipboardItem *item : m_oClipboardItems) {
        if (item->GetPattern() != nullptr)
            PastePattern(item->GetPattern());
        else if (item->GetRegion() != nullptr)
            PasteRegion(item->GetRegion());
    }
    target.GetHistoryItf()->EndGroup();
}

bool CMVClipboard::IsItemPattern(const CPattern *pattern) const
{
    for (const CMVClipboardItem *item : m_oClipboardItems) {
        if (pattern != nullptr && item->GetPattern() == pattern)
            return true;
    }
    return false;
}

bool CMVClipboard::IsItemRegion(const IRegion *region) const
{
    for (const CMVClipboardItem *item : m_oClipboardItems) {
        if (region != nullptr && item->GetRegion() == region)
            return true;
    }
    return false;
}

bool CMVClipboard::CanPasteFormula(IBaseFormula *formula) const
{
    switch (formula->GetAttachKind()) {
    case FORMULA_ATTACH_REGION:
        return IsItemRegion(formula->GetRegion());
    case FORMULA_ATTACH_PATTERN:
        return IsItemPattern(formula->GetPattern());
    case FORMULA_ATTACH_POINT:
        return formula->GetBasePoint() != nullptr &&
               IsItemPattern(formula->GetBasePoint()->GetParent());
    }
    return false;
}

bool CMVClipboard::PastePattern(CMaskPattern *pattern)
{
    const int at = m_pClipboardMask->FindPattern(pattern);
    if (m_pMask->FindPattern(pattern) >= 0 || at < 0)
        return false;
    CPtrCollection<IBaseFormula> formulas;
    m_pClipboardMask->GetFormulaManager()->GetPatternFormulas(pattern, formulas);
    int gradeId = 0;
    int otherId = 0;
    m_pMask->GetLastPointId(gradeId, otherId);
    pattern->SetPointsId(gradeId, otherId);
    pattern->SetPatternName(m_pMask->GetValidPatternName(pattern->GetPatternName()));
    m_pMask->InsertPatternAt(m_pMask->GetPatternCount(), m_pClipboardMask->TakePatternAt(at));
    for (IBaseFormula *formula : formulas)
        PasteFormula(formula);
    return true;
}

bool CMVClipboard::PasteRegion(CGradeRegion *region)
{
    const int at = m_pClipboardMask->FindGradeRegion(region);
    if (m_pMask->FindGradeRegion(region) >= 0 || at < 0)
        return false;
    IBaseFormula *formula = region->FindGradeFormula();
    std::unique_ptr<CGradeRegion> taken = m_pClipboardMask->TakeGradeRegionAt(at);
    taken->SetGradeMask(m_pMask);
    if (formula != nullptr)
        PasteFormula(formula);
    m_pMask->InsertGradeRegionAt(m_pMask->GetGradeRegionCount(), std::move(taken));
    return true;
}

bool CMVClipboard::PasteFormula(IBaseFormula *formula)
{
    IFormulaManager &payload = *m_pClipboardMask->GetFormulaManager();
    IFormulaManager &target = *m_pMask->GetFormulaManager();
    const int at = payload.FindFormula(formula);
    if (target.FindFormula(formula) >= 0 || at < 0)
        return false;
    const std::vector<IBaseFormula *> needed = formulasNeededBy(payload, formula);
    RenameClashingMeasure(formula);
    formula->SetOwner(m_pMask);
    m_pClipboardMask->LockEvents();
    std::unique_ptr<IBaseFormula> taken =
        m_pClipboardMask->GetFormulas().GetFormulaCollection().TakeAt(at);
    m_pClipboardMask->UnlockEvents();
    target.InsertFormulaAt(target.GetFormulaCount(), std::move(taken));
    for (int index : formula->GetIndexPointIndexes()) {
        const CBasePoint *point = formula->GetIndexPoint(index);
        if (point != nullptr && !IsItemPattern(point->GetParent()))
            formula->SetIndexPoint(index, nullptr);
    }
    for (IBaseFormula *other : needed) {
        if (CanPasteFormula(other))
            PasteFormula(other);
        else
            formula->OnIndexPointsChanged(other);
    }
    return true;
}

// A name "m<n>" that neither the target nor the payload uses.
static std::string freeMeasureName(const IFormulaManager &target, const IFormulaManager &payload)
{
    for (int n = 1;; ++n) {
        const std::string name = "m" + std::to_string(n);
        if (target.FindFormulaByName(name) == nullptr && payload.FindFormulaByName(name) == nullptr)
            return name;
    }
}

void CMVClipboard::RenameClashingMeasure(IBaseFormula *formula)
{
    IMeasureFormula *measure = formula->AsMeasureFormula();
    if (measure == nullptr ||
        m_pMask->GetFormulaManager()->FindFormulaByName(measure->GetVarName()) == nullptr)
        return;
    const std::string oldName = measure->GetVarName();
    const std::string newName =
        freeMeasureName(*m_pMask->GetFormulaManager(), *m_pClipboardMask->GetFormulaManager());
    measure->SetVarName(newName);
    for (IBaseFormula *user : m_aPayloadFormulas) {
        if (user != formula)
            user->RenameVariable(oldName, newName);
    }
}
