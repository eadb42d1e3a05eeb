// Morvane program interaction.
// The line that the measuring tools draw between two points of the mask.
#pragma once

#include "foundation/DPoint.h"

/// The measuring tools' line: its two points, written by the tools, and whether the view shows
/// it.
class CMeasureLine
{
public:
    CMeasureLine() = default;
    virtual ~CMeasureLine() = default;

    void SetActive(bool active) { m_bActive = active; }
    bool IsActive() const { return m_bActive; }
    /// The line is no longer shown.
    void Reset() { m_bActive = false; }

    DPOINT m_oStart;
    DPOINT m_oEnd;

private:
    bool m_bActive = false;
};
