// Morvane program documents test support.
// A client's run graded without the mask commands: a mask made from the client's test rectangle
// as it is input, with increments worked out by hand, and the grading's recalculation as the
// grading commands carry it out.
#pragma once

#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/MorvaneDoc.h"
#include "app/grading/IGradingInterface.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "foundation/DPoint.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MaskPattern.h"
#include "tasks/BaseCommand.h"
#include "tasks/TaskManager.h"

#include <memory>

namespace morvane {

/// "RecalculateGrading" as the grading commands carry it out: the document's grading applies the
/// mask's formulas.
class RecalculateGradingStandIn : public CBaseCommand
{
public:
    explicit RecalculateGradingStandIn(IDocumentServices &document) : m_document(document)
    {
        Create("RecalculateGrading");
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<RecalculateGradingStandIn>(*this);
    }
    bool OnExecute(void *) override { return m_document.GetGradingInterface()->ApplyGradeRules(); }

private:
    IDocumentServices &m_document;
};

/// The grade point of mask pattern made from the client's base point i of pattern 0.
inline CBasePoint *maskPointOfClientPoint(CMorvaneDoc &document, CMaskPattern &pattern, int i)
{
    CInputPattern &input = *document.GetInputPatterns()->GetPatternAt(0);
    const int index =
        input.FindInputPoint(document.GetClientModel().GetGeomPatternAt(0)->GetBasePointAt(i));
    const CBasePoint &point = *input.GetInputPointAt(index)->GetBasePoint();
    const int found = pattern.FindBasePoint({point.GetX(), point.GetY()}, 1e-9, GRADE_POINT_GRADE);
    return found >= 0 ? pattern.GetBasePointAt(found) : nullptr;
}

/// An increment of the test rectangle's grade point: its formula texts, and what they give for
/// each unit CHEST differs from the base size.
struct RectangleIncrement
{
    int point;
    const char *x;
    const char *y;
    double xPerChest;
    double yPerChest;
};

/// Increments on the rectangle's six grade points of their own (points 6 and 7 lie on 0 and 2
/// and are graded with them).
inline constexpr RectangleIncrement kRectangleIncrements[] = {
    {0, "0", "-CHEST/16", 0.0, -1.0 / 16}, {1, "CHEST/4", "0", 0.25, 0.0},
    {2, "0", "CHEST/8", 0.0, 0.125},        {3, "CHEST/16", "CHEST/8", 1.0 / 16, 0.125},
    {4, "-CHEST/16", "CHEST/8", -1.0 / 16, 0.125}, {5, "-CHEST/4", "0", -0.25, 0.0},
};

/// The rule value that kRectangleIncrements give grade point 0 to 7 of the rectangle when CHEST
/// differs by chest from the base size.
inline DPOINT rectangleRule(int point, double chest)
{
    const int graded = point == 6 ? 0 : point == 7 ? 2 : point;
    const RectangleIncrement &increment = kRectangleIncrements[graded];
    return {increment.xPerChest * chest, increment.yPerChest * chest};
}

/// A new mask, made active, holding a mask pattern made from each input pattern with every grade
/// point tied to the input point it was made from, and kRectangleIncrements on the client's
/// pattern 0.
inline void addClientMaskWithIncrements(CMorvaneDoc &document)
{
    CGradeMaskDocArray &masks = *document.GetMaskDocs();
    std::unique_ptr<CGradeMaskDoc> made = masks.CreateMaskDoc();
    made->SetTitle(masks.MakeUniqueName("Mask"));
    CGradeMaskDoc *mask = made.get();
    masks.InsertAt(masks.GetCount(), std::move(made));
    document.SetActiveMaskDoc(mask);
    auto &gradeMask = static_cast<CGradeMask &>(*mask->GetGradeMask());
    testgrading::placeInputPatterns(gradeMask, *document.GetInputPatterns());
    mask->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
    auto &pattern = static_cast<CMaskPattern &>(*gradeMask.GetPatternAt(0));
    for (const RectangleIncrement &increment : kRectangleIncrements)
        testgrading::addIncrement(gradeMask.GetFormulas(),
                                  maskPointOfClientPoint(document, pattern, increment.point),
                                  increment.x, increment.y);
}

} // namespace morvane
