// Morvane program documents tests.
// The batch's operations on a real main document: the events each one sends and to which task
// manager, with what data, and the error each failure records, refusals included.
#include "MainDocumentFixture.h"

#include "app/commands/AssociationRequests.h"
#include "app/documents/BatchOperations.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IBatchDocumentFiles.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/MvBatchProcess.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "tasks/Task.h"
#include "tasks/testing/ChartFixture.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using morvane::FakeMainWindow;
using morvane::test::Chart;
using morvane::test::CommandFlags;
using morvane::test::ScriptedMaskTaskManager;
using morvane::test::ScriptedTaskManager;

namespace {

/// A command that does what the test says with the event's data.
class ActingCommand : public CBaseCommand
{
public:
    ActingCommand(const std::string &name, std::function<bool(void *)> action,
                  std::shared_ptr<bool> enabled)
        : m_action(std::move(action))
        , m_enabled(std::move(enabled))
    {
        Create(name);
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<ActingCommand>(*this);
    }
    bool OnExecute(void *data) override { return m_action(data); }
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *) override { return *m_enabled; }

private:
    std::function<bool(void *)> m_action;
    std::shared_ptr<bool> m_enabled;
};

/// A task manager whose main task takes the named events at any time, each running the command
/// of its name.
void acceptEvents(ScriptedTaskManager &manager, const std::vector<std::string> &events)
{
    manager.task("Main", [events](ITask *task) {
        Chart chart(task);
        chart.state("Idle");
        chart.transition("Entry", "", "Idle");
        for (const std::string &event : events)
            chart.transition("Idle", event, "", "", event);
    });
}

/// The main document as the batch sees it, with the workspace task manager the program's
/// commands will give it.
class DocumentWithWorkspace : public IDocumentAccess
{
public:
    DocumentWithWorkspace(CMorvaneDoc &document, CTaskManager &workspace)
        : m_document(document)
        , m_workspace(workspace)
    {
    }
    CGradeMaskDocArray *GetMaskDocs() override { return m_document.GetMaskDocs(); }
    IDocumentServices *GetServices() override { return &m_document; }
    CTaskManager *GetWorkspaceTaskManager() override { return &m_workspace; }
    void SetActiveMaskDoc(CGradeMaskDoc *doc) override { m_document.SetActiveMaskDoc(doc); }
    CGradeMaskDoc *GetActiveMaskDoc() override { return m_document.GetActiveMaskDoc(); }

private:
    CMorvaneDoc &m_document;
    CTaskManager &m_workspace;
};

/// The document's files, answering as the test says and noting what they were asked.
class FakeFiles : public IBatchDocumentFiles
{
public:
    CTaskManager *GetTableSetTaskManager() override { return tableSetManager; }
    bool LoadContext(const std::filesystem::path &file) override
    {
        asked.push_back("load context " + file.string());
        return contextLoads;
    }
    bool SaveContext(const std::filesystem::path &file) override
    {
        asked.push_back("save context " + file.string());
        return contextSaves;
    }
    bool LoadDefaultWorkspace() override
    {
        asked.push_back("load workspace");
        return workspaceLoads;
    }
    std::filesystem::path GetDefaultContextPath() override { return "default.mvc"; }

    CTaskManager *tableSetManager = nullptr;
    bool contextLoads = true;
    bool contextSaves = true;
    bool workspaceLoads = true;
    std::vector<std::string> asked;
};

