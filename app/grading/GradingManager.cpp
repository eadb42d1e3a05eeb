// Morvane program grading.
// The main document's grading: one grading state per input pattern, kept current and applied.
#include "app/grading/GradingManager.h"

#include "app/documents/IDocumentServices.h"
#include "app/grading/FormulaDisplayText.h"
#include "app/grading/GradingMessages.h"
#include "app/grading/GradingUpdateGuard.h"
#include "app/grading/ParameterTextChecker.h"
#include "app/grading/PatternGrading.h"
#include "foundation/EnumValueMap.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MorvaneException.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "sources/grade-model/IGradeData.h"
#include "sources/grade-model/IGradeModel.h"

#include <algorithm>
#include <utility>

namespace {

/// Where notifications start: the low 16 bits of their first handler's id.
enum Origin : uint32_t {
    kMaskOrigin = 1,
    kFormulaOrigin = 3,
    kInputPatternsOrigin = 10,
    kMainDocumentOrigin = 100,
    kMaskDocumentsOrigin = 107,
    kMaskDocumentOrigin = 108,
    kTableSetOrigin = 1000,
    kTableOrigin = 1001,
};

/// A pattern's own handler: an input pattern's grading changed (property 0).
constexpr uint32_t kPatternOrigin = 0;
constexpr uint32_t kPatternGrading = 0;
constexpr uint32_t kAllProperties = 0xFFFF;
constexpr uint32_t kFormulaProperty = 2;
/// A measure formula's value changed.
constexpr uint32_t kMeasureValueProperty = 3;
constexpr uint32_t kOptionsProperty = 3;

uint32_t originOf(const EventData &data)
{
    return data.m_aIds[0] & 0xFFFF;
}

uint32_t argumentOf(const EventData &data)
{
    return data.m_nFirst & 0xFFFF;
}

bool isKey(const EventData &data, uint32_t origin, uint32_t argument)
{
    return originOf(data) == origin && argumentOf(data) == argument;
}

template <typename T>
void appendNew(std::vector<T> &values, const T &value)
{
    if (std::find(values.begin(), values.end(), value) == values.end())
        values.push_back(value);
}

} // namespace

CGradingManager::CGradingManager(IDocumentServices &services, IGradingMessages &messages)
    : m_services(services)
    , m_messages(messages)
{
}

CGradingManager::~CGradingManager() = default;

void CGradingManager::Rebuild()
{
    m_oGradings.RemoveAll();
    Invalidate();
    IInputPatterns *patterns = m_services.GetInputPatterns();
    if (patterns == nullptr)
        return;
    for (int i = 0; i < patterns->GetPatternCount(); ++i) {
        auto grading = std::make_unique<CPatternGrading>();
        grading->Attach(this, patterns->GetPatternAt(i));
        m_oGradings.Add(grading.release());
    }
}

bool CGradingManager::RestartGrading()
{
    IGradeModel *model = m_services.GetLoadedGradeModel();
    if (model == nullptr)
        return true;
    const GM_ERROR result = model->BeginGrading();
    if (result == GM_NO_ERROR)
        return true;
    std::string name;
    model->GetName(name);
    m_messages.ReportProblem("Error begin grading in model '" + name +
                             "': " + CMorvaneException::GetErrorNames().GetNameById(result));
    return false;
}

bool CGradingManager::ApplyGradeRules()
{
    if (!HasSizes())
        return true;
    RecomputeAll();
    // Without an active mask there are no formulas to ask about, nor any to grade.
    IGradeMask *mask = GetActiveMask();
    if (mask != nullptr && !ReportFormulaProblems(*mask->GetFormulaManager()))
        return false;
    GradingUpdateGuard raised(m_services);
    const bool wasGrading = std::exchange(m_bGrading, true);
    bool allGraded = true;
    for (CPatternGrading *grading : m_oGradings)
        if (grading->NeedsGrading())
            allGraded = grading->ApplyGradeRules() && allGraded;
    m_bGrading = wasGrading;
    return allGraded;
}

bool CGradingManager::ReportFormulaProblems(IFormulaManager &formulas)
{
    const CFormulaMessageList &messages = *formulas.GetMessages();
    ParameterTextChecker checker(GetFormulaNames());
    for (int i = 0; i < messages.GetCount(); ++i) {
        const CFormulaMessage &message = *messages.GetAt(i);
        if (message.GetCode() != FM_FAULTY_PARAMETER)
            continue;
        for (int t = 0; t < message.GetTextCount(); ++t)
            m_messages.ReportProblem("formula '" + formulaDisplayText(message.GetFormula()) +
                                     "': " + checker.DescribeFault(message.GetTextAt(t)) +
                                     "; it is not graded");
    }
    return messages.GetCount() == 0 ||
           m_messages.AskYesNo("Some formulas have problems (see the message list).\n"
                               "Grade the patterns anyway?");
}

