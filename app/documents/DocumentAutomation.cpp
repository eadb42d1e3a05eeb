// Morvane program documents.
// The main document's automation face: what a client program calls, and the state of its run.
#include "app/documents/DocumentAutomation.h"

#include "app/documents/AutomationError.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/IMainWindow.h"
#include "app/tables/MeasureTableDoc.h"
#include "foundation/TextFormat.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "sources/client-model/ClientGradeModel.h"

#include <vector>

using namespace morvane;

DocumentAutomation::DocumentAutomation(IDocumentServices &document, IGradingEvents &grading,
                                       CClientGradeModel &clientModel)
    : m_rDocument(document)
    , m_rGrading(grading)
    , m_rClientModel(clientModel)
{
}

DocumentAutomation::~DocumentAutomation() = default;

void DocumentAutomation::ReleaseClient()
{
    std::unique_ptr<IMorvaneClient> client = std::move(m_pClient);
    if (client != nullptr)
        client->OnReturn();
}

void DocumentAutomation::OnRunException()
{
    m_oBatch.AddError(nullptr, BE_UNHANDLED_EXCEPTION);
    ReleaseClient();
}

void DocumentAutomation::Run(std::unique_ptr<IMorvaneClient> client)
{
    ReleaseClient();
    m_bRunByClient = true;
    // Kept first, so that a failure of the run still reaches the client.
    m_pClient = std::move(client);
    m_rClientModel.PrepareData();
    IBrismond *tables = m_rDocument.GetTableSet();
    m_rClientModel.OnAttach(tables != nullptr ? &tables->GetGradeData() : nullptr);
    m_rDocument.SetGradeModel(&m_rClientModel, GMK_CLIENT_MODEL);
    m_rGrading.OnBeginGrading();
    if (m_pMainWindow == nullptr)
        return;
    m_pMainWindow->ShowForClient();
    m_pMainWindow->InitSession(0, {});
}

static IBrismond &tableSetOf(IDocumentServices &document)
{
    IBrismond *tables = document.GetTableSet();
    if (tables == nullptr)
        throw AutomationError("the document has no measurement table set");
    return *tables;
}

int32_t DocumentAutomation::AddMeasureTable(int32_t sizes, int32_t measurements)
{
    if (sizes < 0 || sizes > kMaxTableSizes)
        throw AutomationError(
            format("AddMeasureTable: %d sizes: a table has 0 to %d", sizes, kMaxTableSizes));
    if (measurements < 0 || measurements > kMaxTableMeasurements)
        throw AutomationError(format("AddMeasureTable: %d measurements: a table has 0 to %d",
                                     measurements, kMaxTableMeasurements));
    IBrismond &tables = tableSetOf(m_rDocument);
    const int index =
        tables.InsertTable(0, IMeasureTable::kPlainSizeNames, tables.ProposeTableName(), -1);
    IMeasureTable &table = *tables.GetTableAt(index);
    std::vector<std::string> names;
    for (int32_t i = 1; i <= sizes; ++i)
        names.push_back(formatInteger(i));
    if (!names.empty())
        table.InsertSizesAt(names, 0, -1, 0);
    for (int32_t i = 1; i <= measurements; ++i)
        table.InsertMeasurement("M" + formatInteger(i), 0, 0, 0, -1);
    return index;
}

int32_t DocumentAutomation::GetMeasureTableCount()
{
    return tableSetOf(m_rDocument).GetTableCount();
}

CTrgMeasureTable &DocumentAutomation::GetIMeasureTableAt(int32_t index)
{
    IBrismond &tables = tableSetOf(m_rDocument);
    checkAutomationIndex("GetIMeasureTableAt", "measurement table", index, tables.GetTableCount());
    m_oMeasureTableWrapper.SetMeasureTable(&tables, tables.GetTableAt(index));
    return m_oMeasureTableWrapper;
}

int32_t DocumentAutomation::AddPattern(const std::string &name)
{
    return m_rClientModel.AddPattern(name);
}

int32_t DocumentAutomation::GetPatternCount()
{
    int count = 0;
    m_rClientModel.GetPatternCount(count);
    return count;
}

CTrgPattern &DocumentAutomation::GetPatternAt(int32_t index)
{
    checkAutomationIndex("GetPatternAt", "pattern", index, GetPatternCount());
    m_oPatternWrapper.SetPattern(ClientPatternRef(
        &m_rClientModel, m_rClientModel.GetGeomPatternAt(index), m_rDocument.GetInputPatterns()));
    return m_oPatternWrapper;
}

void DocumentAutomation::ClearPatterns()
{
    if (m_rDocument.GetLoadedGradeModel() == &m_rClientModel)
        m_rDocument.SetGradeModel(nullptr, GMK_NONE);
    m_rClientModel.ClearPatterns();
}

void DocumentAutomation::ClearMeasureTables()
{
    CMeasureTableDoc *tablesDoc = m_rDocument.GetMeasureTableDoc();
    if (tablesDoc != nullptr)
        tablesDoc->SetActiveTable(nullptr);
    IBrismond &tables = tableSetOf(m_rDocument);
    for (int i = tables.GetTableCount() - 1; i >= 0; --i)
        tables.RemoveTableAt(i);
}

void DocumentAutomation::Exit()
{
    if (m_pMainWindow != nullptr)
        m_pMainWindow->PostClose();
}

void DocumentAutomation::SetModelName(const std::string &name)
{
    m_rClientModel.SetName(name);
}