class BatchOperationsTest : public testdocuments::MainDocumentFixture
{
protected:
    BatchOperationsTest()
    {
        m_doc.GetMaskDocs()->SetTaskManagerFactory([this] {
            auto manager = std::make_unique<ScriptedMaskTaskManager>(&m_log);
            manager->command("RecalculateGrading", CommandFlags{.addToHistory = false});
            manager->command(std::make_unique<ActingCommand>(
                "AutoPlacePatterns",
                [this](void *data) {
                    const auto &placement = *static_cast<AutoPlacement *>(data);
                    EXPECT_FALSE(placement.allowDialog);
                    m_placed.emplace_back(placement.patterns.begin(), placement.patterns.end());
                    return true;
                },
                std::make_shared<bool>(true)));
            return manager;
        });
        addWorkspaceCommand("InsertMaskFromFile", [this](void *data) {
            heard.push_back("InsertMaskFromFile " +
                            static_cast<std::filesystem::path *>(data)->string());
            addMask();
            return true;
        });
        addWorkspaceCommand("InsertNewMask", [this](void *) {
            heard.push_back("InsertNewMask");
            addMask();
            return true;
        });
        addWorkspaceCommand("SetActiveMask", [this](void *data) {
            auto *mask = static_cast<CGradeMaskDoc *>(data);
            heard.push_back("SetActiveMask " + mask->GetTitle());
            m_doc.SetActiveMaskDoc(mask);
            return true;
        });
        addWorkspaceCommand("LoadInputPatterns", [this](void *data) {
            const auto &param = *static_cast<InputPatternsRequest *>(data);
            heard.push_back("LoadInputPatterns " + param.path.string() + " " +
                            std::to_string(param.kind));
            return true;
        });
        acceptEvents(m_workspace,
                     {"InsertMaskFromFile", "InsertNewMask", "SetActiveMask", "LoadInputPatterns"});
        m_workspace.start("Main", &m_access);

        m_tableSet.command(std::make_unique<ActingCommand>(
            "LoadTableSet",
            [this](void *data) {
                heard.push_back("LoadTableSet " +
                                static_cast<std::filesystem::path *>(data)->string());
                return true;
            },
            std::make_shared<bool>(true)));
        acceptEvents(m_tableSet, {"LoadTableSet"});
        m_tableSet.start("Main");
        m_files.tableSetManager = &m_tableSet;

        m_operations.SetFiles(&m_files);
        m_batch.SetRunner(&m_operations);
        m_doc.GetAutomation().SetMainWindow(&m_window);
    }

    /// The style's pieces on a new mask, made active as "SetActiveMask" does.
    CGradeMask &styleOnActiveMask()
    {
        loadStyle();
        CGradeMaskDoc *mask = addMask();
        CGradeMask &gradeMask = placeStyleOn(*mask);
        mask->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
        m_log.clear();
        return gradeMask;
    }

    void addWorkspaceCommand(const std::string &name, std::function<bool(void *)> action)
    {
        auto enabled = std::make_shared<bool>(true);
        m_enabled[name] = enabled;
        m_workspace.command(std::make_unique<ActingCommand>(name, std::move(action), enabled));
    }

    /// Runs one operation with its parameters; answers the error it recorded (BE_NO_ERROR when
    /// it succeeded) and checks that a recorded error names it.
    int32_t runOperation(int32_t code, const std::vector<std::pair<int32_t, std::string>> &params)
    {
        const int32_t position = m_batch.AddOperation(code);
        for (const auto &[index, text] : params)
            m_batch.AddOperationParam(position, index, text);
        const int errorsBefore = m_batch.GetErrorCount();
        const bool succeeded = m_operations.ExecuteOperation(
            m_batch, *m_batch.GetOperationAt(position));
        int32_t failed = -1;
        const int32_t error = m_batch.GetLastError(failed);
        EXPECT_EQ(succeeded, m_batch.GetErrorCount() == errorsBefore);
        if (succeeded)
            return BE_NO_ERROR;
        EXPECT_EQ(failed, position);
        return error;
    }

    morvane::test::EventLog m_log;
    std::vector<std::string> heard;
    /// The patterns of each "AutoPlacePatterns" sent to the active mask.
    std::vector<std::vector<CPattern *>> m_placed;
    std::map<std::string, std::shared_ptr<bool>> m_enabled;
    ScriptedTaskManager m_workspace{&m_log};
    ScriptedTaskManager m_tableSet{&m_log};
    DocumentWithWorkspace m_access{m_doc, m_workspace};
    FakeFiles m_files;
    CMvBatchProcess m_batch;
    BatchOperations m_operations{m_access, m_doc.GetAutomation()};
    FakeMainWindow m_window{m_doc.GetAutomation()};
};

} // namespace

