// Morvane formula library.
// The point formula that puts a slider point at a distance from a reference point along its line.
#include "formulas/PointFormulaNotchDistance.h"

#include "model/Contour.h"
#include "model/FormulaMessageList.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaNotchDistanceClass(
    "CPointFormulaNotchDistance", &CreateObjectOf<CPointFormulaNotchDistance>,
    CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaNotchDistance::kFormulaType,
                                             &makePointFormula<CPointFormulaNotchDistance>);

const CRuntimeClass *CPointFormulaNotchDistance::GetThisClass()
{
    return &kPointFormulaNotchDistanceClass;
}

CPointFormulaNotchDistance::CPointFormulaNotchDistance()
{
    SetPointCount(1);
    SetApplyTypeX(1);
    SetApplyTypeY(1);
}

CBasePoint *CPointFormulaNotchDistance::FindSlider(CPolyline *&line) const
{
    line = nullptr;
    CBasePoint *bound = GetBoundPoint();
    return bound != nullptr ? bound->FindSliderPoint(line) : nullptr;
}

static int firstNonNullAt(const CPtrCollection<CBasePoint> &points, bool fromEnd)
{
    const int count = points.GetCount();
    for (int i = 0; i < count; ++i) {
        const int at = fromEnd ? count - 1 - i : i;
        if (points.GetAt(at) != nullptr)
            return at;
    }
    return -1;
}

/// The line's points with its slider points. A line that ends at the point it starts from is
/// closed and lists that point once: measured between one point and itself it would have no
/// length.
static CPtrCollection<CBasePoint> linePoints(const CPolyline &line, bool &closed)
{
    std::vector<DPOINT> shape;
    CPtrCollection<CBasePoint> points;
    line.GetShapeWithSliderPoints(nullptr, shape, &points, false);
    const int first = firstNonNullAt(points, false);
    const int last = firstNonNullAt(points, true);
    closed = first < last && points.GetAt(first) == points.GetAt(last);
    if (closed)
        points.RemoveAt(last);
    return points;
}

CPtrCollection<CBasePoint> CPointFormulaNotchDistance::MeasuredPoints(const CPolyline &line,
                                                                      bool &closed) const
{
    closed = false;
    const CPattern *pattern = line.GetOwner();
    bool reversed = false;
    int position = 0;
    const int contour =
        pattern != nullptr ? pattern->FindContour(&line, reversed, position) : -1;
    if (m_bAlongLine || contour < 0)
        return linePoints(line, closed);
    const CContour *outline = pattern->GetContourAt(contour);
    CPtrCollection<CBasePoint> points;
    outline->GetOutContour(&points, false, false);
    closed = outline->IsClosed();
    return points;
}

static CBasePoint *firstNonNull(const CPtrCollection<CBasePoint> &points, bool fromEnd)
{
    const int at = firstNonNullAt(points, fromEnd);
    return at >= 0 ? points.GetAt(at) : nullptr;
}

void CPointFormulaNotchDistance::AddSliderTexts(std::vector<std::string> &texts,
                                                CPtrCollection<CBasePoint> &points,
                                                CPtrCollection<CPolyline> &lines)
{
    CPolyline *line = nullptr;
    CBasePoint *slider = FindSlider(line);
    if (slider == nullptr || line == nullptr || GetResolvedPoint(0) == nullptr)
        return;
    bool closed = false;
    const CPtrCollection<CBasePoint> measured = MeasuredPoints(*line, closed);
    texts.push_back(FormatPointAddress(slider->GetFormatName()) + "=%CR(" +
                    slider->GetFormatName() + "," + ReferenceLabel(0, false) + "," +
                    GetParamText(0) + "," + GetLabelOrUnknown(firstNonNull(measured, false)) +
                    "," + GetLabelOrUnknown(firstNonNull(measured, true)) + "," +
                    (closed ? "1" : "0") + ")");
    points.Add(slider);
    lines.Add(line);
}

void CPointFormulaNotchDistance::AddFormulaText(std::vector<std::string> &texts)
{
    CPtrCollection<CBasePoint> points;
    CPtrCollection<CPolyline> lines;
    AddSliderTexts(texts, points, lines);
}

bool CPointFormulaNotchDistance::Validate(CFormulaMessageList *reporter,
                                          IFormulaTextChecker *checker)
{
    if (!CBasePointFormula::Validate(reporter, checker))
        return false;
    CPolyline *line = nullptr;
    if (FindSlider(line) == nullptr)
        return Refuse(reporter, FM_NO_SLIDER_POINT, BoundLabel());
    CBasePoint *reference = GetResolvedPoint(0);
    if (!m_bAlongLine || reference == nullptr || line == nullptr)
        return true;
    CPolyline *referenceLine = nullptr;
    reference->FindSliderPoint(referenceLine);
    if (line->FindBasePoint(reference) >= 0 || referenceLine == line)
        return true;
    return Refuse(reporter, FM_NOT_ON_SLIDER_LINE, reference->GetFormatName());
}

bool CPointFormulaNotchDistance::UsesPoint(const CBasePoint *point)
{
    if (IsResolvedPoint(point, 0))
        return true;
    CPolyline *line = nullptr;
    const CBasePoint *slider = FindSlider(line);
    if (point != nullptr && point == GetBoundPoint() && slider != nullptr)
        return true;
    if (point == nullptr || point->IsSliderPoint() || line == nullptr)
        return false;
    return line->FindBasePoint(point) >= 0;
}

void CPointFormulaNotchDistance::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    CPolyline *line = nullptr;
    CBasePoint *slider = FindSlider(line);
    if (slider != nullptr && list.Find(slider) < 0)
        list.Add(slider);
}

void CPointFormulaNotchDistance::CopyFrom(const CBaseFormula &other)
{
    const int applyX = GetApplyTypeX();
    const int applyY = GetApplyTypeY();
    CBasePointFormula::CopyFrom(other);
    SetApplyTypeX(applyX);
    SetApplyTypeY(applyY);
    if (const auto *same = dynamic_cast<const CPointFormulaNotchDistance *>(&other))
        m_bAlongLine = same->m_bAlongLine;
}

void CPointFormulaNotchDistance::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " +
          FormatParamForDisplay(0) + ")";
}
