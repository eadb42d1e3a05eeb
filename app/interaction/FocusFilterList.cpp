// Morvane program interaction.
// A tool's focus rules and the search references they add for the things of the mask.
#include "app/interaction/FocusFilterList.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/extras/ShapeHitTest.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/RotationPivot.h"
#include "app/tables/GradeSizeSelection.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/Polyline.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"

#include <algorithm>
#include <optional>

namespace {

constexpr const char *kRegionBackgroundOption = "SHOW_BKGRDREGION";

bool isActiveOnly(int32_t membership)
{
    return membership == CFocusFilter::kActiveOnly ||
           membership == CFocusFilter::kActiveContourLines ||
           membership == CFocusFilter::kOutsideActiveContour;
}

// Whether the membership admits an object that is (or is not) the active one.
bool admits(int32_t membership, bool active)
{
    if (membership == CFocusFilter::kAll)
        return true;
    if (membership == CFocusFilter::kNotActive)
        return !active;
    return isActiveOnly(membership) && active;
}

// The shown state of a pattern: an input pattern's flag; mask patterns are always shown.
bool isShown(CPattern &pattern)
{
    const IInputPattern *input = pattern.GetInputPattern();
    return input == nullptr || input->IsFlagged();
}

// The one place of a shown size that holds a size of its table: (table, size index).
std::optional<std::pair<int, int>> singlePair(const IComplexGradeSize &size)
{
    std::optional<std::pair<int, int>> pair;
    for (int i = 0; i < size.GetPlaceCount(); ++i) {
        if (size.GetPlaceAt(i) < 0)
            continue;
        if (pair)
            return std::nullopt;
        pair = std::make_pair(i, size.GetPlaceAt(i));
    }
    return pair;
}

} // namespace

/// What the rules read of the documents during one FindFocusObject.
struct CFocusFilterList::SearchContext
{
    const CFocusObject *active = nullptr;
    int snapMode = 0;
    bool showInput = true;
    bool showGuide = true;
    bool showRegions = true;
    bool showGrading = false;
    int gradingShownMode = 0;
    bool showRegionBackground = false;
    IInputPatterns *inputPatterns = nullptr;
    IGradeMask *mask = nullptr;
    CRotationPivot *pivot = nullptr;
    CGradePathEditor *pathEditor = nullptr;
    const CGradeSizeSelection *sizeSelection = nullptr;
    IBrismond *tableSet = nullptr;

    bool isActive(const CObject *object) const { return active->RefersTo(object); }

    // The line is one of the active contour's: the active object holds a contour of the
    // line's pattern that holds the line.
    bool isInActiveContour(const CPattern &pattern, const CPolyline &line) const
    {
        const CContour *contour = active->GetContour();
        return contour != nullptr && contour->GetPattern() == &pattern &&
               contour->FindContourLine(&line) >= 0;
    }

    // The pattern's graded shapes are shown: the active one's while grading is shown, the
    // others' while all grading is; and the pattern is shown.
    bool showsGrading(CPattern &pattern) const
    {
        const bool graded = isActive(&pattern) ? showGrading : gradingShownMode == 1;
        return graded && isShown(pattern);
    }

    // The base size index of the table; none when there is no such table.
    std::optional<int> baseSizeOf(int table) const
    {
        if (tableSet == nullptr || table >= tableSet->GetTableCount())
            return std::nullopt;
        return tableSet->GetTableAt(table)->GetBaseSizeIndex();
    }
};

CFocusFilterList::CFocusFilterList() = default;

CFocusFilterList::~CFocusFilterList() = default;

void CFocusFilterList::SetOwner(IDocumentServices *services, IMaskDocumentAccess *maskDocument)
{
    m_pServices = services;
    m_pMaskDocument = maskDocument;
}

int CFocusFilterList::AddFilter(int32_t objectKind, int32_t detailKind, int32_t tolerance,
                                int32_t snapTolerance, int32_t membership, int32_t source,
                                int32_t pointMode, morvane::GradeSizeKey size)
{
    m_aFilters.push_back(std::make_unique<CFocusFilter>(objectKind, detailKind, tolerance,
                                                        snapTolerance, membership, source,
                                                        pointMode, size));
    return GetCount() - 1;
}

void CFocusFilterList::RemoveAll()
{
    m_aFilters.clear();
}

