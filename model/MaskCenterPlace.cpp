// Morvane model library.
// The centre of a grade mask as a place: where the view and the focus search find it.
#include "model/MaskCenterPlace.h"

namespace morvane {

void MaskCenterPlace::GetGradePlace(const IGradeSize *, double &x, double &y) const
{
    x = m_center.x;
    y = m_center.y;
}

CBasePoint *MaskCenterPlace::FindSliderPoint(CPolyline *&line)
{
    line = nullptr;
    return nullptr;
}

} // namespace morvane