void CGradingManager::RecomputeAll()
{
    if (IGradeMask *mask = GetActiveMask()) {
        IFormulaManager &formulas = *mask->GetFormulaManager();
        formulas.GetMessages()->Clear();
        ParameterTextChecker checker(GetFormulaNames());
        formulas.CheckFormulas(&checker, GetRuntimeFormulas());
    }
    for (CPatternGrading *grading : m_oGradings)
        grading->Update();
}

void CGradingManager::CollectGradePoints(CPtrCollection<CBasePoint> &points)
{
    if (m_oGradings.GetCount() == 0)
        return;
    for (CBasePoint *point : GetGradePoints())
        if (points.Find(point) < 0)
            points.Add(point);
}

void CGradingManager::CollectFormulaPoints(CPtrCollection<CBasePoint> &points)
{
    for (CPatternGrading *grading : m_oGradings)
        grading->CollectFormulaPoints(points);
}

bool CGradingManager::HasFormulaPoint(int id)
{
    if (m_oGradings.GetCount() == 0)
        return true;
    CPtrCollection<CBasePoint> points;
    CollectFormulaPoints(points);
    return std::any_of(points.begin(), points.end(),
                       [id](const CBasePoint *point) { return point->GetPointId() == id; });
}

void CGradingManager::Invalidate()
{
    m_bRuntimeStale = true;
    m_bNamesStale = true;
    m_bPointsDirty = true;
    for (CPatternGrading *grading : m_oGradings)
        grading->Invalidate();
}

void CGradingManager::SetGradePointOptions(const GradePointOptions &options)
{
    m_oGradePointOptions = options;
    Invalidate();
}

CPatternGrading *CGradingManager::FindPatternGrading(const CInputPattern *pattern) const
{
    for (CPatternGrading *grading : m_oGradings)
        if (grading->GetPattern() == pattern)
            return grading;
    return nullptr;
}

const CPtrCollection<CBasePoint> &CGradingManager::GetGradePoints()
{
    if (m_bPointsDirty)
        RebuildGradePoints();
    return m_oGradePoints;
}

void CGradingManager::RebuildGradePoints()
{
    m_bPointsDirty = false;
    m_oGradePoints.RemoveAll();
    IInputPatterns *patterns = m_services.GetInputPatterns();
    if (patterns == nullptr)
        return;
    CPtrCollection<CBasePoint> all;
    for (int i = 0; i < patterns->GetPatternCount(); ++i) {
        CInputPattern *pattern = patterns->GetPatternAt(i);
        if (pattern->IsFlagged())
            pattern->AppendGradePoints(all);
    }
    const IGradeMask *mask = GetActiveMask();
    for (CBasePoint *point : all) {
        const bool readOnly = mask != nullptr && point->GetGradeType() == GRADE_POINT_GRADE &&
                              mask->IsInReadOnlyRegion(point);
        if (!readOnly)
            m_oGradePoints.Add(point);
    }
}

bool CGradingManager::HasPoint(int id)
{
    if (m_oGradings.GetCount() == 0)
        return false;
    const CPtrCollection<CBasePoint> &points = GetGradePoints();
    return std::any_of(points.begin(), points.end(),
                       [id](const CBasePoint *point) { return point->GetPointId() == id; });
}

bool CGradingManager::HasRuntimeFormulas()
{
    return std::any_of(m_oGradings.begin(), m_oGradings.end(),
                       [](CPatternGrading *grading) { return grading->HasRuntimeFormulas(); });
}

IGradeMask *CGradingManager::GetActiveMask() const
{
    return m_services.GetActiveGradeMask();
}

IGradeData *CGradingManager::GetGradeData() const
{
    IBrismond *tableSet = m_services.GetTableSet();
    return tableSet != nullptr ? &tableSet->GetGradeData() : nullptr;
}

bool CGradingManager::HasSizes() const
{
    const IGradeData *data = GetGradeData();
    for (int table = 0; data != nullptr && table < data->GetTableCount(); ++table) {
        if (data->GetSizeCount(table) > 0)
            return true;
    }
    return false;
}

const IMeasureTable *CGradingManager::GetMeasureTable(int table) const
{
    IBrismond *tableSet = m_services.GetTableSet();
    return tableSet != nullptr ? tableSet->GetTableAt(table) : nullptr;
}

const CPtrCollection<IBaseFormula> &CGradingManager::GetRuntimeFormulas()
{
    if (!m_bRuntimeStale)
        return m_oRuntimeFormulas;
    m_bRuntimeStale = false;
    m_oRuntimeFormulas.RemoveAll();
    IGradeMask *mask = GetActiveMask();
    if (mask != nullptr)
        mask->GetFormulaManager()->GetEvaluationOrder(m_oRuntimeFormulas);
    IndexRuntimePatterns();
    return m_oRuntimeFormulas;
}

