// Morvane editing commands tests.
// The association and auto-placement commands, run by a grade mask's task manager on a style
// whose pieces are input patterns of another size.
#include "app/commands/AssociationRequests.h"
#include "app/commands/CmdAssociatePatternsPoints.h"
#include "app/commands/CmdAssociateSelectedPatterns.h"
#include "app/commands/CmdAutoPlacePatterns.h"

#include "FakeGradeSource.h"
#include "GarmentStyle.h"
#include "OutlinePatterns.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "model/Contour.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/MorvaneFactory.h"
#include "model/PatternLocation.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/TransitionId.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace garment;
using morvane::FakeDocumentServices;
using testmodel::FakeCurve;
using testmodel::FakePattern;
using testmodel::FakePoint;

namespace {

const char *const kCommandNames[] = {"AssociateSelectedPatterns", "AssociatePatterns",
                                     "AssociatePattern",          "AssociatePatternsPoints",
                                     "AssociatePatternPoints",    "AutoPlacePatterns"};

/// The main task of a grade mask reduced to what the commands need: "Idle" runs each command on
/// the event of its name, and keeps an undo history.
class IdleTaskDefinition : public ITaskDefinition
{
public:
    void Define(ITask *task) override
    {
        task->SetUndoEnabled(true);
        task->AddEntryState("Entry", 0);
        task->AddState("Idle", 1);
        task->AddTransition("Entry", "", "", "Idle", morvane::makeTransitionId());
        for (const char *name : kCommandNames) {
            task->AddTransition("Idle", name, "", "Idle", morvane::makeTransitionId());
            task->SetEventCommand("Idle", name);
        }
    }
};

/// A grade mask's task manager with the association commands; the auto-placement's prompt
/// answers as the test says.
class MaskTaskManager : public CTaskManager
{
public:
    explicit MaskTaskManager(PatternParamsPrompt prompt) : m_prompt(std::move(prompt)) {}

protected:
    void RegisterCommands() override
    {
        AddCommand(std::make_unique<CCmdAssociateSelectedPatterns>());
        AddCommand(std::make_unique<CCmdAssociatePatterns>());
        AddCommand(std::make_unique<CCmdAssociatePattern>());
        AddCommand(std::make_unique<CCmdAssociatePatternsPoints>());
        AddCommand(std::make_unique<CCmdAssociatePatternPoints>());
        auto autoPlace = std::make_unique<CCmdAutoPlacePatterns>();
        autoPlace->SetParamsPrompt(m_prompt);
        AddCommand(std::move(autoPlace));
    }
    void RegisterTaskTemplates() override
    {
        AddTaskTemplate("MainTask", std::make_unique<IdleTaskDefinition>());
    }

private:
    PatternParamsPrompt m_prompt;
};

/// A grade model piece: one closed curve through a grade point at each vertex of the outline.
std::unique_ptr<FakePattern> makeSourcePiece(const std::string &name,
                                             const std::vector<DPOINT> &outline)
{
    auto piece = std::make_unique<FakePattern>(name);
    FakeCurve *curve = piece->addCurve();
    for (const DPOINT &p : outline) {
        FakePoint *point = piece->addPoint(p.x, p.y);
        curve->through(point);
        curve->gradePoints.push_back(point);
    }
    curve->through(curve->gradePoints.front());
    curve->gradePoints.push_back(curve->gradePoints.front());
    return piece;
}

/// The main document of a style: the mask holds the style's pieces in the base size, the input
/// patterns are the pieces two sizes up, each turned and moved away, none of them placed.
class StyleDocument
{
public:
    explicit StyleDocument(bool withMaskPatterns = true)
        : manager([this](PatternAssociationParams &) {
            ++prompts;
            return acceptPrompt;
        })
    {
        const std::vector<Piece> style = makeStyle();
        for (size_t k = 0; k < style.size(); ++k) {
            const auto turn = static_cast<double>(25 * k);
            sources.push_back(makeSourcePiece(
                style[k].name, placed(graded(style[k].outline, 2), turn, 2000.0 + 900.0 * k, 1500.0)));
        }
        inputPatterns = CMorvaneFactory::MakeInputPatterns(inputHandler);
        for (const auto &source : sources)
            inputPatterns->AddPattern(source.get());
        inputPatterns->Update();
        maskItf = CMorvaneFactory::MakeGradeMask(maskHandler, inputPatterns.get());
        mask = static_cast<CGradeMask *>(maskItf.get());
        inputPatterns->SetGradeMask(mask);
        if (withMaskPatterns) {
            for (const Piece &piece : style)
                mask->InsertPatternAt(mask->GetPatternCount(), makeOutlinePattern(*mask, piece.outline));
        }
        services.activeMask = mask;
        services.options.set("MAX_SIZE_DISSIMILARITY", "40");
        services.options.set("MAX_SHAPE_ERROR", "15");
        services.options.set("MAX_SHAPE_ERROR_MULTI", "15");
        manager.SetMainTask("MainTask");
        manager.Create(static_cast<IDocumentServices *>(&services));
        manager.Run();
    }
    ~StyleDocument() { inputPatterns->SetGradeMask(nullptr); }

