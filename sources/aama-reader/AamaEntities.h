// Morvane AAMA DXF reader.
// The entities of an AAMA DXF file that the reader keeps: lines, polylines, inserts, texts, points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CAamaGroupList;

namespace morvane {

/// AAMA layer numbers that give a point or a polyline its meaning.
inline constexpr int kAamaBoundaryLayer = 1;
inline constexpr int kAamaTurnPointLayer = 2;
inline constexpr int kAamaCurvePointLayer = 3;
inline constexpr int kAamaNotchLayer = 4;
inline constexpr int kAamaStripeLayer = 9;
inline constexpr int kAamaPlaidLayer = 10;
inline constexpr int kAamaDrillHoleLayer = 13;

/// The rule number of a "#" label text: every "#" taken as a blank, leading blanks dropped,
/// then the integer at the start; -1 when nothing is left, 0 when no number starts it.
int aamaRuleNumber(std::string_view labelText);

} // namespace morvane

enum class AamaEntityKind { Line, Polyline, Insert, Text, Point };

/// What every entity a block keeps has: its layer. Each kind reads its own groups, from after
/// its name group up to the next entity, which is left to be read again, and ignores the codes
/// it does not know.
class CAamaEntity
{
public:
    int m_nLayer = 0;
};

class CAamaPoint;
class CAamaText;

/// A LINE: an internal line of a piece, with the POINTs found at its ends and the rule numbers
/// labelled there.
class CAamaLine : public CAamaEntity
{
public:
    void Read(CAamaGroupList &groups);

    double m_dStartX = 0.0;
    double m_dStartY = 0.0;
    double m_dEndX = 0.0;
    double m_dEndY = 0.0;
    const CAamaPoint *m_pFirstPoint = nullptr;
    const CAamaPoint *m_pLastPoint = nullptr;
    int m_nStartRuleNumber = -1;
    int m_nEndRuleNumber = -1;
};

/// A VERTEX of a polyline.
class CAamaVertex : public CAamaEntity
{
public:
    /// Reads the groups that follow (0, "VERTEX"), up to the next code-0 group.
    void Read(CAamaGroupList &groups);

    int m_nFlags = 0;
    double m_dX = 0.0;
    double m_dY = 0.0;
};

/// A POLYLINE with its kept vertices.
class CAamaPolyline : public CAamaEntity
{
public:
    /// Reads up to and including (0, "SEQEND"). A vertex is dropped when its flags mark a
    /// spline frame control point ((flags & 0x19) == 0x10) or when it is near the last kept
    /// vertex. Other entities inside are skipped.
    void Read(CAamaGroupList &groups);

    /// Whether its flags (group 70) close it.
    bool IsClosed() const { return (m_nFlags & 1) != 0; }

    std::vector<CAamaVertex> m_oVertices;
    int m_nFlags = 0;

private:
    void ReadVertex(CAamaGroupList &groups);
};

/// An INSERT of a block: in the ENTITIES section, one piece.
class CAamaInsert : public CAamaEntity
{
public:
    /// Reads the insert and skips the attributes that follow it, up to and including
    /// (0, "SEQEND"), when its group 66 is not 0.
    void Read(CAamaGroupList &groups);

    std::string m_sBlockName;
};

/// A TEXT: a "#" grade-rule label, a piece text or a header text.
class CAamaText : public CAamaEntity
{
public:
    void Read(CAamaGroupList &groups);

    /// Whether the text is a grade-rule label: its first character after blanks is "#".
    bool IsRuleLabel() const;

    double m_dX = 0.0;
    double m_dY = 0.0;
    double m_dHeight = 0.0;
    std::string m_sText;
};

/// A POINT: a turn point, curve point, notch (with depth and angle in degrees), drill hole or
/// other marked point, with the "#" label found beside it.
class CAamaPoint : public CAamaEntity
{
public:
    /// Reads the position (10, 20), the notch depth (30, and also 38) and the notch angle (50).
    /// A notch without an angle takes its direction from the outline it lies on.
    void Read(CAamaGroupList &groups);

    /// The rule number of the label found beside the point; -1 when none.
    int RuleNumber() const;

    /// The point flags after this point's kind is applied to flags: turn point (2)
    /// (flags & 0xF0) | 1, curve point (3) (flags & 0xF0) | 2, notch (4) (flags & 0x0F) | 0x10,
    /// stripe (9) (flags & 6) | 9, plaid (10) (flags & 5) | 0xA, drill hole (13) 0x20; any
    /// other layer keeps them. A notch also sets notchVector to depth * (cos a, sin a) for its
    /// angle a; no other kind touches it.
    int ApplyKind(int flags, double notchVector[2]) const;

    /// The "#" label that names the point; null when none.
    const CAamaText *m_pRuleLabel = nullptr;
    double m_dX = 0.0;
    double m_dY = 0.0;
    double m_dNotchDepth = 0.0;
    double m_dNotchAngle = 0.0;
    /// Whether the notch angle was given (group 50) or found from the outline.
    bool m_bHasAngle = false;
    /// The layer of the latest POLYLINE of the block when the point was read (0 after a LINE).
    int m_nPolylineLayer = 0;
};
