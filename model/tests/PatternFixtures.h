// Morvane model library tests.
// Small concrete points, polylines, notches, contours and patterns for testing the pattern model.
#pragma once

#include "foundation/EventSink.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/Notch.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace testmodel {

/// A point with its own coordinates, placed on the mask by its pattern. For a size (t, s) it
/// lies s times its growth further. It slides on slideLine when that is set.
class TestPoint : public CBasePoint
{
public:
    TestPoint();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    DPOINT GetPosition(const IGradeSize *size) const override;
    double GetX() const override { return m_dX; }
    double GetY() const override { return m_dY; }
    CBasePoint *GetAssociatedPoint() const override { return nullptr; }
    bool IsSliderPoint() const override { return slideLine != nullptr; }
    CBasePoint *FindSliderPoint(CPolyline *&line) override;

    void MoveTo(double x, double y);

    DPOINT growth;
    CPolyline *slideLine = nullptr;

private:
    double m_dX = 0.0;
    double m_dY = 0.0;
};

/// A line whose shape is the polygon of its points' positions; the index array lists every
/// point, or only the grade points when gradeIndexesOnly is set.
class TestPolyline : public CPolyline
{
public:
    TestPolyline();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                  std::vector<int> *indexes) const override;
    void GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const override;
    void OnReferencesResolved() override;

    void AddPoint(CBasePoint *point) { m_oBasePoints.Add(point); }
    CNotch *AddNotch(double curveLength, double dx, double dy);

    bool gradeIndexesOnly = false;

private:
    void FillIndexes(std::vector<int> *indexes) const;
};

/// A notch with a stored depth and curve length, the same for every size.
class TestNotch : public CNotch
{
public:
    TestNotch();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void GetDepth(const IGradeSize *size, double &dx, double &dy) const override;
    DPOINT GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const override;
    double GetCurveLength(const IGradeSize *) const override { return m_dCurveLength; }
    void Set(double curveLength, double dx, double dy);

private:
    double m_dX = 0.0;
    double m_dY = 0.0;
    double m_dCurveLength = 0.0;
};

/// A contour stored with its lines and closed flag.
class TestContour : public CContour
{
public:
    TestContour();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void OnReferencesResolved() override;
};

/// A pattern stored as a placed pattern is: name, pivot, location, points, lines, mark points
/// and contours.
class TestPattern : public CPattern
{
public:
    TestPattern();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int CreateContour() override;
    void GetAssPatterns(CPtrCollection<CPattern> &patterns) override;
    void AddAssPattern(CPattern *pattern) override { m_oAssociated.Add(pattern); }
    void RemoveAssPattern(CPattern *pattern) override;
    void ClearAssPatterns() override { m_oAssociated.RemoveAll(); }
    std::string GetPatternName() const override { return m_sName; }
    void OnReferencesResolved() override;

    TestPoint *AddPoint(double x, double y, GRADE_POINT_TYPE type = GRADE_POINT_GRADE);
    TestPoint *AddMarkPoint(double x, double y);
    TestPolyline *AddLine(std::initializer_list<CBasePoint *> points);
    /// A line through new grade points at the given own coordinates.
    TestPolyline *AddLine(std::initializer_list<DPOINT> corners);
    CPtrCollection<CBasePoint> &BasePoints() { return m_oBasePoints; }
    CPtrCollection<CPolyline> &Polylines() { return m_oPolylines; }
    void SetPivot(DPOINT pivot) { m_oPivotPoint = pivot; }

    std::string m_sName = "Front";

private:
    CPtrCollection<CPattern> m_oAssociated;
};

/// Records each event that passes a handler as "<kind>:<first argument>".
class EventLog : public CEventSink
{
public:
    void OnEvent(CEventHandler *sender, EventRecord *record) override;

    std::vector<std::string> events;
};

/// The own coordinates of an outline's positions, rounded to 1e-6, as "(x y)" texts.
std::vector<std::string> describe(const std::vector<DPOINT> &points);

} // namespace testmodel
