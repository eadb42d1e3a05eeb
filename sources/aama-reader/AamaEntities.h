// Morvane AAMA DXF reader.
// The entities of an AAMA DXF file that the reader keeps: lines, polylines, inserts, texts, points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CAamaBlock;
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

/// The base of the entities a block keeps. Each reads its own groups and ignores the codes it
/// does not know.
class CAamaEntity
{
public:
    explicit CAamaEntity(AamaEntityKind kind) : m_eKind(kind) {}
    virtual ~CAamaEntity() = default;

    /// Reads the groups that follow the entity's name group, up to the next entity, which is
    /// left to be read again.
    virtual void Read(CAamaGroupList &groups) = 0;

    const AamaEntityKind m_eKind;
    int m_nLayer = 0;
};

class CAamaPoint;

/// A LINE: an internal line of a piece, with the POINTs found at its ends and the rule numbers
/// labelled there.
class CAamaLine : public CAamaEntity
{
public:
    CAamaLine() : CAamaEntity(AamaEntityKind::Line) {}
    void Read(CAamaGroupList &groups) override;

    double m_dStartX = 0.0;
    double m_dStartY = 0.0;
    double m_dEndX = 0.0;
    double m_dEndY = 0.0;
    const CAamaPoint *m_pFirstPoint = nullptr;
    const CAamaPoint *m_pLastPoint = nullptr;
    int m_nStartRuleNumber = -1;
    int m_nEndRuleNumber = -1;
};

/// A VERTEX of a polyline with the POINTs that lie on it.
class CAamaVertex
{
public:
    /// Reads the groups that follow (0, "VERTEX"), up to the next code-0 group.
    void Read(CAamaGroupList &groups);

    int m_nFlags = 0;
    double m_dX = 0.0;
    double m_dY = 0.0;
    std::vector<const CAamaPoint *> m_oAttachedPoints;
};

/// A POLYLINE with its kept vertices and the POINTs that follow it.
class CAamaPolyline : public CAamaEntity
{
public:
    CAamaPolyline() : CAamaEntity(AamaEntityKind::Polyline) {}

    /// Reads up to and including (0, "SEQEND"). A vertex is dropped when its flags mark a
    /// spline frame control point ((flags & 0x19) == 0x10) or when it is near the last kept
    /// vertex. Other entities inside are skipped.
    void Read(CAamaGroupList &groups) override;

    std::vector<CAamaVertex> m_oVertices;
    std::vector<const CAamaPoint *> m_oAttachedPoints;

private:
    void ReadVertex(CAamaGroupList &groups);
};

/// An INSERT of a block: in the ENTITIES section, one piece.
class CAamaInsert : public CAamaEntity
{
public:
    CAamaInsert() : CAamaEntity(AamaEntityKind::Insert) {}

    /// Reads the insert and skips the attributes that follow it, up to and including
    /// (0, "SEQEND"), when its group 66 is not 0.
    void Read(CAamaGroupList &groups) override;

    std::string m_sBlockName;
    const CAamaBlock *m_pBlock = nullptr;
};

/// A TEXT: a "#" grade-rule label, a piece text or a header text.
class CAamaText : public CAamaEntity
{
public:
    CAamaText() : CAamaEntity(AamaEntityKind::Text) {}
    void Read(CAamaGroupList &groups) override;

    double m_dX = 0.0;
    double m_dY = 0.0;
    std::string m_sText;
};

/// A POINT: a turn point, curve point, notch (with depth and angle in degrees), drill hole or
/// other marked point, with the rule text of the "#" label found beside it.
class CAamaPoint : public CAamaEntity
{
public:
    CAamaPoint() : CAamaEntity(AamaEntityKind::Point) {}

    /// Reads the position (10, 20), the notch depth (30, and also 38) and the notch angle (50).
    void Read(CAamaGroupList &groups) override;

    /// The rule number of the label found beside the point; -1 when none.
    int RuleNumber() const { return morvane::aamaRuleNumber(m_sRuleText); }

    std::string m_sRuleText;
    double m_dX = 0.0;
    double m_dY = 0.0;
    double m_dNotchDepth = 0.0;
    double m_dNotchAngle = 0.0;
    /// The layer of the latest POLYLINE of the block when the point was read (0 after a LINE).
    int m_nPolylineLayer = 0;
};