TEST_F(BatchOperationsTest, EachOperationSendsItsEventsWithItsParametersWhereTheyBelong)
{
    struct Row {
        const char *name;
        int32_t code;
        std::vector<std::pair<int32_t, std::string>> params;
        std::vector<std::string> heard;
    };
    const Row rows[] = {
        {"mask file, made active", BO_INSERT_MASK_FROM_FILE, {{1, "front.msk"}},
         {"InsertMaskFromFile front.msk", "SetActiveMask Mask1"}},
        {"new mask, made active", BO_INSERT_NEW_MASK, {}, {"InsertNewMask", "SetActiveMask Mask2"}},
        {"AAMA style", BO_LOAD_INPUT_PATTERNS, {{2, "GMT_AAMA"}, {1, "shirt.dxf"}},
         {"LoadInputPatterns shirt.dxf 2"}},
        {"masks as a model", BO_LOAD_INPUT_PATTERNS, {{1, "a.msk"}, {2, "GMT_MASK"}},
         {"LoadInputPatterns a.msk 1"}},
        {"first parameter of an index", BO_LOAD_TABLE_SET, {{1, "women.mst"}, {1, "men.mst"}},
         {"LoadTableSet women.mst"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        heard.clear();
        EXPECT_EQ(runOperation(row.code, row.params), BE_NO_ERROR);
        EXPECT_EQ(heard, row.heard);
    }
    EXPECT_EQ(m_doc.GetActiveMaskDoc(), m_doc.GetMaskDocs()->GetAt(1));
}

TEST_F(BatchOperationsTest, FailuresRecordTheirErrorRefusedEventsIncluded)
{
    struct Row {
        const char *name;
        int32_t code;
        std::vector<std::pair<int32_t, std::string>> params;
        const char *refusing;
        int32_t error;
    };
    const Row rows[] = {
        {"mask file missing", BO_INSERT_MASK_FROM_FILE, {{2, "front.msk"}}, nullptr,
         BE_MISSING_PARAMETER},
        {"mask refused", BO_INSERT_MASK_FROM_FILE, {{1, "front.msk"}}, "InsertMaskFromFile",
         BE_OPERATION_FAILED},
        {"new mask refused", BO_INSERT_NEW_MASK, {}, "InsertNewMask", BE_OPERATION_FAILED},
        {"model type missing", BO_LOAD_INPUT_PATTERNS, {{1, "shirt.dxf"}}, nullptr,
         BE_MISSING_PARAMETER},
        {"model type in lower case", BO_LOAD_INPUT_PATTERNS,
         {{1, "shirt.dxf"}, {2, "gmt_aama"}}, nullptr, BE_OPERATION_FAILED},
        {"style refused", BO_LOAD_INPUT_PATTERNS, {{1, "shirt.dxf"}, {2, "GMT_AAMA"}},
         "LoadInputPatterns", BE_OPERATION_FAILED},
        {"table set missing", BO_LOAD_TABLE_SET, {}, nullptr, BE_MISSING_PARAMETER},
        {"context missing", BO_LOAD_CONTEXT, {}, nullptr, BE_MISSING_PARAMETER},
        {"saved context missing", BO_SAVE_CONTEXT, {{0, "a.cct"}}, nullptr,
         BE_MISSING_PARAMETER},
        {"no active mask to place on", BO_AUTO_PLACE_PATTERNS, {}, nullptr, BE_OPERATION_FAILED},
        {"no active mask to associate on", BO_ASSOCIATE_POINTS, {}, nullptr,
         BE_OPERATION_FAILED},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (auto &[name, enabled] : m_enabled)
            *enabled = row.refusing == nullptr || name != row.refusing;
        heard.clear();
        EXPECT_EQ(runOperation(row.code, row.params), row.error);
        EXPECT_TRUE(heard.empty()) << heard.front();
    }
    EXPECT_EQ(m_doc.GetMaskDocs()->GetCount(), 0);
}

TEST_F(BatchOperationsTest, ContextsAndTheDefaultWorkspaceGoThroughTheDocumentsFiles)
{
    EXPECT_EQ(runOperation(BO_LOAD_CONTEXT, {{1, "a.cct"}}), BE_NO_ERROR);
    EXPECT_EQ(runOperation(BO_SAVE_CONTEXT, {{1, "b.cct"}}), BE_NO_ERROR);
    EXPECT_EQ(runOperation(BO_LOAD_DEFAULT_WORKSPACE, {}), BE_NO_ERROR);
    m_options.set("LOAD_LAST_CONTEXT", "1");
    EXPECT_EQ(runOperation(BO_LOAD_DEFAULT_WORKSPACE, {}), BE_NO_ERROR);
    EXPECT_EQ(m_files.asked, (std::vector<std::string>{"load context a.cct", "save context b.cct",
                                                       "load workspace", "load workspace",
                                                       "load context default.mvc"}));

    m_files.contextLoads = false;
    m_files.contextSaves = false;
    EXPECT_EQ(runOperation(BO_LOAD_CONTEXT, {{1, "a.cct"}}), BE_OPERATION_FAILED);
    EXPECT_EQ(runOperation(BO_SAVE_CONTEXT, {{1, "b.cct"}}), BE_OPERATION_FAILED);
    // The workspace loads, the default context does not.
    EXPECT_EQ(runOperation(BO_LOAD_DEFAULT_WORKSPACE, {}), BE_OPERATION_FAILED);
    m_files.workspaceLoads = false;
    m_files.asked.clear();
    EXPECT_EQ(runOperation(BO_LOAD_DEFAULT_WORKSPACE, {}), BE_OPERATION_FAILED);
    EXPECT_EQ(m_files.asked, (std::vector<std::string>{"load workspace"}));

    // Without the document's files, nothing of theirs can be done.
    m_operations.SetFiles(nullptr);
    for (const int32_t code : {BO_LOAD_TABLE_SET, BO_LOAD_CONTEXT, BO_SAVE_CONTEXT}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(runOperation(code, {{1, "x"}}), BE_OPERATION_FAILED);
    }
    EXPECT_EQ(runOperation(BO_LOAD_DEFAULT_WORKSPACE, {}), BE_OPERATION_FAILED);
}

TEST_F(BatchOperationsTest, ExitAsksTheMainWindowToClose)
{
    EXPECT_EQ(runOperation(BO_EXIT, {}), BE_NO_ERROR);
    EXPECT_EQ(m_window.closesPosted, 1);
}

TEST_F(BatchOperationsTest, OnAPlacedStyleThePointsAreAssociatedAndTheGradingRecalculated)
{
    CGradeMask &gradeMask = styleOnActiveMask();

    // Every piece lies placed: there is nothing to place, and no failure.
    EXPECT_EQ(runOperation(BO_AUTO_PLACE_PATTERNS, {}), BE_NO_ERROR);
    EXPECT_TRUE(m_placed.empty());
    // No formula grades a piece: there is nothing to recalculate.
    EXPECT_EQ(runOperation(BO_ASSOCIATE_POINTS, {}), BE_NO_ERROR);
    EXPECT_TRUE(morvane::test::takeCommandsRun(m_log).empty());

    CBasePoint *point = gradeMask.GetPatternAt(0)->GetBasePointAt(0);
    testgrading::addIncrement(gradeMask.GetFormulas(), point, "1", "0");
    EXPECT_EQ(runOperation(BO_ASSOCIATE_POINTS, {}), BE_NO_ERROR);
    EXPECT_EQ(morvane::test::takeCommandsRun(m_log),
              (morvane::test::EventLog{"run RecalculateGrading"}));
}

TEST_F(BatchOperationsTest, TheUnplacedPiecesAreSentToBePlacedInInputPatternOrder)
{
    styleOnActiveMask();
    // The style is loaded again: its pieces are new and none is placed.
    loadStyle();
    IInputPatterns &inputs = *m_doc.GetInputPatterns();
    ASSERT_EQ(inputs.GetPatternCount(), 2);
    inputs.GetPatternAt(0)->SetFlagged();

    EXPECT_EQ(runOperation(BO_AUTO_PLACE_PATTERNS, {}), BE_NO_ERROR);
    ASSERT_EQ(m_placed.size(), 1u);
    EXPECT_EQ(m_placed[0], (std::vector<CPattern *>{inputs.GetPatternAt(1)}));
}
