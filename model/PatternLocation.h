// Morvane model library.
// Where a pattern lies on the grade mask: position, rotation angle and flip.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/EventHandler.h"
#include "model/MvItem.h"

class CPattern;

/// The placement of a pattern on the mask. A point p of the pattern's own coordinates lies on
/// the mask at: p with y negated when flipped, rotated counter-clockwise by the angle (radians),
/// translated by the position.
class IPatternLocation
{
public:
    virtual ~IPatternLocation() = default;

    /// Copies position, angle and both flags; no events, no invalidation.
    virtual void CopyFrom(const IPatternLocation *other) = 0;
    virtual DPOINT GetPosition() const = 0;
    virtual bool IsFlipped() const = 0;
    virtual double GetPosX() const = 0;
    virtual double GetPosY() const = 0;
    /// The angle in radians as held, or in degrees (RadToDeg) when radians is false.
    virtual double GetRotAngle(bool radians) const = 0;
    virtual CPattern *GetPattern() const = 0;
    /// A flag of the program's own (an input pattern's "flagged" state); not saved.
    virtual bool GetSecondFlag() const = 0;
    /// When it changes: the before-change event (property 1), the store, the after-change event.
    virtual void SetSecondFlag(bool flag) = 0;
    /// When it changes: stores it and invalidates the pattern's rectangle and contour data; no
    /// event.
    virtual void SetFlipped(bool flipped) = 0;
    /// When it changes: the before-change event (property 0), the store, the pattern's
    /// rectangle and contour data invalidated, the after-change event (property 0).
    virtual void SetPosition(double x, double y) = 0;
    /// Stores the angle (degrees converted with DegToRad when radians is false) and invalidates
    /// the pattern's rectangle and contour data; no event.
    virtual void SetRotAngle(double angle, bool radians) = 0;
    /// The whole placement at once. Nothing happens when the position is within 0.001 of the
    /// current one, the angle is the current one in degrees (within 1e-6, what converting
    /// between degrees and radians loses) and the flip is unchanged; otherwise the before-change event (property 0), the position stored, SetRotAngle (degrees),
    /// SetFlipped, the pattern's rectangle and contour data invalidated, the after-change event.
    virtual void Set(DPOINT position, double angleDegrees, bool flipped) = 0;
};

/// The location a pattern embeds, and the one a grade mask keeps for each input pattern placed
/// on it. Stored as "PosX", "PosY", "RotAngle" (radians, 12 decimals) and "Fliped", all
/// required. Its event handler has the id kModelHandlerId | 16 with the location as owner.
class CPatternLocation : public IPatternLocation,
                         public CAttContainer,
                         public CEventHandler,
                         public CMvItem
{
public:
    /// The source kind of a location's event handler.
    static constexpr uint32_t kSourceKind = 16;

    /// The pattern placed (not owned); null for a location that places none yet.
    explicit CPatternLocation(CPattern *pattern = nullptr);

    /// "CPatternLocation", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void CopyFrom(const IPatternLocation *other) override;
    DPOINT GetPosition() const override { return {m_dPosX, m_dPosY}; }
    bool IsFlipped() const override { return m_bFliped; }
    double GetPosX() const override { return m_dPosX; }
    double GetPosY() const override { return m_dPosY; }
    double GetRotAngle(bool radians) const override;
    CPattern *GetPattern() const override { return m_pPattern; }
    bool GetSecondFlag() const override { return m_bSecondFlag; }
    void SetSecondFlag(bool flag) override;
    void SetFlipped(bool flipped) override;
    void SetPosition(double x, double y) override;
    void SetRotAngle(double angle, bool radians) override;
    void Set(DPOINT position, double angleDegrees, bool flipped) override;

private:
    void InvalidatePlacement();

    double m_dPosX = 0.0;
    double m_dPosY = 0.0;
    double m_dRotAngle = 0.0;
    bool m_bFliped = false;
    bool m_bSecondFlag = false;
    CPattern *m_pPattern;
};
