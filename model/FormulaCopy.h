// Morvane model library.
// The state-copy interface through which the undo history saves and restores an object's state.
#pragma once

#include <memory>

/// An object whose state can be copied into a new object of its own kind and back: the
/// formulas implement it, and the undo history records their state changes through it
/// (CObjectStateItem). Deleting through this interface deletes the object.
class IFormulaCopy
{
public:
    virtual ~IFormulaCopy() = default;

    /// A new object of the same kind holding a copy of this object's state; the caller owns it.
    virtual std::unique_ptr<IFormulaCopy> FindManagedCounterpart() = 0;
    /// Copies the state of other, an object of the same kind (from FindManagedCounterpart),
    /// into this object.
    virtual void Assign(IFormulaCopy *other) = 0;
};
