// Morvane main window, view and interaction.
// The drawing of the active grade mask in the main view.
#pragma once

#include "foundation/DPoint.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class CMorvaneView;
class CPattern;
class IBaseFormula;
class IDocumentServices;
class IGradeMask;
class IGradeSize;
class IRegion;
struct MaskViewState;

/// Draws the active grade mask into the main view, in world coordinates through the view's
/// drawing operations: region fills, mask patterns, regions with their labels, the input
/// patterns in their graded sizes and in the base size, the selection on top, then the
/// decorations of the running task (active contour, rotation pivot, mask centre, associations,
/// grade paths, formula points, grading entries, measure line, active grade point, highlighted
/// item, focus polylines, measure points, focus point, the document's frame). Sizes that must not
/// change with the zoom are given in pixels. Only the background is drawn without an active
/// mask and while the document's drawing is suspended. Drawing never changes the model.
///
/// It keeps the label of each grade region's formula, rebuilt on every drawing except while the
/// active object's flag stays set.
class CMaskDrawing
{
public:
    /// Draws the active mask of the view's document as state says.
    void Draw(CMorvaneView &view, const MaskViewState &state);

    /// The label drawn beside the region of the formula; empty when none.
    const std::string &GetRegionLabel(const IBaseFormula *formula) const;

private:
    /// What one drawing works with.
    struct Pass;

    void RebuildRegionLabels(const Pass &pass);
    void DrawRegionFills(const Pass &pass);
    void DrawMaskPatterns(const Pass &pass, std::vector<CPattern *> &heldBack);
    void DrawRegions(const Pass &pass);
    void DrawInputPatterns(const Pass &pass, std::vector<CPattern *> &heldBack);
    void DrawSelectedPatterns(const Pass &pass, const std::vector<CPattern *> &heldBack);
    void DrawActiveContour(const Pass &pass);
    void DrawPivotAndCentre(const Pass &pass);
    void DrawPatternAssociations(const Pass &pass);
    void DrawPointAssociations(const Pass &pass);
    void DrawGuideCurves(const Pass &pass);
    void DrawEntryPaths(const Pass &pass);
    void DrawFormulaPoints(const Pass &pass);
    void DrawEntryPoints(const Pass &pass);
    void DrawActivePoint(const Pass &pass);
    void DrawTaskLines(const Pass &pass);
    void DrawFrame(const Pass &pass);

    /// One pattern in the size (null: the base size): selected in "SELECTEDOBJECTS", an
    /// unselected mask pattern in "COLBOX_PIECE_MASK", with a colour index the custom colour of
    /// the index modulo 16, else its own outline colour or, without one, "PIECELINES",
    /// "PIECENOTCHES" and "PIECEMARKERS".
    void DrawPattern(const Pass &pass, CPattern *pattern, bool selected, bool mask,
                     const IGradeSize *size, int colourIndex);
    void DrawRegion(const Pass &pass, IRegion *region, IBaseFormula *formula, bool selected);
    void DrawRegionLabel(const Pass &pass, IRegion *region, IBaseFormula *formula, bool selected);
    /// The names of the pattern's grade points, grey for a mask pattern, black otherwise.
    void DrawPointNames(const Pass &pass, CPattern *pattern);
    /// The fill of a formula's region.
    uint32_t GetRegionFillColour(const Pass &pass, const IBaseFormula *formula) const;

    std::unordered_map<const IBaseFormula *, std::string> m_oRegionLabels;
    bool m_bLastActiveFlag = false;
    /// The shape of the line being drawn, its points' places in the line and which points it
    /// placed, kept to spare allocations.
    std::vector<DPOINT> m_aShape;
    std::vector<int> m_aShapeIndexes;
    std::vector<char> m_aPointPlaced;
};
