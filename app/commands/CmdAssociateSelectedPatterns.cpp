// Morvane editing commands.
// "AssociateSelectedPatterns", "AssociatePatterns" and "AssociatePattern": input patterns find
// the mask patterns of the active grade mask that they belong to.
#include "app/commands/CmdAssociateSelectedPatterns.h"

#include "app/commands/association/PatternAssociator.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"

static bool isUnplacedInputPattern(CPattern &pattern)
{
    const IInputPattern *input = pattern.GetInputPattern();
    return input != nullptr && !input->IsFlagged();
}

CCmdAssociateSelectedPatterns::CCmdAssociateSelectedPatterns()
{
    Create("AssociateSelectedPatterns");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAssociateSelectedPatterns::Clone() const
{
    return std::make_unique<CCmdAssociateSelectedPatterns>(*this);
}

bool CCmdAssociateSelectedPatterns::OnExecute(void *data)
{
    const auto *request = static_cast<const PatternListAssociation *>(data);
    if (request == nullptr)
        return false;
    return AssociatePatterns(request->patterns, request->params);
}

bool CCmdAssociateSelectedPatterns::IsEnabled(void *data)
{
    const auto *request = static_cast<const PatternListAssociation *>(data);
    return request != nullptr && CanAssociate(request->patterns);
}

bool CCmdAssociateSelectedPatterns::AssociatePatterns(const CPtrCollection<CPattern> &patterns,
                                                      const PatternAssociationParams &params)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr)
        return false;
    const WaitCursor waiting(*document);
    CPatternAssociator associator;
    associator.SetDocument(*document);
    return associator.AssociatePatterns(patterns, params);
}

bool CCmdAssociateSelectedPatterns::CanAssociate(const CPtrCollection<CPattern> &patterns) const
{
    IDocumentServices *document = GetDocument();
    const IGradeMask *mask = document != nullptr ? document->GetActiveGradeMask() : nullptr;
    return mask != nullptr && mask->GetPatternCount() > 0 && patterns.GetCount() > 0;
}

CCmdAssociatePatterns::CCmdAssociatePatterns()
{
    Create("AssociatePatterns");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAssociatePatterns::Clone() const
{
    return std::make_unique<CCmdAssociatePatterns>(*this);
}

CCmdAssociatePattern::CCmdAssociatePattern()
{
    Create("AssociatePattern");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAssociatePattern::Clone() const
{
    return std::make_unique<CCmdAssociatePattern>(*this);
}

bool CCmdAssociatePattern::OnExecute(void *data)
{
    const auto *request = static_cast<const SinglePatternAssociation *>(data);
    if (request == nullptr)
        return false;
    CPattern *pattern = patternOf(*request);
    if (pattern == nullptr)
        return false;
    CPtrCollection<CPattern> patterns;
    patterns.Add(pattern);
    return AssociatePatterns(patterns, request->params);
}

bool CCmdAssociatePattern::IsEnabled(void *data)
{
    const auto *request = static_cast<const SinglePatternAssociation *>(data);
    if (request == nullptr)
        return false;
    CPattern *pattern = patternOf(*request);
    if (pattern == nullptr)
        return false;
    if (request->pattern == nullptr && pattern->IsMaskPattern())
        return false;
    if (request->pattern != nullptr && request->params.method != 1 &&
        isUnplacedInputPattern(*pattern))
        return false;
    CPtrCollection<CPattern> patterns;
    patterns.Add(pattern);
    return CanAssociate(patterns);
}

CPattern *CCmdAssociatePattern::patternOf(const SinglePatternAssociation &request) const
{
    if (request.pattern != nullptr)
        return request.pattern;
    IDocumentServices *document = GetDocument();
    return document != nullptr ? document->GetActivePattern() : nullptr;
}
