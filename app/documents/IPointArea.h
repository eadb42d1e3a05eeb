// Morvane program documents.
// An area of the mask in which the main document collects the input patterns' points.
#pragma once

#include "foundation/DPoint.h"

/// An area that collects points (a selection frame, a region being drawn). The object handed to
/// IDocumentServices::CollectPointsInArea implements it.
class IPointArea
{
public:
    /// The mode that takes points inside the active mask's exclude regions too.
    static constexpr int kWithExcludedPoints = 1;

    virtual ~IPointArea() = default;

    /// Whether the position (mask coordinates) lies in the area.
    virtual bool ContainsPoint(DPOINT position) const = 0;
    virtual int GetMode() const = 0;
};
