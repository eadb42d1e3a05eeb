// Morvane model library.
// The abstract point of a pattern: its grade type, id, label and place for each size.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/EventHandler.h"
#include "model/GradePlace.h"
#include "model/GradeTypes.h"
#include "model/MvItem.h"

#include <string>

class CPattern;

/// A point of a pattern. The pattern owns its points, numbers them (SetPointID) and answers
/// the outline, end and contour tests for them. Concrete points (the input point and the mask
/// point) say where the point lies (GetPosition, GetX, GetY), whether it slides on a polyline,
/// and which point it is associated with; they also register the stored keys, this level has
/// none (m_eGradeType and m_nPointId are there for them to register).
///
/// The point's event handler has the id kModelHandlerId | 7 with the point as owner. Changing
/// the grade type is the only change of this level that sends events.
class CBasePoint : public IGradePlace,
                   public IDrawText,
                   public CAttContainer,
                   public CEventHandler,
                   public CMvItem
{
public:
    /// The source kind of a point's event handler.
    static constexpr uint32_t kSourceKind = 7;

    CBasePoint();
    ~CBasePoint() override;

    /// "CBasePoint", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// GetPosition(size).
    void GetGradePlace(const IGradeSize *size, double &x, double &y) const override;
    /// Empty here.
    void OnSetPointID() override;
    /// "P%d" with the point id for a non-zero grade type, "I%d" for type 0 (-1 while
    /// unnumbered).
    std::string GetFormatName() const override;
    IInputPoint *GetInputPoint() override;
    IMaskPoint *GetMaskPoint() override;
    /// The parent's HasOutlinePoint; false without a parent.
    bool IsOutlinePoint() const override;
    /// The parent's HasEndPolylinePoint; false without a parent.
    bool IsEndPolylinePoint() const override;
    /// The parent's HasContourPoint; false without a parent.
    bool IsContourPoint() const override;

    /// The grade place.
    void GetTextPlace(const IGradeSize *size, double &x, double &y) const override;
    /// GetFormatName().
    std::string GetDrawText() const override;

    using CEventHandler::SetParent;
    /// Sets the pattern the point belongs to (not owned); no event.
    void SetParent(CPattern *pattern);
    CPattern *GetParent() const { return m_pPattern; }
    /// Stores the id, then calls OnSetPointID; no event.
    void SetPointID(int id);
    int GetPointId() const { return m_nPointId; }
    /// An equal value does nothing; otherwise the before-change event (property 0), the store,
    /// the parent's OnPointGradeTypeChanged and the after-change event (property 0).
    void SetGradeType(GRADE_POINT_TYPE type);
    GRADE_POINT_TYPE GetGradeType() const { return m_eGradeType; }
    /// The absolute position in the base size.
    DPOINT GetAbsPosition() const;
    /// Counts the contours of the parent whose outline base points hold this point, closed and
    /// open apart; returns their sum (0 without a parent).
    int GetContourCount(int &open, int &closed) const;

protected:
    GRADE_POINT_TYPE m_eGradeType = GRADE_POINT_INTERMEDIATE;
    int m_nPointId = -1;

private:
    CPattern *m_pPattern = nullptr;
};
