// Morvane program interaction.
// One rule of a tool's focus search: which things of the mask may take the focus, and how near.
#pragma once

#include "foundation/PtrCollection.h"
#include "model/GradeSize.h"

#include <cstdint>

class CPattern;

/// A focus-candidate rule. The numbers are the vocabulary of the tools' rule tables.
class CFocusFilter
{
public:
    /// What the rule adds.
    enum ObjectKind : int32_t {
        kPatternLines = 0,
        kLineGradePoints = 1,
        kPatternPoints = 2,
        kRotationPivot = 3,
        kMaskCentre = 4,
        kRegionAreas = 5,
        kRegionOutlines = 6,
        kGradePathPoints = 7,
        kGradePathLine = 8,
    };
    /// Which objects: the active one, the others, all; or the active one with only the lines of
    /// its active contour, or only the lines outside it.
    enum Membership : int32_t {
        kActiveOnly = 0,
        kNotActive = 1,
        kAll = 2,
        kActiveContourLines = 3,
        kOutsideActiveContour = 4,
    };
    /// Whose patterns, for the pattern kinds 0 to 2.
    enum Source : int32_t {
        kMaskPatterns = 0,
        kInputPatterns = 1,
        kBothPatterns = 2,
        kAllowedObjects = 3,
    };
    /// In which sizes: the base size, one reference per shown size whose size is its table's
    /// base size, per shown size that is not, per shown size, or the rule's own size.
    enum PointMode : int32_t {
        kBaseShape = 0,
        kShownBaseSizes = 1,
        kShownOtherSizes = 2,
        kEveryShownSize = 3,
        kRuleSize = 4,
    };
    /// A tolerance that admits any distance.
    static constexpr int32_t kAnyDistance = 0x7FFFFFFF;

    /// Every value as the tools' tables give it; the size is read in point mode 4 only.
    CFocusFilter(int32_t objectKind, int32_t detailKind, int32_t tolerance,
                 int32_t snapTolerance, int32_t membership, int32_t source, int32_t pointMode,
                 morvane::GradeSizeKey size)
        : m_nObjectKind(objectKind), m_nDetailKind(detailKind), m_nTolerance(tolerance)
        , m_nSnapTolerance(snapTolerance), m_nMembership(membership), m_nSource(source)
        , m_nPointMode(pointMode), m_oSize(size)
    {}

    /// The tolerance in the snap mode: the snap tolerance for lines in snap mode 3, for line
    /// grade points in snap modes 1 and 5, for pattern points in snap modes 2 and 5; the plain
    /// tolerance otherwise.
    int32_t GetTolerance(int snapMode) const
    {
        const bool snaps = (m_nObjectKind == kPatternLines && snapMode == 3) ||
                           (m_nObjectKind == kLineGradePoints && (snapMode == 1 || snapMode == 5)) ||
                           (m_nObjectKind == kPatternPoints && (snapMode == 2 || snapMode == 5));
        return snaps ? m_nSnapTolerance : m_nTolerance;
    }

    int32_t m_nObjectKind;
    /// The precedence level of the references the rule adds: once a reference is hit, the
    /// search stops at the first later reference of a greater level.
    int32_t m_nDetailKind;
    int32_t m_nTolerance;
    int32_t m_nSnapTolerance;
    int32_t m_nMembership;
    int32_t m_nSource;
    int32_t m_nPointMode;
    morvane::GradeSizeKey m_oSize;
    /// The patterns of source 3 (not owned).
    CPtrCollection<CPattern> m_oAllowedObjects;
};
