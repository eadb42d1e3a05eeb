// Morvane model library tests.
// Small concrete points, polylines, notches, contours and patterns for testing the pattern model.
#include "PatternFixtures.h"

#include "foundation/TextFormat.h"
#include "model/GradeSize.h"

#include <cmath>

using morvane::XmlNaming;
using morvane::XmlPresence;

namespace testmodel {

namespace {

const CRuntimeClass kTestPointClass("TestPoint", &CreateObjectOf<TestPoint>,
                                    CBasePoint::GetThisClass());
const CRuntimeClass kTestPolylineClass("TestPolyline", &CreateObjectOf<TestPolyline>,
                                       CPolyline::GetThisClass());
const CRuntimeClass kTestNotchClass("TestNotch", &CreateObjectOf<TestNotch>,
                                    CNotch::GetThisClass());
const CRuntimeClass kTestContourClass("TestContour", &CreateObjectOf<TestContour>,
                                      CContour::GetThisClass());
const CRuntimeClass kTestPatternClass("TestPattern", &CreateObjectOf<TestPattern>,
                                      CPattern::GetThisClass());

} // namespace

TestPoint::TestPoint()
{
    AddIntAttribute(&m_eGradeType, "GradeType");
    AddIntAttribute(&m_nPointId, "Id", XmlPresence::WhenSet);
    AddDoubleAttribute(&m_dX, "x");
    AddDoubleAttribute(&m_dY, "y");
}

const CRuntimeClass *TestPoint::GetThisClass()
{
    return &kTestPointClass;
}

DPOINT TestPoint::GetPosition(const IGradeSize *size) const
{
    const morvane::GradeSizeKey key = morvane::GradeSizeKey::of(size);
    const double steps = key.isBase() ? 0.0 : key.size;
    const DPOINT own{m_dX + steps * growth.x, m_dY + steps * growth.y};
    return GetParent() != nullptr ? GetParent()->TransformToAbsolute(own) : own;
}

CBasePoint *TestPoint::FindSliderPoint(CPolyline *&line)
{
    line = slideLine;
    return slideLine != nullptr ? this : nullptr;
}

void TestPoint::MoveTo(double x, double y)
{
    m_dX = x;
    m_dY = y;
}

TestPolyline::TestPolyline()
{
    AddIntAttribute(&m_eLineType, "LineType");
    AddClassCollectionAttribute(&m_oNotches, "Notches", "Notch", TestNotch::GetThisClass(),
                                XmlNaming::None, XmlPresence::WhenSet);
    AddPtrCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint");
}

const CRuntimeClass *TestPolyline::GetThisClass()
{
    return &kTestPolylineClass;
}

void TestPolyline::GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                            std::vector<int> *indexes) const
{
    shape.clear();
    for (int i = 0; i < GetPointCount(); ++i)
        shape.push_back(GetBasePointAt(i)->GetPosition(size));
    FillIndexes(indexes);
}

void TestPolyline::GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const
{
    shape.clear();
    for (int i = 0; i < GetPointCount(); ++i)
        shape.push_back({GetBasePointAt(i)->GetX(), GetBasePointAt(i)->GetY()});
    FillIndexes(indexes);
}

void TestPolyline::FillIndexes(std::vector<int> *indexes) const
{
    if (indexes == nullptr)
        return;
    indexes->clear();
    for (int i = 0; i < GetPointCount(); ++i) {
        const bool listed =
            !gradeIndexesOnly || GetBasePointAt(i)->GetGradeType() == GRADE_POINT_GRADE;
        indexes->push_back(listed ? i : -1);
    }
}

void TestPolyline::OnReferencesResolved()
{
    for (CNotch *notch : m_oNotches)
        notch->Create(this);
}

CNotch *TestPolyline::AddNotch(double curveLength, double dx, double dy)
{
    auto notch = std::make_unique<TestNotch>();
    notch->Create(this);
    notch->Set(curveLength, dx, dy);
    return m_oNotches.GetAt(m_oNotches.AddOwned(std::move(notch)));
}

TestNotch::TestNotch()
{
    AddDoubleAttribute(&m_dX, "dx");
    AddDoubleAttribute(&m_dY, "dy");
    AddDoubleAttribute(&m_dCurveLength, "CurveLength", XmlPresence::WhenSet);
}

const CRuntimeClass *TestNotch::GetThisClass()
{
    return &kTestNotchClass;
}

void TestNotch::GetDepth(const IGradeSize *, double &dx, double &dy) const
{
    dx = m_dX;
    dy = m_dY;
}

DPOINT TestNotch::GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const
{
    return GetAbsPos(size, tipX, tipY);
}

