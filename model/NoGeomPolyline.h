// Morvane model library.
// The line of an input pattern: a curve of the grade model, its shape asked and cached per size.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/GradeSize.h"
#include "model/Polyline.h"
#include "sources/grade-model/GradeSize.h"

#include <span>
#include <unordered_map>
#include <vector>

class CInputPattern;
class IGradeCurve;
class IGradePoint;

/// The line of an input pattern that stands for one curve of the source. It holds no geometry:
/// it asks the curve for its shape in each size, keeps the answer per size, and works out which
/// of the pattern's grade points lie at which shape points. Its points are the curve's grade
/// points (as the pattern's input points); a curve that names none is served the pattern's grade
/// points in the order they lie along the base-size shape.
///
/// A cached shape is in the pattern's own coordinates (less its origin), with shape points
/// closer than kShapePointDistance dropped. An input line is never edited. Every question to
/// the source passes CMorvaneException::HandleCriticalError; a critical code ends the operation
/// and leaves the cache as it was. The source's index entries name the curve's grade points;
/// an entry that names none, or one the owner has no point for, is taken as -1.
class CNoGeomPolyline : public CPolyline
{
public:
    /// Shape points closer than this to the next kept one are dropped.
    static constexpr double kShapePointDistance = 0.25;
    /// Grade points attach to the shape points within this distance.
    static constexpr double kAttachDistance = 0.5;
    /// A grade point that attaches to no shape point is put on a segment within this distance.
    static constexpr double kFootDistance = 0.25;

    /// One cached shape: the curve's shape for the key in the pattern's own coordinates, and
    /// per shape point the position in the line's point list of the point that lies there
    /// (-1 where none does).
    struct CPolylinePoints
    {
        GradeSize key;
        std::vector<DPOINT> shape;
        std::vector<int> lineIndexes;
    };

    CNoGeomPolyline();
    ~CNoGeomPolyline() override;

    /// Stores the curve and the owner; appends, for each grade point of the curve in order,
    /// the owner's point that carries it (one the owner lacks is skipped), then one CInputNotch
    /// per notch of the curve. The owner makes its points before its lines.
    void Create(IGradeCurve *curve, CInputPattern *owner);
    IGradeCurve *GetGradeCurve() const { return m_pGradeCurve; }

    /// The line's own points when it has any, otherwise the base-size line points.
    int GetPointCount() const override;
    CBasePoint *GetBasePointAt(int i) const override;
    /// The cached shape of the size's key, put on the mask with the owner's location.
    void GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                  std::vector<int> *indexes) const override;
    /// The cached base-size shape, in own coordinates.
    void GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const override;

    /// Drops every cached shape and the line points (the owner's grading or origin changed).
    void Invalidate();
    /// The key of the size: (-1, -1) and false for a null size or one without a grade table;
    /// otherwise entry 0 of the size and true.
    static bool GetGradeSize(const IGradeSize *size, GradeSize &key);
    /// The owner's point (in point order, tied slider points included) that stands for the
    /// grade point, when the grade point slides on this line's curve; null otherwise.
    CBasePoint *GetSliderPoint(IGradePoint *gradePoint) const;
    /// How far along the line a slider point lies from its linked point, in (table, size): the
    /// distance to the point minus the distance to the linked point, measured along the outline
    /// of the owner's contour holding this line (with slider points, attached at line ends), or
    /// along this line's shape with its slider points when no contour holds it. On a closed
    /// contour of length L the shorter way round is taken, sign kept: v - sign(v) L when |v| >
    /// L / 2. 0 for a point that is no input point or has no linked point.
    double GetSliderDistanceValue(CBasePoint *point, int table, int size) const;

    /// The index of the point nearest to target among those whose x and y each differ from it
    /// by at most tolerance and whose distance is at most tolerance; the earlier on equal
    /// distances; -1 when none.
    static int FindNearestPoint(std::span<const DPOINT> points, DPOINT target, double tolerance);
    /// Appends to out, in order, the index of every point that passes the same two tests.
    static void FindNearestPoints(std::span<const DPOINT> points, DPOINT target, double tolerance,
                                  std::vector<int> &out);
    /// The foot nearest to target on the segments from point i - 1 to point i: the first
    /// segment's foot, replaced by a later one whose x and y differ from target by at most, and
    /// whose distance is below, the best distance so far. Returns that segment's end index i
    /// with the foot and its distance; -1 (outputs untouched) for fewer than two points.
    static int FindNearestPointOnLine(std::span<const DPOINT> points, DPOINT target, DPOINT &foot,
                                      double &distance);

private:
    /// The cached entry of the key, made and cached when missing.
    const CPolylinePoints &GetPolylinePoints(GradeSize key) const;
    /// Asks the curve for the key's shape, moves it to own coordinates and drops close points.
    void GetCurveShape(CPolylinePoints &entry) const;
    /// Works out the line indexes of a shape from the owner's grade points; see the source file.
    void SetPointLineIndices(CPolylinePoints &entry) const;
    /// Makes sure the base-size line points exist when the line has no points of its own.
    void UpdateLinePointsIfNeeded() const;
    /// The list GetBasePointAt serves, without computing anything.
    const CPtrCollection<CBasePoint> &ServedPoints() const;

    CInputPattern *m_pInputPattern = nullptr;
    IGradeCurve *m_pGradeCurve = nullptr;
    mutable std::unordered_map<morvane::GradeSizeKey, CPolylinePoints, morvane::GradeSizeKeyHash>
        m_oShapeCache;
    mutable CPtrCollection<CBasePoint> m_oLinePoints;
    /// Per grade point of the curve, the position of its point in the line; -1 for one the
    /// owner has no point for.
    std::vector<int> m_aGradePointPositions;
};