void CFocusFilterList::SetFilterObject(int i, const CPtrCollection<CPattern> &objects)
{
    CFocusFilter &rule = GetAt(i);
    rule.m_oAllowedObjects.RemoveAll();
    rule.m_oAllowedObjects.Append(objects);
}

void CFocusFilterList::SetObjectForAll(const CPtrCollection<CPattern> &objects)
{
    for (int i = 0; i < GetCount(); ++i)
        SetFilterObject(i, objects);
}

void CFocusFilterList::FindFocusObject(CShapeHitTest *search)
{
    m_pSearch = search;
    m_bPointFound = false;
    m_oShapes.Clear();
    const std::unique_ptr<CFocusObject> nothing =
        CFocusObject::Create(nullptr, CFocusObject::kNothing);
    SearchContext context;
    context.active = nothing.get();
    if (m_pMaskDocument != nullptr) {
        if (const CFocusManager *focus = m_pMaskDocument->GetFocusManager())
            context.active = focus->GetActiveObject();
        if (const CInteractionModes *modes = m_pMaskDocument->GetInteractionModes())
            context.snapMode = modes->GetSnapMode();
        context.mask = m_pMaskDocument->GetGradeMask();
        context.pivot = m_pMaskDocument->GetRotationPivot();
        context.pathEditor = m_pMaskDocument->GetGradePathEditor();
    }
    if (m_pServices != nullptr) {
        if (const CDisplayFlags *flags = m_pServices->GetDisplayFlags()) {
            context.showInput = flags->GetShowInputPatterns();
            context.showGuide = flags->GetShowGuidePatterns();
            context.showRegions = flags->GetShowMaskRegions();
            context.showGrading = flags->GetShowGrading();
            context.gradingShownMode = flags->GetGradingShownMode();
        }
        context.showRegionBackground = m_pServices->GetOptions().GetBoolOption(
            kRegionBackgroundOption);
        context.inputPatterns = m_pServices->GetInputPatterns();
        context.sizeSelection = m_pServices->GetSizeSelection();
        context.tableSet = m_pServices->GetTableSet();
    }
    for (const auto &rule : m_aFilters)
        addRule(*rule, context);
    m_pSearch = nullptr;
}

void CFocusFilterList::addRule(const CFocusFilter &rule, const SearchContext &context)
{
    switch (rule.m_nObjectKind) {
    case CFocusFilter::kPatternLines:
    case CFocusFilter::kLineGradePoints:
    case CFocusFilter::kPatternPoints:
        addPatternRule(rule, context);
        return;
    case CFocusFilter::kRotationPivot:
        addPivot(rule, context);
        return;
    case CFocusFilter::kMaskCentre:
        addCentre(rule, context);
        return;
    case CFocusFilter::kRegionAreas:
    case CFocusFilter::kRegionOutlines:
        addRegions(rule, context);
        return;
    case CFocusFilter::kGradePathPoints:
        addGradePathPoints(rule, context);
        return;
    case CFocusFilter::kGradePathLine:
        addGradePathLine(rule, context);
        return;
    default:
        return; // other kinds add nothing
    }
}

void CFocusFilterList::addPatternRule(const CFocusFilter &rule, const SearchContext &context)
{
    CPtrCollection<CPattern> patterns;
    const int32_t source = rule.m_nSource;
    if ((source == CFocusFilter::kInputPatterns || source == CFocusFilter::kBothPatterns) &&
        context.showInput && context.inputPatterns != nullptr) {
        for (int i = 0; i < context.inputPatterns->GetPatternCount(); ++i)
            patterns.Add(context.inputPatterns->GetPatternAt(i));
    }
    if ((source == CFocusFilter::kMaskPatterns || source == CFocusFilter::kBothPatterns) &&
        context.showGuide && context.mask != nullptr) {
        for (int i = 0; i < context.mask->GetPatternCount(); ++i)
            patterns.Add(context.mask->GetPatternAt(i));
    }
    if (source == CFocusFilter::kAllowedObjects) {
        for (CPattern *pattern : rule.m_oAllowedObjects) {
            if (pattern->IsMaskPattern() ? context.showGuide : context.showInput)
                patterns.Add(pattern);
        }
    }
    for (CPattern *pattern : patterns) {
        if (!admits(rule.m_nMembership, context.isActive(pattern)) || !isShown(*pattern))
            continue;
        if (rule.m_nObjectKind == CFocusFilter::kPatternLines)
            addPatternLines(*pattern, rule, context);
        else if (rule.m_nObjectKind == CFocusFilter::kLineGradePoints)
            addLineGradePoints(*pattern, rule, context);
        else
            addPatternPoints(*pattern, rule, context);
    }
}