void CGradingManager::IndexRuntimePatterns()
{
    m_oRuntimeReach.clear();
    for (IBaseFormula *formula : m_oRuntimeFormulas) {
        CPtrCollection<CBasePoint> points;
        formula->CollectPoints(points);
        RuntimeReach reach;
        reach.everyPattern = points.GetCount() == 0 && formula->AsMeasureFormula() != nullptr;
        for (const CBasePoint *point : points)
            if (point != nullptr)
                appendNew<const CPattern *>(reach.patterns, point->GetParent());
        CPtrCollection<CBasePoint> read;
        formula->CollectAllPoints(read);
        for (const CBasePoint *point : read)
            if (point != nullptr)
                appendNew<const CPattern *>(reach.reads, point->GetParent());
        m_oRuntimeReach.push_back(std::move(reach));
    }
}

CPtrCollection<IBaseFormula> CGradingManager::GetRuntimeFormulasOf(const CPattern *pattern)
{
    const CPtrCollection<IBaseFormula> &runtime = GetRuntimeFormulas();
    CPtrCollection<IBaseFormula> own;
    for (int i = 0; i < runtime.GetCount(); ++i) {
        const RuntimeReach &reach = m_oRuntimeReach[static_cast<std::size_t>(i)];
        if (reach.everyPattern || std::find(reach.patterns.begin(), reach.patterns.end(),
                                            pattern) != reach.patterns.end())
            own.Add(runtime.GetAt(i));
    }
    return own;
}

const std::vector<std::string> &CGradingManager::GetFormulaNames()
{
    if (!m_bNamesStale)
        return m_oFormulaNames;
    m_bNamesStale = false;
    m_oFormulaNames.clear();
    IBrismond *tableSet = m_services.GetTableSet();
    for (int t = 0; tableSet != nullptr && t < tableSet->GetTableCount(); ++t) {
        const IMeasureTable *table = tableSet->GetTableAt(t);
        for (int m = 0; m < table->GetMeasurementCount(); ++m)
            appendNew(m_oFormulaNames, table->GetMeasurementAt(m)->GetName());
    }
    if (IGradeMask *mask = GetActiveMask())
        mask->GetFormulaManager()->CollectNames(m_oFormulaNames);
    return m_oFormulaNames;
}

void CGradingManager::OnAttached(EventData *data)
{
    if (isKey(*data, kMaskOrigin, kFormulaOrigin) || isKey(*data, kTableSetOrigin, kTableOrigin))
        Invalidate();
}

void CGradingManager::OnDetached(EventData *data)
{
    if (isKey(*data, kMaskOrigin, kFormulaOrigin) ||
        isKey(*data, kMaskDocumentsOrigin, kMaskDocumentOrigin) ||
        isKey(*data, kTableSetOrigin, kTableOrigin))
        Invalidate();
}

void CGradingManager::OnBeforeChange(EventData *data)
{
    OnFormulaChange(data);
}

void CGradingManager::OnAfterChange(EventData *data)
{
    OnFormulaChange(data);
    if (isKey(*data, kMainDocumentOrigin, kOptionsProperty))
        Invalidate();
    if (m_bGrading)
        return;
    if (isKey(*data, kPatternOrigin, kPatternGrading))
        OnPatternGradingChanged(data->m_aOwners[0]);
    if (isKey(*data, kFormulaOrigin, kMeasureValueProperty))
        MarkEveryGradingForGrading();
}

void CGradingManager::OnPatternGradingChanged(const void *pattern)
{
    const auto changed = std::find_if(m_oGradings.begin(), m_oGradings.end(),
                                      [pattern](CPatternGrading *grading) {
                                          return static_cast<const CPattern *>(
                                                     grading->GetPattern()) == pattern;
                                      });
    if (changed == m_oGradings.end())
        return;
    (*changed)->OnInputGradingChanged();
    // Stale runtime formulas have left every grading stale already.
    if (m_bRuntimeStale)
        return;
    const CPattern *source = (*changed)->GetPattern();
    for (const RuntimeReach &reach : m_oRuntimeReach) {
        if (std::find(reach.reads.begin(), reach.reads.end(), source) == reach.reads.end())
            continue;
        for (CPatternGrading *grading : m_oGradings)
            if (reach.everyPattern ||
                std::find(reach.patterns.begin(), reach.patterns.end(), grading->GetPattern()) !=
                    reach.patterns.end())
                grading->MarkForGrading();
    }
}

void CGradingManager::MarkEveryGradingForGrading()
{
    for (CPatternGrading *grading : m_oGradings)
        grading->MarkForGrading();
}

void CGradingManager::OnFormulaChange(EventData *data)
{
    if (isKey(*data, kFormulaOrigin, kFormulaProperty) ||
        isKey(*data, kFormulaOrigin, kAllProperties))
        Invalidate();
}

void CGradingManager::OnEndUpdate(EventData *data)
{
    switch (originOf(*data)) {
    case kInputPatternsOrigin:
        Rebuild();
        return;
    case kMaskOrigin:
    case kTableSetOrigin:
        Invalidate();
        return;
    }
}

void CGradingManager::OnEvent128(EventData *data)
{
    if (isKey(*data, kMainDocumentOrigin, kMaskDocumentOrigin))
        Invalidate();
}