void TestNotch::Set(double curveLength, double dx, double dy)
{
    m_dCurveLength = curveLength;
    m_dX = dx;
    m_dY = dy;
}

TestContour::TestContour()
{
    AddClassCollectionAttribute(&m_oContourLines, "ContourLines", "ContourLine",
                                CContourLine::GetThisClass());
    AddBoolAttribute(&m_bClosed, "Closed", XmlPresence::Optional);
}

const CRuntimeClass *TestContour::GetThisClass()
{
    return &kTestContourClass;
}

void TestContour::OnReferencesResolved()
{
    for (CContourLine *line : m_oContourLines)
        line->SetContour(this);
}

TestPattern::TestPattern()
{
    AddStringAttribute(&m_sName, "sName");
    SetNameAttribute("sName");
    AddDoubleAttribute(&m_oPivotPoint.x, "PivotPointX", XmlPresence::WhenSet);
    AddDoubleAttribute(&m_oPivotPoint.y, "PivotPointY", XmlPresence::WhenSet);
    AddContainerAttribute(&m_oLocation, "PatternLocation");
    AddClassCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint",
                                TestPoint::GetThisClass(), XmlNaming::Numbered);
    AddClassCollectionAttribute(&m_oPolylines, "Polylines", "Polyline",
                                TestPolyline::GetThisClass(), XmlNaming::Numbered);
    AddPtrCollectionAttribute(&m_oMarkPoints, "MarkPoints", "BasePoint", XmlPresence::WhenSet);
    AddClassCollectionAttribute(&m_oContours, "Contours", "Contour", TestContour::GetThisClass(),
                                XmlNaming::None, XmlPresence::WhenSet);
}

const CRuntimeClass *TestPattern::GetThisClass()
{
    return &kTestPatternClass;
}

int TestPattern::CreateContour()
{
    auto contour = std::make_unique<TestContour>();
    contour->Create(this);
    return m_oContours.AddOwned(std::move(contour));
}

void TestPattern::GetAssPatterns(CPtrCollection<CPattern> &patterns)
{
    patterns.RemoveAll();
    patterns.Append(m_oAssociated);
}

void TestPattern::RemoveAssPattern(CPattern *pattern)
{
    const int index = m_oAssociated.Find(pattern);
    if (index >= 0)
        m_oAssociated.RemoveAt(index);
}

void TestPattern::OnReferencesResolved()
{
    for (CBasePoint *point : m_oBasePoints)
        point->SetParent(this);
    for (CPolyline *line : m_oPolylines)
        line->SetOwner(this);
    for (CContour *contour : m_oContours)
        contour->Create(this);
}

TestPoint *TestPattern::AddPoint(double x, double y, GRADE_POINT_TYPE type)
{
    auto point = std::make_unique<TestPoint>();
    point->MoveTo(x, y);
    point->SetGradeType(type);
    point->SetParent(this);
    return static_cast<TestPoint *>(m_oBasePoints.GetAt(m_oBasePoints.AddOwned(std::move(point))));
}

TestPoint *TestPattern::AddMarkPoint(double x, double y)
{
    TestPoint *point = AddPoint(x, y, GRADE_POINT_GRADE);
    m_oMarkPoints.Add(point);
    return point;
}

TestPolyline *TestPattern::AddLine(std::initializer_list<CBasePoint *> points)
{
    auto line = std::make_unique<TestPolyline>();
    line->Create(this, GRADE_LINE_TYPE{});
    for (CBasePoint *point : points)
        line->AddPoint(point);
    return static_cast<TestPolyline *>(m_oPolylines.GetAt(m_oPolylines.AddOwned(std::move(line))));
}

TestPolyline *TestPattern::AddLine(std::initializer_list<DPOINT> corners)
{
    auto line = std::make_unique<TestPolyline>();
    line->Create(this, GRADE_LINE_TYPE{});
    for (const DPOINT &corner : corners)
        line->AddPoint(AddPoint(corner.x, corner.y));
    return static_cast<TestPolyline *>(m_oPolylines.GetAt(m_oPolylines.AddOwned(std::move(line))));
}

void EventLog::OnEvent(CEventHandler *, EventRecord *record)
{
    events.push_back(std::to_string(record->m_nKind) + ":" +
                     std::to_string(static_cast<int32_t>(record->m_pData->m_nFirst)));
}

std::vector<std::string> describe(const std::vector<DPOINT> &points)
{
    std::vector<std::string> texts;
    for (const DPOINT &point : points) {
        const double x = std::round(point.x * 1e6) / 1e6 + 0.0;
        const double y = std::round(point.y * 1e6) / 1e6 + 0.0;
        texts.push_back(morvane::format("(%g %g)", x, y));
    }
    return texts;
}

} // namespace testmodel