void CFocusFilterList::addPatternLines(CPattern &pattern, const CFocusFilter &rule,
                                       const SearchContext &context)
{
    CPtrCollection<CPolyline> lines;
    CPtrCollection<CPolyline> closedOutlineLines;
    CPtrCollection<CContour> contours;
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        CPolyline *line = pattern.GetPatternPolylineAt(i);
        pattern.FindContours(line, contours);
        const bool onClosedOutline =
            line->GetLineType() == 1 &&
            std::any_of(contours.begin(), contours.end(),
                        [](const CContour *contour) { return contour->IsClosed(); });
        (onClosedOutline ? closedOutlineLines : lines).Add(line);
    }
    lines.Append(closedOutlineLines);
    for (CPolyline *line : lines) {
        const bool inActiveContour = context.isInActiveContour(pattern, *line);
        if (rule.m_nMembership == CFocusFilter::kActiveContourLines && !inActiveContour)
            continue;
        if (rule.m_nMembership == CFocusFilter::kOutsideActiveContour && inActiveContour)
            continue;
        addLineCandidate(&pattern, *line, rule, context);
    }
}

void CFocusFilterList::addLineGradePoints(CPattern &pattern, const CFocusFilter &rule,
                                          const SearchContext &context)
{
    if (context.snapMode != 1 && context.snapMode != 5)
        return;
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        const CPolyline &line = *pattern.GetPatternPolylineAt(i);
        const bool inActiveContour = context.isInActiveContour(pattern, line);
        if (rule.m_nMembership == CFocusFilter::kActiveContourLines && !inActiveContour)
            continue;
        if (rule.m_nMembership == CFocusFilter::kOutsideActiveContour &&
            (inActiveContour || !context.isActive(&pattern)))
            continue;
        for (int p = 0; p < line.GetPointCount(); ++p) {
            CBasePoint *point = line.GetBasePointAt(p);
            if (point->GetGradeType() == GRADE_POINT_GRADE)
                addPointCandidate(*point, kPointCode, rule, context);
        }
    }
}

void CFocusFilterList::addPatternPoints(CPattern &pattern, const CFocusFilter &rule,
                                        const SearchContext &context)
{
    const int snap = context.snapMode;
    if (context.isActive(&pattern) && snap != 0 && snap != 2 && snap != 5)
        return;
    for (int i = 0; i < pattern.GetBasePointCount(); ++i) {
        CBasePoint *point = pattern.GetBasePointAt(i);
        const uint32_t code = pattern.FindMarkPoint(point) >= 0 ? kMarkPointCode : kPointCode;
        if (addPointCandidate(*point, code, rule, context))
            m_bPointFound = true;
    }
}

void CFocusFilterList::addPivot(const CFocusFilter &rule, const SearchContext &context)
{
    if (rule.m_nPointMode != CFocusFilter::kBaseShape || context.pivot == nullptr)
        return;
    m_pSearch->AddShapeKind5(kPivotCode, context.pivot, rule.GetTolerance(context.snapMode), 0,
                             rule.m_nDetailKind);
}

void CFocusFilterList::addCentre(const CFocusFilter &rule, const SearchContext &context)
{
    if (!context.showRegions || context.mask == nullptr)
        return;
    const bool active = context.active->GetSelectionClass() == CFocusObject::kMaskCentreClass;
    const int32_t membership = rule.m_nMembership;
    const bool added = membership == CFocusFilter::kAll ||
                       (membership == CFocusFilter::kActiveOnly && active) ||
                       (membership == CFocusFilter::kNotActive && !active);
    if (!added)
        return;
    auto *maskItem = dynamic_cast<CObject *>(context.mask);
    morvane::FocusPointShape *shape = m_oShapes.AddPoint(context.mask->GetCenterPlace(), maskItem);
    m_pSearch->AddShapeKind5(kCentreCode, shape, rule.GetTolerance(context.snapMode), 0,
                             rule.m_nDetailKind);
}

