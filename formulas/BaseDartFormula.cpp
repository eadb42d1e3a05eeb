// Morvane formula library.
// The base of the dart formulas: the three points of a dart graded as one unit.
#include "formulas/BaseDartFormula.h"

#include "formulas/FormulaText.h"
#include "formulas/ResolvedPointHelpers.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

using namespace morvane;

static const CRuntimeClass kBaseDartFormulaClass("CBaseDartFormula", nullptr,
                                                 CBaseFormula::GetThisClass());

const CRuntimeClass *CBaseDartFormula::GetThisClass()
{
    return &kBaseDartFormulaClass;
}

CBaseDartFormula::CBaseDartFormula()
{
    AddIntAttribute(&m_eMoveControl, "MoveXYDefined", XmlPresence::Optional);
    AddBoolAttribute(&m_bSymmetric, "Symmetric", XmlPresence::Optional);
}

void CBaseDartFormula::RegisterLengthControl()
{
    AddIntAttribute(&m_eLengthControl, "DepthGrading", XmlPresence::Optional);
}

int CBaseDartFormula::GetApplyTypeX() const
{
    return APPLY_DRIVEN;
}

int CBaseDartFormula::GetApplyTypeY() const
{
    return APPLY_DRIVEN;
}

bool CBaseDartFormula::IsOpeningAngle()
{
    return GetParam(1)->GetType() == 1;
}

void CBaseDartFormula::SetOpeningAngle(bool angle)
{
    GetParam(1)->SetType(angle ? 1 : 0);
    Invalidate();
}

void CBaseDartFormula::SetLengthControl(int control)
{
    m_eLengthControl = control;
    Invalidate();
}

void CBaseDartFormula::SetMoveControl(int control)
{
    m_eMoveControl = control;
    Invalidate();
}

void CBaseDartFormula::SetSymmetric(bool symmetric)
{
    m_bSymmetric = symmetric;
    Invalidate();
}

CPattern *CBaseDartFormula::GetPatternOfPoints()
{
    return patternOfFirstPoint(*this);
}

void CBaseDartFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    for (int i = 0; i < kDartPointCount; ++i) {
        CBasePoint *point = GetDartPoint(i);
        if (point != nullptr && list.Find(point) < 0)
            list.Add(point);
    }
}

CBasePoint *CBaseDartFormula::GetShownPoint(int i, bool indexPoints)
{
    return indexPoints ? GetIndexPoint(i) : GetDartPoint(i);
}

void CBaseDartFormula::DoGetDisplayText(std::string &out, bool indexPoints)
{
    out = GetDisplayName() + "(";
    if (!indexPoints || GetRegion() == nullptr) {
        for (int i = 0; i < kDartPointCount; ++i)
            out += (i > 0 ? "," : "") + GetLabelOrUnknown(GetShownPoint(i, indexPoints));
    }
    out += ")";
}

// The line through point that the reference length is measured on: the first holding neither
// of the two other dart points, else the last.
static CPolyline *referenceLine(const CBasePoint *point, const CBasePoint *apex,
                                const CBasePoint *other)
{
    CPtrCollection<CPolyline> lines;
    point->GetParent()->FindPointPolylines(point, lines);
    for (CPolyline *line : lines) {
        if (line->FindBasePoint(apex) < 0 && line->FindBasePoint(other) < 0)
            return line;
    }
    return lines.GetCount() > 0 ? lines.GetAt(lines.GetCount() - 1) : nullptr;
}

double CBaseDartFormula::GetReferenceLength()
{
    if (m_eMoveControl != kMoveByReferenceLength)
        return 0.0;
    const CBasePoint *first = GetDartPoint(0);
    if (first == nullptr || first->GetParent() == nullptr)
        return 0.0;
    const CBasePoint *apex = GetDartPoint(1);
    const CBasePoint *last = GetDartPoint(2);
    const CPolyline *line = referenceLine(first, apex, last);
    if (line == nullptr)
        return 0.0;
    const int position = line->FindBasePoint(first);
    const int lastPosition = line->GetPointCount() - 1;
    bool forward = true;
    if (position == lastPosition && position > 0) {
        forward = false;
    } else if (position > 0) {
        const int dartSide =
            line->FindBasePoint(last) >= 0 ? line->FindBasePoint(last) : line->FindBasePoint(apex);
        forward = dartSide < position;
    }
    // Forward leads away from the dart towards the line's last point.
    return line->GetDistance(first, !forward);
}

std::string CBaseDartFormula::GetFormulaText()
{
    for (int i = 0; i < kDartPointCount; ++i) {
        if (GetDartPoint(i) == nullptr)
            return {};
    }
    return std::string(IsOpeningAngle() ? "%DGA(" : "%DG(") + GetDartPoint(0)->GetFormatName() +
           "," + GetDartPoint(1)->GetFormatName() + "," + GetDartPoint(2)->GetFormatName() + "," +
           parameterForParser(*this, 2) + "," + parameterForParser(*this, 0) + "," +
           parameterForParser(*this, 1) + "," + formatInteger(m_eMoveControl) + "," +
           formatFixed(GetReferenceLength(), 6) + "," + (m_bSymmetric ? "1" : "0") + "," +
           formatInteger(m_eLengthControl) + ")";
}

bool CBaseDartFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseFormula::Validate(reporter, checker))
        return false;
    return checkResolvedPointsWritable(*this, GetResolvedCount(), reporter);
}

void CBaseDartFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *dart = dynamic_cast<const CBaseDartFormula *>(&other)) {
        m_bSymmetric = dart->m_bSymmetric;
        m_eMoveControl = dart->m_eMoveControl;
        m_eLengthControl = dart->m_eLengthControl;
    }
}

void CBaseDartFormula::TakeOverFrom(IBaseFormula *replaced)
{
    CopyFrom(*replaced->GetBaseFormula());
}
