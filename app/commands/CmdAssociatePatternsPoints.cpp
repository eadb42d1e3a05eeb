// Morvane editing commands.
// "AssociatePatternsPoints" and "AssociatePatternPoints": the points of associated patterns find
// their partners.
#include "app/commands/CmdAssociatePatternsPoints.h"

#include "app/commands/AssociationRequests.h"
#include "app/commands/association/PatternAssociator.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "model/Pattern.h"

static void associatePoints(IDocumentServices &document, CPattern &pattern,
                            const PointAssociationParams &params)
{
    CPtrCollection<CPattern> associated;
    pattern.GetAssPatterns(associated);
    for (CPattern *other : associated) {
        CPattern &maskPattern = pattern.IsMaskPattern() ? pattern : *other;
        CPattern &inputPattern = pattern.IsMaskPattern() ? *other : pattern;
        CPtrCollection<CBasePoint> points;
        maskPattern.AppendGradePoints(points);
        CPatternAssociator associator;
        associator.SetDocument(document);
        associator.AssociatePatternPointsWith(maskPattern, inputPattern, points, params);
    }
}

CCmdAssociatePatternsPoints::CCmdAssociatePatternsPoints()
{
    Create("AssociatePatternsPoints");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAssociatePatternsPoints::Clone() const
{
    return std::make_unique<CCmdAssociatePatternsPoints>(*this);
}

bool CCmdAssociatePatternsPoints::OnExecute(void *data)
{
    const auto *request = static_cast<const PatternPointsAssociation *>(data);
    IDocumentServices *document = GetDocument();
    if (request == nullptr || document == nullptr)
        return false;
    const WaitCursor waiting(*document);
    for (CPattern *pattern : request->patterns)
        associatePoints(*document, *pattern, request->params);
    return true;
}

bool CCmdAssociatePatternsPoints::IsEnabled(void *data)
{
    const auto *request = static_cast<const PatternPointsAssociation *>(data);
    if (request == nullptr)
        return false;
    for (CPattern *pattern : request->patterns) {
        if (CPatternAssociator::HasAssociatedPatterns(*pattern))
            return true;
    }
    return false;
}

CCmdAssociatePatternPoints::CCmdAssociatePatternPoints()
{
    Create("AssociatePatternPoints");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAssociatePatternPoints::Clone() const
{
    return std::make_unique<CCmdAssociatePatternPoints>(*this);
}