void CFocusFilterList::addRegions(const CFocusFilter &rule, const SearchContext &context)
{
    if (!context.showRegions || context.mask == nullptr)
        return;
    const bool areas = rule.m_nObjectKind == CFocusFilter::kRegionAreas;
    if (areas && !context.showRegionBackground)
        return;
    for (int i = 0; i < context.mask->GetGradeRegionCount(); ++i) {
        IRegion *region = context.mask->GetGradeRegionAt(i);
        auto *item = dynamic_cast<CObject *>(region);
        if (!admits(rule.m_nMembership, context.isActive(item)))
            continue;
        morvane::FocusRegionShape *shape = m_oShapes.AddRegion(region, item);
        const int32_t tolerance = rule.GetTolerance(context.snapMode);
        if (areas)
            m_pSearch->AddShapeKind0(kRegionCode, shape, tolerance, 0, rule.m_nDetailKind);
        else
            m_pSearch->AddShapeKind1(kRegionCode, shape, tolerance, 0, rule.m_nDetailKind);
    }
}

void CFocusFilterList::addGradePathPoints(const CFocusFilter &rule, const SearchContext &context)
{
    if (context.snapMode != 1 || context.pathEditor == nullptr)
        return;
    std::vector<PATTERNDPOINT> entries;
    context.pathEditor->GetGradePath().GetPoints(entries, nullptr);
    for (const PATTERNDPOINT &entry : entries) {
        if (entry.pattern == nullptr || entry.pointIndex < 0)
            continue;
        CBasePoint *point = entry.pattern->GetBasePointAt(entry.pointIndex);
        if (point->GetGradeType() == GRADE_POINT_GRADE)
            addPointCandidate(*point, kPointCode, rule, context);
    }
}

void CFocusFilterList::addGradePathLine(const CFocusFilter &rule, const SearchContext &context)
{
    if (context.pathEditor == nullptr)
        return;
    morvane::FocusPathShape *shape = m_oShapes.AddPath(&context.pathEditor->GetGradePath());
    for (int32_t element : sizeElements(nullptr, rule, context))
        m_pSearch->AddShapeKind3(kLineCode, shape, rule.GetTolerance(context.snapMode), element,
                                 rule.m_nDetailKind);
}

bool CFocusFilterList::addPointCandidate(CBasePoint &point, uint32_t code,
                                         const CFocusFilter &rule, const SearchContext &context)
{
    const std::vector<int32_t> elements = sizeElements(point.GetParent(), rule, context);
    if (elements.empty())
        return false;
    morvane::FocusPointShape *shape = m_oShapes.AddPoint(&point, &point);
    for (int32_t element : elements)
        m_pSearch->AddShapeKind5(code, shape, rule.GetTolerance(context.snapMode), element,
                                 rule.m_nDetailKind);
    return true;
}

void CFocusFilterList::addLineCandidate(CPattern *pattern, CPolyline &line,
                                        const CFocusFilter &rule, const SearchContext &context)
{
    const std::vector<int32_t> elements = sizeElements(pattern, rule, context);
    if (elements.empty())
        return;
    morvane::FocusLineShape *shape = m_oShapes.AddLine(&line);
    for (int32_t element : elements)
        m_pSearch->AddShapeKind3(kLineCode, shape, rule.GetTolerance(context.snapMode), element,
                                 rule.m_nDetailKind);
}

std::vector<int32_t> CFocusFilterList::sizeElements(CPattern *pattern,
                                                    const CFocusFilter &rule,
                                                    const SearchContext &context)
{
    if (rule.m_nPointMode == CFocusFilter::kBaseShape)
        return {0};
    if (pattern != nullptr && !context.showsGrading(*pattern))
        return {};
    morvane::FocusSizeTable &sizes = m_oShapes.GetSizes();
    if (rule.m_nPointMode == CFocusFilter::kRuleSize)
        return {sizes.Add(rule.m_oSize)};
    std::vector<int32_t> elements;
    if (context.sizeSelection == nullptr)
        return elements;
    for (const auto &size : context.sizeSelection->GetShownSizes()) {
        if (rule.m_nPointMode == CFocusFilter::kEveryShownSize) {
            elements.push_back(sizes.Add(size.get()));
            continue;
        }
        const auto pair = singlePair(*size);
        const std::optional<int> base = pair ? context.baseSizeOf(pair->first) : std::nullopt;
        if (!base)
            continue;
        const bool isBase = pair->second == *base;
        if (isBase == (rule.m_nPointMode == CFocusFilter::kShownBaseSizes))
            elements.push_back(sizes.Add(size.get()));
    }
    return elements;
}
