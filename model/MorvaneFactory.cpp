// Morvane model library.
// The entry through which the program obtains grade masks and the input-pattern collection.
#include "model/MorvaneFactory.h"

#include "model/GradeMask.h"
#include "model/InputPatterns.h"

std::unique_ptr<IGradeMask> CMorvaneFactory::MakeGradeMask(CAttContainer *&container)
{
    auto mask = std::make_unique<CGradeMask>();
    mask->Create(nullptr);
    container = mask.get();
    return mask;
}

std::unique_ptr<IGradeMask> CMorvaneFactory::MakeGradeMask(CEventHandler *&handler,
                                                           IInputPatterns *patterns)
{
    auto mask = std::make_unique<CGradeMask>();
    mask->Create(patterns);
    handler = mask.get();
    return mask;
}

std::unique_ptr<IInputPatterns> CMorvaneFactory::MakeInputPatterns(CEventHandler *&handler)
{
    auto patterns = std::make_unique<CInputPatterns>();
    handler = patterns->GetEventHandler();
    return patterns;
}
