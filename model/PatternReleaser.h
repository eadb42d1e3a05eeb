// Morvane model library.
// The association of a grade mask's patterns with other patterns, released all at once.
#pragma once

class CGradeMask;

/// The pattern associations of a grade mask as the program resets them.
class IPatternAssociationMap
{
public:
    virtual ~IPatternAssociationMap() = default;

    /// Visits every pattern of the mask, in order, and makes it release its links: its
    /// associated patterns and its points' associations are dropped. Not recorded in the undo
    /// history.
    virtual void ReleaseAll() = 0;
};

/// The pattern association map embedded in a grade mask.
class CPatternReleaser : public IPatternAssociationMap
{
public:
    explicit CPatternReleaser(CGradeMask &mask)
        : m_oMask(mask)
    {
    }

    void ReleaseAll() override;

private:
    CGradeMask &m_oMask;
};
