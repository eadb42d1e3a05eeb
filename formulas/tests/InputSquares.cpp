// Morvane formula library tests.
// Input pieces shaped like the mask's square, shown on a mask that holds the square.
#include "InputSquares.h"

#include "MaskFixtures.h"
#include "model/InputPattern.h"
#include "model/MorvaneFactory.h"

using testmodel::FakePattern;
using testmodel::FakePoint;

namespace testformulas {

InputSquares::InputSquares(std::initializer_list<const char *> names, bool withMidPoint)
    : patterns(CMorvaneFactory::MakeInputPatterns(patternsHandler))
{
    for (const char *name : names) {
        auto source = std::make_unique<FakePattern>(name);
        FakePoint *a = source->addPoint(0, 0);
        FakePoint *b = source->addPoint(40, 0);
        FakePoint *c = source->addPoint(40, 40);
        FakePoint *d = source->addPoint(0, 40);
        if (withMidPoint)
            source->addCurve({a, source->addPoint(20, 0), b, c, d, a});
        else
            source->addCurve({a, b, c, d, a});
        patterns->AddPattern(source.get());
        sources.push_back(std::move(source));
    }
    patterns->Update();
    maskItf = CMorvaneFactory::MakeGradeMask(maskHandler, patterns.get());
    mask = static_cast<CGradeMask *>(maskItf.get());
    patterns->SetGradeMask(mask);
    square = testmodel::placeSquare(*mask, "Front");
    for (int i = 0; i < patterns->GetPatternCount(); ++i)
        patterns->GetPatternAt(i)->SetFlagged();
}

InputSquares::~InputSquares()
{
    patterns->SetGradeMask(nullptr);
}

CBasePoint *InputSquares::inputPoint(int pattern, int i) const
{
    return patterns->GetPatternAt(pattern)->GetBasePointAt(i);
}

void InputSquares::associateEverywhere(int i)
{
    for (int pattern = 0; pattern < patterns->GetPatternCount(); ++pattern)
        mask->GetPointAssociationMap()->AddAssociation(
            testmodel::maskPointAt(*square, i)->GetMaskPoint(), inputPoint(pattern, i));
}

} // namespace testformulas
