// Morvane formula library tests.
// An input piece drawn from a list of corners, shown on a mask.
#include "DrawnPiece.h"

#include "model/InputPattern.h"
#include "model/MorvaneFactory.h"

#include <string>

using namespace testmodel;

namespace testformulas {

DrawnPiece::DrawnPiece(const std::vector<DPOINT> &corners)
    : patterns(CMorvaneFactory::MakeInputPatterns(handler))
{
    FakeCurve *curve = source.addCurve();
    std::vector<FakePoint *> points;
    for (const DPOINT &corner : corners)
        points.push_back(source.addPoint(corner.x, corner.y));
    points.push_back(points.front());
    for (FakePoint *point : points) {
        curve->through(point);
        curve->gradePoints.push_back(point);
    }
    patterns->AddPattern(&source);
    patterns->Update();
    mask.Create(patterns.get());
    patterns->SetGradeMask(&mask);
    patterns->GetPatternAt(0)->SetFlagged();
}

DrawnPiece::~DrawnPiece()
{
    patterns->SetGradeMask(nullptr);
}

CBasePoint *DrawnPiece::point(int n) const
{
    CInputPattern *input = patterns->GetPatternAt(0);
    return input->GetBasePointAt(input->FindBasePoint("P" + std::to_string(n)));
}

} // namespace testformulas