    int count() const { return inputPatterns->GetPatternCount(); }
    CInputPattern *input(int i) const { return inputPatterns->GetPatternAt(i); }
    CPattern *maskPattern(int i) const { return mask->GetPatternAt(i); }
    CPtrCollection<CPattern> inputs() const
    {
        CPtrCollection<CPattern> all;
        for (int i = 0; i < count(); ++i)
            all.Add(input(i));
        return all;
    }
    CPtrCollection<CPattern> associatedWith(CPattern *pattern) const
    {
        CPtrCollection<CPattern> associated;
        pattern->GetAssPatterns(associated);
        return associated;
    }
    void placeAll()
    {
        for (int i = 0; i < count(); ++i)
            input(i)->SetFlagged();
    }
    bool run(const std::string &command, void *data) { return manager.DispatchEvent(command, data); }
    /// Runs the command in the main task as another command would, even when it is disabled.
    bool runDisabled(const std::string &command, void *data)
    {
        return manager.GetCommand(command)->Execute(manager.GetMainTask(), data);
    }
    bool enabled(const std::string &command, void *data)
    {
        return manager.CanDispatchEvent(command, data);
    }

    std::vector<std::unique_ptr<FakePattern>> sources;
    CEventHandler *inputHandler = nullptr;
    std::unique_ptr<IInputPatterns> inputPatterns;
    CEventHandler *maskHandler = nullptr;
    std::unique_ptr<IGradeMask> maskItf;
    CGradeMask *mask = nullptr;
    FakeDocumentServices services;
    int prompts = 0;
    bool acceptPrompt = true;
    MaskTaskManager manager;
};

PatternAssociationParams byMethod(int method)
{
    PatternAssociationParams params;
    params.method = method;
    return params;
}

DPOINT outlineCentre(CPattern *pattern)
{
    return pattern->GetOutContour()->GetAbsRect().GetCenter();
}

} // namespace

TEST(AssociationCommandsTest, EachInputPieceFindsItsOwnMaskPattern)
{
    struct Row
    {
        const char *command;
        int method;
        bool placed;
        bool associates;
    };
    const Row rows[] = {
        {"AssociateSelectedPatterns", 1, false, true},
        {"AssociatePatterns", 1, false, true},
        {"AssociatePatterns", 1, true, true},
        // Unplaced patterns take part only when compared by position.
        {"AssociateSelectedPatterns", 0, false, false},
        {"AssociatePatterns", 2, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.command) + " method " + std::to_string(row.method));
        StyleDocument document;
        if (row.placed)
            document.placeAll();
        PatternListAssociation request{document.inputs(), byMethod(row.method)};
        ASSERT_TRUE(document.enabled(row.command, &request));
        EXPECT_TRUE(document.run(row.command, &request));
        for (int i = 0; i < document.count(); ++i) {
            SCOPED_TRACE(document.input(i)->GetPatternName());
            const CPtrCollection<CPattern> associated =
                document.associatedWith(document.maskPattern(i));
            ASSERT_EQ(associated.GetCount(), row.associates ? 1 : 0);
            if (row.associates) {
                EXPECT_EQ(associated.GetAt(0), document.input(i));
            }
        }
        EXPECT_FALSE(document.manager.CanUndo()) << "association is not undone by the history";
        EXPECT_EQ(document.services.waitCursorsShown, 1);
        EXPECT_EQ(document.services.waitCursorDepth, 0);
    }
}

