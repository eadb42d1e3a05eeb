// Morvane editing commands: pattern association.
// The cost of every pair of a row and a column contour, and their greedy pairing.
#pragma once

#include "app/commands/association/AssociationParams.h"
#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"

#include <memory>
#include <numbers>
#include <vector>

class CContour;
class CCurveShape;
class CPolyCompute;

/// Compares every row contour with every column contour by one of three costs (lower is more
/// alike) and pairs them by increasing cost: one pair per pattern (one-to-one) or any number
/// (multiple), the thresholds deciding which pairs count.
///
/// - 0, overlap area: (|area(row)| + |area(column)| - 2 I) / I with I the area the two share
///   where they lie (no cost when they share none); kTooFewVerticesCost when either shape has
///   two vertices or fewer.
/// - 1, optimum position: the Nerrith dissimilarity of the two outlines wherever they lie and
///   however they are turned, when neither is smaller than 20 by 20 and their sizes (length and
///   width along each one's own principal axes, so that a turned piece compares as it is)
///   differ by at most maxSizeDissimilarity percent.
/// - 2, curve distance: the Nerrith dissimilarity of the outlines read as open curves, when
///   their lengths differ by at most maxSizeDissimilarity percent and their chords run within
///   the corner angle of each other (either way round).
/// A pair that cannot be compared keeps the cost kNoCost.
class CContourSetMatcher
{
public:
    /// A shape's extents along its own principal axes, the larger first.
    struct Extents
    {
        double major = 0.0;
        double minor = 0.0;
    };

    static constexpr double kNoCost = 1e10;
    static constexpr double kTooFewVerticesCost = 1e6;

    CContourSetMatcher();
    ~CContourSetMatcher();

    /// The shapes (not owned, one per contour, in the same order) and the record; a new
    /// matrix of cells at kNoCost, none used or chosen.
    void SetInput(std::vector<const CCurveShape *> rowShapes, std::vector<CContour *> rowContours,
                  std::vector<const CCurveShape *> columnShapes,
                  std::vector<CContour *> columnContours, const PatternAssociationParams &params);
    /// The chords' angle tolerance of the curve distance, radians (default 60 degrees).
    void SetCornerAngleMatch(double radians) { m_dCornerAngleMatch = radians; }

    /// Fills the cost of every pair whose shapes both have more than one vertex.
    void ComputeCosts();
    /// Blocks the pairs of patterns already associated, then chooses the cheapest free pair
    /// and blocks it, until every cell is used.
    void Assign();
    void ComputeAndAssign();
    /// The cell of lowest cost not used yet (rows, then columns, in order; the first of equal
    /// costs); false when every cell is used.
    bool FindCheapestFree(int &row, int &column, double &cost) const;
    /// One-to-one: every cell of the column contour's pattern (when column is not negative) and
    /// of the row contour's pattern is used. Multiple: that cell only (none without column).
    void BlockPair(int column, int row);
    /// The columns chosen for row whose cost lies within the type's threshold.
    std::vector<int> CollectMatches(int row) const;
    /// ComputeCosts, then FindCheapestFree.
    bool FindBestPair(int &row, int &column, double &cost);

    double GetCost(int row, int column) const { return cell(row, column).cost; }
    bool IsChosen(int row, int column) const { return cell(row, column).chosen; }
    int GetRowCount() const { return static_cast<int>(m_aRowShapes.size()); }
    int GetColumnCount() const { return static_cast<int>(m_aColumnShapes.size()); }

private:
    struct Cell
    {
        double cost = kNoCost;
        bool used = false;
        bool chosen = false;
    };

    Cell &cell(int row, int column);
    const Cell &cell(int row, int column) const;
    /// A shape with what the method reads of it.
    struct PreparedShape
    {
        const CCurveShape *shape = nullptr;
        std::vector<DPOINT> points;
        Extents extents;
        std::unique_ptr<CPolyCompute> outline;
    };

    std::vector<PreparedShape> prepare(const std::vector<const CCurveShape *> &shapes) const;
    /// False, leaving cost unchanged, when the pair cannot be compared by the method.
    bool computeCost(const PreparedShape &row, const PreparedShape &column, double &cost) const;
    bool areaDissimilarity(const CCurveShape &row, const CCurveShape &column, double &cost) const;
    bool positionDissimilarity(const PreparedShape &row, const PreparedShape &column,
                               double &cost) const;
    bool curveDissimilarity(const PreparedShape &row, const PreparedShape &column,
                            double &cost) const;
    bool withinSizeDissimilarity(double rowSize, double columnSize) const;
    void blockExisting();
    void usePattern(const void *pattern);

    std::vector<const CCurveShape *> m_aRowShapes;
    std::vector<CContour *> m_aRowContours;
    std::vector<const CCurveShape *> m_aColumnShapes;
    std::vector<CContour *> m_aColumnContours;
    PatternAssociationParams m_oParams;
    double m_dCornerAngleMatch = 60.0 * std::numbers::pi / 180.0;
    std::vector<Cell> m_aCells;
};
