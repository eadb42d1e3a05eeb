// Morvane model library.
// The association of a grade mask's patterns with other patterns, released all at once.
#include "model/PatternReleaser.h"

#include "model/GradeMask.h"
#include "model/MaskPattern.h"

void CPatternReleaser::ReleaseAll()
{
    for (int i = 0; i < m_oMask.GetPatternCount(); ++i)
        m_oMask.GetMaskPatternAt(i)->ReleaseLinks();
}
