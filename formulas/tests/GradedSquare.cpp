// Morvane formula library tests.
// A graded input piece shown on a mask: the fixture of the measure and path formula tests.
#include "GradedSquare.h"

#include "model/MorvaneFactory.h"

using namespace testmodel;

namespace testformulas {

std::string displayOf(IBaseFormula &formula, bool flag)
{
    std::string text;
    formula.GetDisplayText(text, flag);
    return text;
}

GradedSquare::GradedSquare()
    : patterns(CMorvaneFactory::MakeInputPatterns(handler))
{
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(40, 0);
    b->growth = {1, 0};
    FakePoint *c = source.addPoint(40, 30);
    c->growth = {1, 1};
    FakePoint *d = source.addPoint(0, 30);
    source.addCurve({a, b, c, d, a});
    patterns->AddPattern(&source);
    patterns->Update();
    mask.Create(patterns.get());
    patterns->SetGradeMask(&mask);
    pattern()->SetFlagged();
}

GradedSquare::~GradedSquare()
{
    patterns->SetGradeMask(nullptr);
}

CInputPattern *GradedSquare::pattern() const
{
    return patterns->GetPatternAt(0);
}

CBasePoint *GradedSquare::point(int n) const
{
    CInputPattern *input = pattern();
    return input->GetBasePointAt(input->FindBasePoint("P" + std::to_string(n)));
}

} // namespace testformulas