TEST(AssociationCommandsTest, PatternAssociationNeedsMaskPatternsAndPatterns)
{
    StyleDocument document;
    PatternListAssociation none{{}, byMethod(1)};
    EXPECT_FALSE(document.enabled("AssociateSelectedPatterns", &none));
    PatternListAssociation all{document.inputs(), byMethod(1)};
    EXPECT_TRUE(document.enabled("AssociatePatterns", &all));
    document.services.activeMask = nullptr;
    EXPECT_FALSE(document.enabled("AssociatePatterns", &all));

    StyleDocument emptyMask(false);
    PatternListAssociation inputs{emptyMask.inputs(), byMethod(1)};
    EXPECT_FALSE(emptyMask.enabled("AssociateSelectedPatterns", &inputs));
    SinglePatternAssociation one{emptyMask.input(0), byMethod(1)};
    EXPECT_FALSE(emptyMask.enabled("AssociatePattern", &one));
}

TEST(AssociationCommandsTest, AssociatePatternIsEnabledForAPlacedOrActiveInputPattern)
{
    struct Row
    {
        const char *name;
        bool givenPattern;
        bool placed;
        int method;
        int activeKind; // 0 none, 1 an input pattern, 2 a mask pattern
        bool enabled;
    };
    const Row rows[] = {
        {"an unplaced pattern compared by overlap", true, false, 0, 0, false},
        {"an unplaced pattern compared by position", true, false, 1, 0, true},
        {"a placed pattern compared by overlap", true, true, 0, 0, true},
        {"no pattern and nothing active", false, false, 1, 0, false},
        {"no pattern and an active input pattern", false, false, 1, 1, true},
        {"no pattern and an active mask pattern", false, false, 1, 2, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        StyleDocument document;
        if (row.placed)
            document.placeAll();
        CPattern *const active[] = {nullptr, document.input(2), document.maskPattern(2)};
        document.services.activePattern = active[row.activeKind];
        SinglePatternAssociation request{row.givenPattern ? document.input(2) : nullptr,
                                         byMethod(row.method)};
        EXPECT_EQ(document.enabled("AssociatePattern", &request), row.enabled);
    }
}

TEST(AssociationCommandsTest, AssociatePatternWithoutAPatternAssociatesTheActiveOne)
{
    StyleDocument document;
    document.services.activePattern = document.input(3);
    SinglePatternAssociation request{nullptr, byMethod(1)};
    EXPECT_TRUE(document.run("AssociatePattern", &request));
    for (int i = 0; i < document.count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(document.associatedWith(document.maskPattern(i)).GetCount(), i == 3 ? 1 : 0);
    }
    EXPECT_EQ(document.associatedWith(document.input(3)).GetAt(0), document.maskPattern(3));
}

TEST(AssociationCommandsTest, PointsOfAssociatedPatternsFindTheirOwnPartners)
{
    for (const char *command : {"AssociatePatternsPoints", "AssociatePatternPoints"}) {
        SCOPED_TRACE(command);
        StyleDocument document;
        PatternListAssociation patterns{document.inputs(), byMethod(1)};
        ASSERT_TRUE(document.run("AssociatePatterns", &patterns));
        PatternPointsAssociation request{document.inputs(), {}};
        request.params.onlyFormulaPoints = false;
        ASSERT_TRUE(document.enabled(command, &request));
        EXPECT_TRUE(document.run(command, &request));
        for (int k = 0; k < document.count(); ++k) {
            SCOPED_TRACE(document.input(k)->GetPatternName());
            CPattern *maskPattern = document.maskPattern(k);
            for (int i = 0; i < maskPattern->GetBasePointCount(); ++i) {
                SCOPED_TRACE(i);
                CPtrCollection<CBasePoint> partners;
                maskPattern->GetBasePointAt(i)->GetMaskPoint()->AppendAssociations(partners);
                ASSERT_EQ(partners.GetCount(), 1);
                EXPECT_EQ(partners.GetAt(0), document.input(k)->GetBasePointAt(i));
            }
        }
        EXPECT_FALSE(document.manager.CanUndo());
        EXPECT_EQ(document.services.waitCursorsShown, 2) << "one for each command";
        EXPECT_EQ(document.services.waitCursorDepth, 0);
    }
}

TEST(AssociationCommandsTest, PointAssociationOfAPatternWithoutAssociatedPatternsDoesNothing)
{
    StyleDocument document;
    PatternPointsAssociation request{{}, {}};
    request.patterns.Add(document.input(0));
    request.params.onlyFormulaPoints = false;
    EXPECT_FALSE(document.enabled("AssociatePatternPoints", &request));
    EXPECT_TRUE(document.runDisabled("AssociatePatternPoints", &request));
    for (int k = 0; k < document.count(); ++k)
        EXPECT_EQ(document.maskPattern(k)->GetAssociatedPoints(nullptr), 0);
}

TEST(AssociationCommandsTest, AutoPlacementAssociatesThenCentresEachPieceOnItsMaskPattern)
{
    StyleDocument document;
    document.services.options.set("SHOW_PATTERN_ASS_DLG", "1");
    std::vector<double> angles;
    for (int k = 0; k < document.count(); ++k)
        angles.push_back(document.input(k)->GetPatternLocation()->GetRotAngle(true));
    AutoPlacement request{document.inputs(), true};
    ASSERT_TRUE(document.enabled("AutoPlacePatterns", &request));
    EXPECT_TRUE(document.run("AutoPlacePatterns", &request));
    EXPECT_EQ(document.prompts, 1);
    for (int k = 0; k < document.count(); ++k) {
        SCOPED_TRACE(document.input(k)->GetPatternName());
        EXPECT_TRUE(document.input(k)->IsFlagged());
        const CPtrCollection<CPattern> associated = document.associatedWith(document.input(k));
        ASSERT_EQ(associated.GetCount(), 1);
        EXPECT_EQ(associated.GetAt(0), document.maskPattern(k));
        const DPOINT target = outlineCentre(document.maskPattern(k));
        const DPOINT centre = outlineCentre(document.input(k));
        EXPECT_NEAR(centre.x, target.x, 1e-6);
        EXPECT_NEAR(centre.y, target.y, 1e-6);
        EXPECT_EQ(document.input(k)->GetPatternLocation()->GetRotAngle(true), angles[k]);
    }
    EXPECT_FALSE(document.enabled("AutoPlacePatterns", &request)) << "all placed";
    EXPECT_FALSE(document.manager.CanUndo());
}

TEST(AssociationCommandsTest, ACancelledPromptPlacesOnlyThePatternsAlreadyAssociated)
{
    StyleDocument document;
    document.services.options.set("SHOW_PATTERN_ASS_DLG", "1");
    document.acceptPrompt = false;
    document.maskPattern(0)->AddAssPattern(document.input(0));
    const DPOINT away = document.input(1)->GetPatternLocation()->GetPosition();
    AutoPlacement request{document.inputs(), true};
    EXPECT_TRUE(document.run("AutoPlacePatterns", &request));
    EXPECT_EQ(document.prompts, 1);
    EXPECT_TRUE(document.input(0)->IsFlagged());
    const DPOINT target = outlineCentre(document.maskPattern(0));
    EXPECT_NEAR(outlineCentre(document.input(0)).x, target.x, 1e-6);
    EXPECT_NEAR(outlineCentre(document.input(0)).y, target.y, 1e-6);
    for (int k = 1; k < document.count(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_FALSE(document.input(k)->IsFlagged());
        EXPECT_EQ(document.associatedWith(document.input(k)).GetCount(), 0);
    }
    const DPOINT stayed = document.input(1)->GetPatternLocation()->GetPosition();
    EXPECT_EQ(stayed.x, away.x);
    EXPECT_EQ(stayed.y, away.y);
}

TEST(AssociationCommandsTest, AssociatedPatternsArePlacedWithoutThePromptOnTheirBestMaskPattern)
{
    StyleDocument document;
    document.services.options.set("SHOW_PATTERN_ASS_DLG", "1");
    // The sleeve is associated with the collar first, then with its own mask pattern.
    for (int k = 0; k < document.count(); ++k) {
        if (k == 2)
            document.maskPattern(3)->AddAssPattern(document.input(k));
        document.maskPattern(k)->AddAssPattern(document.input(k));
    }
    AutoPlacement request{document.inputs(), true};
    EXPECT_TRUE(document.run("AutoPlacePatterns", &request));
    EXPECT_EQ(document.prompts, 0);
    for (int k = 0; k < document.count(); ++k) {
        SCOPED_TRACE(document.input(k)->GetPatternName());
        EXPECT_TRUE(document.input(k)->IsFlagged());
        const DPOINT target = outlineCentre(document.maskPattern(k));
        EXPECT_NEAR(outlineCentre(document.input(k)).x, target.x, 1e-6);
        EXPECT_NEAR(outlineCentre(document.input(k)).y, target.y, 1e-6);
    }
}

TEST(AssociationCommandsTest, CommandsWithoutDataOrDocumentDoNothing)
{
    for (const char *name : kCommandNames) {
        SCOPED_TRACE(name);
        StyleDocument document;
        EXPECT_FALSE(document.enabled(name, nullptr));
        CBaseCommand *command = document.manager.GetCommand(name);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->GetName(), name);
        EXPECT_FALSE(command->GetAddToHistory());
        EXPECT_TRUE(command->GetRepeatCommand());
        EXPECT_EQ(command->GetCommandModifyType(), CMT_NO_MODIFY);
        EXPECT_FALSE(command->Clone()->OnExecute(nullptr));
    }
}

TEST(AssociationCommandsTest, PatternsOfTheMaskAreNeitherAssociatedWithItNorPlaced)
{
    StyleDocument document;
    CPattern *maskPattern = document.maskPattern(0);
    const CDRect before = maskPattern->GetAbsRect(nullptr);
    PatternListAssociation request{{}, byMethod(1)};
    request.patterns.Add(maskPattern);
    EXPECT_TRUE(document.run("AssociateSelectedPatterns", &request));
    EXPECT_EQ(document.associatedWith(maskPattern).GetCount(), 0);

    AutoPlacement placement{document.inputs(), false};
    placement.patterns.Add(maskPattern);
    EXPECT_TRUE(document.run("AutoPlacePatterns", &placement));
    for (int k = 0; k < document.count(); ++k)
        EXPECT_TRUE(document.input(k)->IsFlagged()) << k;
    const CDRect after = maskPattern->GetAbsRect(nullptr);
    EXPECT_EQ(after.GetCenter().x, before.GetCenter().x);
    EXPECT_EQ(after.GetCenter().y, before.GetCenter().y);
    const CPtrCollection<CPattern> associated = document.associatedWith(maskPattern);
    ASSERT_EQ(associated.GetCount(), 1);
    EXPECT_EQ(associated.GetAt(0), document.input(0));
}

TEST(AssociationCommandsTest, TheDataDecidesWhetherTheParametersMayBeShown)
{
    for (bool allowDialog : {false, true}) {
        SCOPED_TRACE(allowDialog);
        StyleDocument document;
        document.services.options.set("SHOW_PATTERN_ASS_DLG", "1");
        AutoPlacement request{document.inputs(), allowDialog};
        EXPECT_TRUE(document.run("AutoPlacePatterns", &request));
        EXPECT_EQ(document.prompts, allowDialog ? 1 : 0);
        for (int k = 0; k < document.count(); ++k)
            EXPECT_TRUE(document.input(k)->IsFlagged()) << k;
    }
    StyleDocument document;
    AutoPlacement nothing{{}, true};
    EXPECT_FALSE(document.enabled("AutoPlacePatterns", &nothing));
}
