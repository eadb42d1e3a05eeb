// Morvane program documents.
// One input pattern's state on one grade mask, as a context records it.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/MvItem.h"

#include <cstdint>
#include <string>

class CBasePoint;
class CPattern;
class IGradeMask;

/// The name of a mask pattern an input pattern is associated with: the element "ap".
class CAssPatternName : public CAttContainer, public CMvItem
{
public:
    explicit CAssPatternName(std::string name = {});

    /// "CAssPatternName", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    const std::string &GetName() const { return m_sAssName; }

private:
    std::string m_sAssName;
};

/// A point association: the elements "x", "y" (where the input grade point lay, in its pattern's
/// own coordinates), "ip" (its point id) and "mp" (the associated mask point's id).
class CMvContextPoint : public CAttContainer, public CMvItem
{
public:
    CMvContextPoint();

    /// "CMvContextPoint", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Set(int32_t inputPointId, int32_t maskPointId, double x, double y);
    DPOINT GetPosition() const { return {m_dX, m_dY}; }
    int32_t GetInputPointId() const { return m_nInputPointId; }
    int32_t GetMaskPointId() const { return m_nMaskPointId; }

private:
    double m_dX = 0.0;
    double m_dY = 0.0;
    int32_t m_nInputPointId = 0;
    int32_t m_nMaskPointId = 0;
};

/// How one input pattern lies on one grade mask and is tied to it: the elements "Name",
/// "Placed", "PosX", "PosY", "RotAngle" (radians), "Fliped", "AssMaskPatterns" ("AssMaskPattern"
/// items) and "ContextPoints" ("cp" items), all required.
class CMvContexPattern : public CAttContainer, public CMvItem
{
public:
    /// A grade point recorded this far from where it lies now, or farther, is not found again.
    static constexpr double kPointTolerance = 5.0;

    CMvContexPattern();
    ~CMvContexPattern() override;

    /// "CMvContexPattern", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    const std::string &GetName() const { return m_sName; }

    /// Records the input pattern on the mask its collection shows it on now: its name, placed
    /// flag and location, the names of its associated mask patterns, and, for each of its grade
    /// points in order that has an associated mask point, that association.
    void Gather(CPattern &inputPattern);
    /// Puts the input pattern back on mask (the mask its collection shows it on now): its
    /// location (a location that is not a finite number is left as it is) and placed flag; each
    /// named mask pattern of mask (letter case ignored) it is not yet associated with becomes
    /// associated; each recorded point association whose mask point (by id, in the associated
    /// mask patterns) and input point (see FindInputPoint) are found is added unless it exists.
    /// Nothing is removed, and nothing enters an undo history.
    void Apply(CPattern &inputPattern, IGradeMask &mask) const;

    /// Among the grade points of inputPattern lying closer than kPointTolerance to the recorded
    /// position: the first with the recorded id, else the nearest (the first on equal
    /// distances); null when none lies that close.
    static CBasePoint *FindInputPoint(const CPattern &inputPattern, const CMvContextPoint &point);

private:
    void applyLocation(CPattern &inputPattern) const;
    void applyPatternAssociations(CPattern &inputPattern, IGradeMask &mask) const;
    void applyPointAssociations(CPattern &inputPattern, IGradeMask &mask) const;

    std::string m_sName;
    bool m_bPlaced = false;
    double m_dPosX = 0.0;
    double m_dPosY = 0.0;
    double m_dRotAngle = 0.0;
    bool m_bFliped = false;
    COwningCollection<CAssPatternName> m_oAssMaskPatterns;
    COwningCollection<CMvContextPoint> m_oContextPoints;
};
