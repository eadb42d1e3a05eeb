// Morvane AAMA DXF reader.
// A BLOCK of an AAMA DXF file (one piece) or the ENTITIES section, with its entities sorted by
// role.
#pragma once

#include "sources/aama-reader/AamaEntities.h"
#include "sources/aama-reader/NearIndex.h"
#include "sources/aama-reader/OutlineMarks.h"

#include <atomic>
#include <cstddef>
#include <deque>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class CAamaGroupList;

/// The entities of one BLOCK, or of the ENTITIES section, kept by kind and in file order. After
/// Classify() a piece's block knows its outline (joined from the layer-1 polylines that
/// continue each other), drill holes and piece texts, every "#" label has reached the points
/// beside it, and the points of the block can be asked what they make of each outline vertex.
class CAamaBlock
{
public:
    CAamaBlock() = default;
    // The role lists point into the entity lists.
    CAamaBlock(const CAamaBlock &) = delete;
    CAamaBlock &operator=(const CAamaBlock &) = delete;

    /// Reads a BLOCK after its (0, "BLOCK") group, up to and including (0, "ENDBLK").
    void ReadBlock(CAamaGroupList &groups);

    /// Reads one entity, starting at the group that names it. Only LINE, POLYLINE, INSERT,
    /// POINT and TEXT are kept; any other entity is skipped.
    void ReadEntity(CAamaGroupList &groups);

    /// Sorts the entities of a piece's block by role, in file order, and matches the "#"
    /// labels and the points to what they belong to. Call once, after reading.
    void Classify();

    const std::string &Name() const { return m_sName; }
    const std::vector<CAamaInsert> &Inserts() const { return m_oInserts; }
    const std::vector<CAamaText> &Texts() const { return m_oTexts; }
    /// The LINEs: the internal lines of a piece.
    const std::vector<CAamaLine> &Lines() const { return m_oLines; }

    /// The outline: the first POLYLINE on layer 1, joined with the layer-1 polylines that
    /// continue it, with a vertex added at each notch within kAamaOnLineDistance of one of its
    /// edges; null when the block has no layer-1 polyline.
    const CAamaPolyline *Boundary() const { return m_bHasBoundary ? &m_oBoundary : nullptr; }
    /// What the points of the block (all but drill holes) make of each outline vertex, in the
    /// outline's order: the marks of the points at its position. Without a rule number from the
    /// points, a "#" label on layer 1 or 2 at the position gives it. Found for all vertices
    /// when first asked.
    const std::vector<morvane::AamaPointMarks> &BoundaryMarks() const;
    /// The polylines that are not part of the outline, in file order.
    std::vector<const CAamaPolyline *> OtherPolylines() const;
    /// The POINTs on layer 13.
    std::span<const CAamaPoint *const> DrillHoles() const { return m_oDrillHoles; }
    /// The texts on layer 1 that are not "#" labels.
    const std::vector<const CAamaText *> &PieceTexts() const { return m_oPieceTexts; }
    /// The notches (POINTs on layer 4) that lie neither at an outline vertex nor within
    /// kAamaOnLineDistance of an outline edge, in file order: on a sew line, an internal line, or
    /// nothing. One without an angle points away from the outline.
    std::span<const CAamaPoint *const> NotchesOffOutline() const { return m_oNotchesOffOutline; }

private:
    struct FollowState;
    struct EntityRef
    {
        AamaEntityKind kind;
        std::size_t index;
    };

    void ClassifyEntity(EntityRef entity, FollowState &state);
    void ClassifyPoint(CAamaPoint &point, FollowState &state);
    void JoinBoundary();
    /// The ends of the layer-1 polylines not yet in the outline, each with its polyline's index.
    morvane::NearIndex OutlinePartEnds() const;
    /// Adds the first polyline in the file that continues chain at either end; false when none
    /// does.
    bool ExtendBoundary(std::deque<CAamaVertex> &chain, const morvane::NearIndex &ends);
    std::vector<CAamaPoint *> MarkPointsOn(int layer) const;
    void PlaceNotchesOnEdges();
    void DirectNotchesWithoutAngle();
    void MatchRuleLabels();
    void GiveDrillHolesTheRulesAtThem();
    void MarkBoundaryVertices() const;
    /// Of the labels at (x, y), the last one in the file; null when none.
    const CAamaText *LastLabelAt(double x, double y) const;
    void LabelLineEnd(const CAamaPoint *end, int &ruleNumber) const;

    std::string m_sName;
    std::vector<CAamaLine> m_oLines;
    std::vector<CAamaPolyline> m_oPolylines;
    std::vector<CAamaInsert> m_oInserts;
    std::vector<CAamaText> m_oTexts;
    std::vector<CAamaPoint> m_oPoints;
    std::vector<EntityRef> m_oFileOrder;
    /// The layer of the latest POLYLINE while reading; a LINE sets it back to 0.
    int m_nPolylineLayer = 0;

    CAamaPolyline m_oBoundary;
    bool m_bHasBoundary = false;
    /// For each polyline, whether it is part of the outline.
    std::vector<bool> m_oInBoundary;
    /// The points that may mark the outline (all but drill holes), in file order.
    std::vector<CAamaPoint *> m_oMarkPoints;
    /// The marks of each outline vertex, once asked for.
    mutable std::once_flag m_oBoundaryMarking;
    mutable std::atomic<bool> m_bBoundaryMarked = false;
    mutable std::vector<morvane::AamaPointMarks> m_oBoundaryMarks;
    std::vector<CAamaPoint *> m_oDrillHoles;
    std::vector<CAamaPoint *> m_oNotchesOffOutline;
    std::vector<const CAamaText *> m_oRuleLabels;
    morvane::NearIndex m_oRuleLabelIndex;
    std::vector<const CAamaText *> m_oPieceTexts;
};
