// Morvane program grading.
// Writing the grading of input points during a grading pass, with one notification per pass.
#include "app/grading/GradingWrites.h"

#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/PatternLocation.h"

void setOwnGrading(CBasePoint *point, GradeSize size, DPOINT increment)
{
    auto *input = dynamic_cast<CInputPoint *>(point);
    if (input == nullptr)
        return;
    const DPOINT current = input->GetGradeShift({}, size);
    input->MoveGradePosition(size, increment.x - current.x, increment.y - current.y);
}

void setGradingOnMask(CBasePoint *point, GradeSize size, DPOINT increment)
{
    auto *input = dynamic_cast<CInputPoint *>(point);
    if (input == nullptr || input->GetInputPattern() == nullptr) {
        setOwnGrading(point, size, increment);
        return;
    }
    const IPatternLocation *location = input->GetInputPattern()->GetPatternLocation();
    CDPoint own(increment);
    own.TransformToRelative({}, location->GetRotAngle(true), location->IsFlipped(), false);
    setOwnGrading(point, size, own.GetDPoint());
}

PatternGradingChange::PatternGradingChange(CInputPattern &pattern)
    : m_pattern(pattern)
{
    m_pattern.OnGradingChange(false);
}

PatternGradingChange::~PatternGradingChange()
{
    m_pattern.OnGradingChange(true);
}
