// Morvane AAMA DXF reader.
// The read-only view of a loaded AAMA DXF file: header values, pieces, outlines and drill holes.
#pragma once

#include <string>
#include <vector>

namespace morvane {

/// A position in the drawing units of the file.
struct AamaPosition
{
    double x = 0.0;
    double y = 0.0;
};

/// Something a piece draws besides its outline and the points that mark it, as the file has
/// it: an internal line, a grain line or another polyline, or a text.
struct AamaDrawingItem
{
    enum class Kind { Polyline, Line, Text };

    Kind kind = Kind::Polyline;
    int layer = 0;
    /// A polyline that its flags close.
    bool closed = false;
    /// A polyline's vertices, a line's two ends, a text's position.
    std::vector<AamaPosition> points;
    std::string text;
    double textHeight = 0.0;
};

/// A notch of a piece that lies off its outline: on a sew line, an internal line, or nothing.
struct AamaNotchOffOutline
{
    AamaPosition position;
    /// Its depth times (cos a, sin a) for its angle a; without an angle it points away from the
    /// outline.
    double notchVector[2] = {0.0, 0.0};
    int ruleNumber = -1;
    /// The index, in the piece's drawing, of the polyline or line it lies on; -1 for none.
    int drawingItem = -1;
};

} // namespace morvane

/// The content of one AAMA DXF file. Piece index i counts from 0 over the INSERTs of the
/// ENTITIES section, in file order; a piece's block is the first BLOCK of that name.
///
/// Every index is checked: an index out of range, or a piece whose INSERT names no block, gives
/// an empty text, a count of 0, a position (0, 0), flags 0 and rule number -1.
///
/// Header and piece values are looked up by key (the key includes its colon): the first text
/// that starts with the key, compared without regard to ASCII case, and has something after it
/// gives that rest, without its leading blanks (case and trailing blanks kept).
///
/// A piece's outline is its first POLYLINE on layer 1 joined with the other layer-1 polylines
/// that continue it, end to start (reversed where needed), as many files split an outline into
/// several open polylines. The POINTs of the block mark the outline's vertices by position,
/// wherever they stand in the block; a notch that lies on an edge of the outline between two
/// vertices (within 0.05, kAamaOnLineDistance) becomes a vertex of its own there, at its own
/// position. Every other notch is a notch off the outline.
class IAAMAData
{
public:
    /// Header value of "Creation Time:".
    virtual std::string GetCreationTime() const = 0;
    /// Header value of "Creation Date:".
    virtual std::string GetCreationDate() const = 0;
    /// Header value of "Style Name:".
    virtual std::string GetStyleName() const = 0;
    /// Header value of "Author:".
    virtual std::string GetAuthor() const = 0;
    /// Header value of "Sample Size:".
    virtual std::string GetSampleSize() const = 0;
    /// Header value of "Grade Rule Table:".
    virtual std::string GetGradeRuleTable() const = 0;
    /// 1 when the header value of "Units:" is "METRIC", 2 when it is "ENGLISH" (both without
    /// regard to case, so trailing blanks do not match). Without either, the units of the
    /// file's HEADER section: $INSUNITS 1 (inches) or 2 (feet) give 2, 4 to 6 (millimetres to
    /// metres) give 1; else $MEASUREMENT 0 gives 2 and 1 gives 1. Else 0.
    virtual int GetUnits() const = 0;
    /// The code page that the HEADER section names in $DWGCODEPAGE ("ANSI_949"), as written;
    /// empty when it names none. Every text of the file is given in the file's bytes, unchanged.
    virtual std::string GetCodePage() const = 0;

    /// Number of pieces (INSERTs of the ENTITIES section).
    virtual int GetPieceCount() const = 0;
    /// Piece value of "Piece Name:".
    virtual std::string GetPieceName(int piece) const = 0;
    /// Whether the piece has a "Piece Name:" text, even one with nothing after the key.
    virtual bool HasPieceName(int piece) const = 0;
    /// Piece value of "Category:".
    virtual std::string GetPieceCategory(int piece) const = 0;
    /// Piece value of "Quantity:" read as an integer; 0 when absent or not a number.
    virtual int GetPieceQuantity(int piece) const = 0;
    /// Piece value of "Annotation:".
    virtual std::string GetPieceAnnotation(int piece) const = 0;
    /// Piece value of "Size:", or when there is none of "Sample Size:" (or "SampleSize:").
    virtual std::string GetPieceSize(int piece) const = 0;
    /// Number of LINE entities (internal lines) of the piece's block.
    virtual int GetInternalLineCount(int piece) const = 0;

    /// line -1: the number of vertices of the piece's outline (0 when it has none). line 0 or more: 2, the two ends of that internal line.
    virtual int GetVertexCount(int piece, int line) const = 0;

    /// line -1: the position of boundary vertex v with its point flags, grade-rule number and
    /// notch vector. The flags start at 1 and change with the layer of each point lying on the
    /// vertex, in file order: turn point (2) (flags & 0xF0) | 1, curve point (3) (flags & 0xF0)
    /// | 2, notch (4) (flags & 0x0F) | 0x10, stripe (9) (flags & 6) | 9, plaid (10) (flags & 5)
    /// | 0xA, drill hole (13) 0x20. The rule number is the first one found among those points,
    /// else that of a "#" label on layer 1 or 2 at the vertex (-1 for none). A notch sets the
    /// notch vector to depth * (cos a, sin a) for its angle a, where a notch without an angle
    /// points across the outline into the piece; otherwise it is (0, 0).
    /// line 0 or more: vertex 0 is the start and vertex 1 the end of that internal line, with
    /// the flags of the POINT found at that end (1 when none) and the rule number labelled
    /// there.
    virtual morvane::AamaPosition GetVertex(int piece, int line, int v, int &pointFlags,
                                            int &ruleNumber, double notchVector[2]) const = 0;

    /// Number of drill holes (POINTs on layer 13) of the piece's block.
    virtual int GetDrillHoleCount(int piece) const = 0;
    /// Position of drill hole h and its grade-rule number: its own, else that of a point with
    /// one at its position (-1 for none).
    virtual morvane::AamaPosition GetDrillHole(int piece, int h, int &ruleNumber) const = 0;

    /// What the piece draws besides its outline: its polylines that are not part of the
    /// outline, its LINEs but those on the drill-hole layer (13, which only join the drill
    /// holes) and its texts that are neither "#" labels nor the piece values of
    /// "Piece Name:", "Size:", "Sample Size:", "Annotation:", "Quantity:" and "Category:"; in
    /// that order, each kind in file order.
    virtual std::vector<morvane::AamaDrawingItem> GetPieceDrawing(int piece) const = 0;

    /// The notches of the piece that are not at a vertex of its outline, in file order, each
    /// with the item of GetPieceDrawing() it lies on: the nearest polyline or line within 0.05.
    virtual std::vector<morvane::AamaNotchOffOutline> GetNotchesOffOutline(int piece) const = 0;

    virtual ~IAAMAData() = default;
};
