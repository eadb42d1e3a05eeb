// Morvane model library.
// The polyline of a mask pattern: the polygon of its points, edited point by point.
#pragma once

#include "model/Polyline.h"

#include <memory>

class CMaskNotch;

/// A mask polyline as the program edits it. Indexes are not checked unless said.
class IMaskPolyline
{
public:
    virtual ~IMaskPolyline() = default;

    /// Inserts the owner pattern's point patternPoint at position (appended when negative);
    /// returns the position used, -1 (nothing inserted) when the pattern has no such point.
    virtual int InsertPoint(int patternPoint, int position) = 0;
    virtual void RemovePointAt(int position) = 0;
    /// Takes over notch (made for this line) at index, appended when negative.
    virtual void InsertNotch(std::unique_ptr<CNotch> notch, int index) = 0;
    /// Removes and deletes notch i.
    virtual void RemoveNotchAt(int i) = 0;
    /// A new notch on this line with that distance along it and depth vector; appended.
    virtual CMaskNotch *AddNotch(double curveLength, double dx, double dy) = 0;
};

/// A line of a mask pattern. Its shape (one for all sizes) is the polygon of its points, less
/// the ordinary points that lie on the previous kept point (see GetShape); the index array of
/// the shape lists the grade points only. Every edit drops the owner pattern's cached extent,
/// outlines and association rules.
///
/// Stored as "LineType", "Notches" (written when set) and "BasePoints" (the points, by name).
/// After loading, the notches are given this line.
class CMaskPolyline : public CPolyline, public IMaskPolyline
{
public:
    /// An ordinary point closer than this to the next kept point is left out of the shape.
    static constexpr double kMergeDistance = 0.2;

    CMaskPolyline();
    ~CMaskPolyline() override;

    /// "CMaskPolyline", base CPolyline, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// The absolute positions of the points (the size is not used). Walking from the last point
    /// to the first, a point is kept when it is the first one met, a grade point, or the
    /// line's first point while fewer than two points are kept; any other point is kept only
    /// when it lies kMergeDistance or more from the point kept before it. indexes (may be null)
    /// gets each kept grade point's position in the line and -1 for the other points.
    void GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                  std::vector<int> *indexes) const override;
    /// The same in the pattern's own coordinates.
    void GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const override;
    IMaskPolyline *GetMaskPolyline() override { return this; }

    int InsertPoint(int patternPoint, int position) override;
    void RemovePointAt(int position) override;
    void InsertNotch(std::unique_ptr<CNotch> notch, int index) override;
    void RemoveNotchAt(int i) override;
    CMaskNotch *AddNotch(double curveLength, double dx, double dy) override;

    /// Appends point (not null) as the line's last point.
    void AppendPoint(CBasePoint *point);
    /// Appends the owner pattern's point patternIndex; nothing when there is none.
    void AppendPatternPoint(int patternIndex);
    /// Moves the points after at to the end of newLine, preceded by at itself, and appends them
    /// to moved (may be null); at stays the last point of this line. False, changing nothing,
    /// when at is not on the line.
    bool Split(CBasePoint *at, CMaskPolyline *newLine, CPtrCollection<CBasePoint> *moved);
    /// Recomputes the distance of every notch from its point (CMaskNotch::UpdateCurveLength).
    void UpdateNotchCurveLengths();
    /// The line's own point list, for the pattern's undo records.
    CPtrCollection<CBasePoint> &GetBasePointCollection() { return m_oBasePoints; }

    /// After loading: drops the points that are not the owner's, and forgets the notches' points
    /// that are not (a damaged file may name the points of another pattern).
    void DropForeignReferences();

    void OnReferencesResolved() override;

private:
    void BuildShape(bool absolute, std::vector<DPOINT> &shape, std::vector<int> *indexes) const;
    /// The notches changed: the owner's cached geometry goes.
    void InvalidateOwner();
    /// The points changed: the owner's cached geometry and its contours' rules go.
    void OnPointsChanged();
};
