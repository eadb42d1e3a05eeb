// Morvane model library.
// The centre of a grade mask as a place: where the view and the focus search find it.
#pragma once

#include "foundation/DPoint.h"
#include "model/GradePlace.h"

namespace morvane {

/// The centre of a grade mask seen as a point: in every size it lies at the centre. It is no
/// point of a pattern: it has no label, no association, no slider and lies on no outline.
class MaskCenterPlace final : public IGradePlace
{
public:
    /// Reads the centre (a member of the mask, which must outlive this object).
    explicit MaskCenterPlace(const DPOINT &center)
        : m_center(center)
    {
    }

    void GetGradePlace(const IGradeSize *size, double &x, double &y) const override;
    void OnSetPointID() override {}
    CBasePoint *GetAssociatedPoint() const override { return nullptr; }
    std::string GetFormatName() const override { return {}; }
    DPOINT GetPosition(const IGradeSize *) const override { return m_center; }
    double GetX() const override { return m_center.x; }
    double GetY() const override { return m_center.y; }
    IInputPoint *GetInputPoint() override { return nullptr; }
    IMaskPoint *GetMaskPoint() override { return nullptr; }
    bool IsOutlinePoint() const override { return false; }
    bool IsEndPolylinePoint() const override { return false; }
    bool IsContourPoint() const override { return false; }
    bool IsSliderPoint() const override { return false; }
    CBasePoint *FindSliderPoint(CPolyline *&line) override;

private:
    const DPOINT &m_center;
};

} // namespace morvane
