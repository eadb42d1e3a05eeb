// Morvane AAMA grade model.
// The flat record of patterns that the AAMA DXF writer writes: a document of pieces and points.
#pragma once

#include "sources/aama-reader/IAAMAData.h"

#include <string>
#include <vector>

namespace morvane {

/// Point kinds that the AAMA grade model gives its points; any other kind is written as a turn
/// point.
inline constexpr int kAamaTurnPointKind = 1;
inline constexpr int kAamaCurvePointKind = 2;
inline constexpr int kAamaNotchPointKind = 3;
inline constexpr int kAamaDrillHolePointKind = 129;

/// The line kind of the line item that carries a piece's drill holes.
inline constexpr int kAamaDrillHoleLineKind = 28;

} // namespace morvane

/// One point of a piece. Point kind to AAMA layer: 2 and 10 curve point (3), 3 notch (4), 129
/// drill hole (13), any other turn point (2). A point with a rule number is labelled on its
/// own layer, whatever its kind.
struct AamaPiecePoint
{
    int m_nKind = 0;
    double m_dX = 0.0;
    double m_dY = 0.0;
    /// For a notch: the point the notch points to; its distance from (x, y) is the depth.
    double m_dDirectionX = 0.0;
    double m_dDirectionY = 0.0;
    /// The "#" label written beside the point; -1 for none.
    int m_nRuleNumber = -1;
};

/// A run of a piece's internal points written as one line: points m_nFirstPoint to
/// m_nFirstPoint + m_nPointCount - 1. Line kind to AAMA layer: 0 not written, 4 and 20 grade
/// reference (5), 8 stripe reference (9), 12 plaid reference (10), 16 grain line (7), 28 drill
/// hole (13), 84 mirror line (6), any other internal line (8, written as an open polyline).
struct AamaPieceLine
{
    int m_nPointCount = 0;
    int m_nFirstPoint = 0;
    int m_nKind = 0;
};

/// A notch of a piece that lies off its outline, written after the item of the piece's drawing
/// that it lies on (m_nDrawingItem), or after the whole drawing for -1.
struct AamaLooseNotch
{
    AamaPiecePoint m_oPoint;
    int m_nDrawingItem = -1;
};

/// One piece: its name, its internal lines and points, its boundary points in order (the
/// outline is closed by the writer), what else it draws (written as it is, on its own layer)
/// and the values of its piece texts. Any number of lines, points and drawing items.
///
/// Its block is named after it, made a valid DXF name that no other piece's block has: each
/// character that no DXF name may hold (<>/\":;?*|=` and control characters) becomes "_", an
/// empty or overlong name gives "PIECE" and the piece's number (from 1), and a name taken before
/// gets "_2", "_3" ... added. The name itself stays in its "Piece Name:" text.
struct AamaPiece
{
    std::string m_sName = "No_name";
    /// Whether the piece has a "Piece Name:" text; a piece read without one gets none.
    bool m_bHasNameText = true;
    std::vector<AamaPieceLine> m_oLines;
    std::vector<AamaPiecePoint> m_oInternalPoints;
    std::vector<AamaPiecePoint> m_oBoundaryPoints;
    std::vector<morvane::AamaDrawingItem> m_oDrawing;
    std::vector<AamaLooseNotch> m_oLooseNotches;
    std::string m_sAnnotation;
    int m_nQuantity = 1;
    std::string m_sCategory = "1";
};

/// The document that one AAMA DXF file holds; the pieces are written in order.
struct CAamaDxfDocument
{
    std::string m_sStyleName;
    std::string m_sGradeRuleTable;
    std::string m_sSampleSize;
    /// "METRIC" or "ENGLISH".
    std::string m_sUnits = "METRIC";
    /// The code page that the texts are written in, named in the header as $DWGCODEPAGE; empty
    /// to name none (Windows-1252, or UTF-8 for a style whose texts were read so).
    std::string m_sCodePage;
    std::vector<AamaPiece> m_oPieces;
};
