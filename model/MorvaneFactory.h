// Morvane model library.
// The entry through which the program obtains grade masks and the input-pattern collection.
#pragma once

#include <memory>

class CAttContainer;
class CEventHandler;
class IGradeMask;
class IInputPatterns;

/// Makes the model's top objects for the program. It has no state.
class CMorvaneFactory
{
public:
    CMorvaneFactory() = delete;

    /// A new, empty grade mask without input patterns, with the part of it that an XML archive
    /// loads or saves (root "GradeMask") through container, for a caller that stores the mask
    /// through its own archive.
    static std::unique_ptr<IGradeMask> MakeGradeMask(CAttContainer *&container);
    /// A new, empty grade mask tied to the document's input patterns (not owned; may be null:
    /// a mask without them), with the mask's event handler, at which the program listens,
    /// through handler.
    static std::unique_ptr<IGradeMask> MakeGradeMask(CEventHandler *&handler,
                                                     IInputPatterns *patterns = nullptr);
    /// A new, empty input-pattern collection, with its event handler through handler.
    static std::unique_ptr<IInputPatterns> MakeInputPatterns(CEventHandler *&handler);
};
