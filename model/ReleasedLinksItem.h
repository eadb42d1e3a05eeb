// Morvane model library.
// The undo record of the links a mask pattern lets go of when it leaves its mask.
#pragma once

#include "model/HistoryItems.h"

#include <memory>
#include <vector>

class CBasePoint;
class CGradeMask;
class CMaskPattern;
class CPattern;
class IMaskPoint;

namespace morvane {

/// The links of a mask pattern that ReleaseLinks drops: its associated patterns and its points'
/// associations, and the other mask patterns' links to it and to its points. Made before the
/// release; Undo puts back what is missing of them, Redo releases the pattern again.
class ReleasedLinksItem final : public CHistoryItem
{
public:
    /// The links of pattern, a pattern of mask, as they are now.
    static std::unique_ptr<ReleasedLinksItem> capture(CMaskPattern &pattern, CGradeMask &mask);

    void Undo() override;
    void Redo() override;

private:
    struct PatternLink
    {
        CMaskPattern *pattern;
        CPattern *associated;
    };
    struct PointLink
    {
        IMaskPoint *point;
        CBasePoint *partner;
    };

    ReleasedLinksItem(CMaskPattern &pattern, CGradeMask &mask);
    void CaptureLinksOf(CMaskPattern &holder, const CPattern *only);

    CMaskPattern &m_pattern;
    CGradeMask &m_mask;
    std::vector<PatternLink> m_patternLinks;
    std::vector<PointLink> m_pointLinks;
};

} // namespace morvane
