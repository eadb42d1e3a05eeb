// Morvane second DXF reader.
// The read-only view of a loaded graded R12 DXF file: header values, pieces, lines and points.
#pragma once

#include "foundation/DPoint.h"

#include <string>

/// The content of one graded R12 DXF file: one piece per INSERT of the ENTITIES section that
/// names a BLOCK of the file, in file order, each piece being a pattern in one size. A piece's
/// lines are the block's POLYLINEs; its internal lines the block's LINEs; its notches off the
/// outline the block's POINTs whose comment marks a notch, and its drill holes its other POINTs.
///
/// A point's rule number is the comment's fourth value when the comment gives a point class (a
/// grade point), -1 otherwise.
///
/// Vertex flags use the bits of the AAMA reader: 0x10 a notch, 1 a turn point, 2 a curve point
/// (0 for a vertex that is no grade point or of another class). They come from the vertex's
/// comment (group 999): point class 3 gives 1, class 4 gives 2, and a notch adds 0x10.
///
/// Every index is checked: an index out of range gives an empty text, a count or value of 0, a
/// position (0, 0), flags 0 and rule number -1.
class IJwcaAAMAData
{
public:
    /// Header value of "DESIGN:".
    virtual std::string GetStyleName() const = 0;
    /// Header value of "MASTER SIZE:".
    virtual std::string GetSampleSize() const = 0;
    /// Number of pieces.
    virtual int GetPieceCount() const = 0;
    /// Piece value of "PIECE:".
    virtual std::string GetPieceName(int piece) const = 0;
    /// Piece value of "SIZE:".
    virtual std::string GetPieceSize(int piece) const = 0;
    /// Number of lines (POLYLINEs) of the piece.
    virtual int GetLineCount(int piece) const = 0;
    /// Number of vertices of that line.
    virtual int GetVertexCount(int piece, int line) const = 0;
    /// Position of vertex v of the line, with its flags, its rule number (the comment's fourth
    /// value for a grade point, that is a vertex with a point class; -1 for any other vertex) and
    /// its notch vector: for a notch, its depth (group 38) times (cos a, sin a) for its angle a
    /// (group 50, degrees); otherwise (0, 0).
    virtual DPOINT GetVertex(int piece, int line, int v, int &pointFlags, int &ruleNumber,
                             double notchVector[2]) const = 0;
    /// Number of drill holes of the piece.
    virtual int GetDrillHoleCount(int piece) const = 0;
    /// Position of drill hole h and its rule number.
    virtual DPOINT GetDrillHole(int piece, int h, int &ruleNumber) const = 0;
    /// The point class that the comment of vertex v gives (0 for none).
    virtual int GetVertexExtraValue(int piece, int line, int v) const = 0;
    /// Number of internal lines (LINEs) of the piece.
    virtual int GetInternalLineCount(int piece) const = 0;
    /// The start and end of internal line.
    virtual void GetInternalLine(int piece, int line, DPOINT &start, DPOINT &end) const = 0;
    /// The kind of internal line: kJwcaStraightLineKind for every LINE of the file.
    virtual int GetInternalLineKind(int piece, int line) const = 0;
    /// The notch angle of vertex v in degrees, as written (group 50); 0 for a vertex that is
    /// no notch.
    virtual double GetVertexNotchValue(int piece, int line, int v) const = 0;
    /// The line kind of line: the first value of the POLYLINE's comment.
    virtual int GetLineType(int piece, int line) const = 0;
    /// The line kind of internal line: the first value of the LINE's comment.
    virtual int GetInternalLineType(int piece, int line) const = 0;
    /// 1 when the header value of "UNITS:" is "METRIC", 2 when it is "ENGLISH" (both without
    /// regard to case); else 0.
    virtual int GetUnits() const = 0;
    /// The code page that the HEADER section names in $DWGCODEPAGE, as written; empty when it
    /// names none. Every text is given in the file's bytes, unchanged.
    virtual std::string GetCodePage() const = 0;
    /// Number of notches of the piece that lie off its outline.
    virtual int GetNotchOffOutlineCount(int piece) const = 0;
    /// Position of notch n off the outline, its rule number, its notch vector (depth times
    /// (cos a, sin a) for its angle a) and its angle in degrees.
    virtual DPOINT GetNotchOffOutline(int piece, int n, int &ruleNumber, double notchVector[2],
                                      double &angle) const = 0;

    virtual ~IJwcaAAMAData() = default;
};

namespace morvane {

/// The kind of an internal line that is a straight line between its two ends.
inline constexpr int kJwcaStraightLineKind = 3;

} // namespace morvane
