// Morvane measurement tables.
// The document of the measurement table set that grading uses.
#include "app/tables/MeasureTableDoc.h"

#include "app/documents/IGradingEvents.h"
#include "app/documents/IOptions.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/TableSetEvents.h"
#include "platform/brismond/TableSetFactory.h"

CMeasureTableDoc::CMeasureTableDoc(CRecentFileList *recentFiles)
    : CDocument(recentFiles)
{
    m_oHandler.SetHandlerId(kHandlerId, this);
    CEventHandler *setHandler = nullptr;
    m_pTableSet = CTableSetFactory::Make(kUntitledTitle, setHandler);
    setHandler->SetParent(reinterpret_cast<uintptr_t>(m_pTableSet.get()), &m_oHandler);
    m_oSizeSelection.SetParent(reinterpret_cast<uintptr_t>(&m_oSizeSelection), &m_oHandler);
    setHandler->AddListener(&m_oSink);
}

CMeasureTableDoc::~CMeasureTableDoc()
{
    m_pTableSet.reset();
    m_oHandler.RemoveListener(&m_oSizeSelection);
}

void CMeasureTableDoc::Initialize(IGradingEvents *owner)
{
    m_pOwner = owner;
    m_oSizeSelection.SetDocument(this);
    m_oHandler.AddListener(&m_oSizeSelection);
    m_bRelativeMode = owner->GetOptions().GetBoolOption("RELATIVE_MODE");
    m_oTaskManager.Create(this);
    m_oTaskManager.Run();
}

void CMeasureTableDoc::SetActiveTable(IMeasureTable *table)
{
    if (table == m_pActiveTable)
        return;
    m_oHandler.SendEvent64(kActiveTableChanged, reinterpret_cast<uintptr_t>(table));
    m_pActiveTable = table;
    m_oHandler.SendEvent128(kActiveTableChanged, reinterpret_cast<uintptr_t>(table));
}

void CMeasureTableDoc::SetRelativeMode(bool relative)
{
    if (relative == m_bRelativeMode)
        return;
    m_oHandler.SendBeforeChange(kRelativeMode);
    m_bRelativeMode = relative;
    m_oHandler.SendAfterChange(kRelativeMode);
}

bool CMeasureTableDoc::LoadFromFile(const std::filesystem::path &path)
{
    if (!m_pTableSet->Load(path))
        return false;
    SetFileName(path);
    return true;
}

bool CMeasureTableDoc::SaveToFile(const std::filesystem::path &path)
{
    if (!m_pTableSet->Save(path))
        return false;
    SetFileName(path);
    return true;
}

void CMeasureTableDoc::Reset()
{
    m_pTableSet->Clear();
    SetFileName({});
}

void CMeasureTableDoc::SetFileName(const std::filesystem::path &name)
{
    if (name.native() == GetPathName().native())
        return;
    m_oHandler.SendBeforeChange(kFileName);
    if (name.empty())
        ClearPathName();
    else
        SetPathName(name);
    m_oHandler.SendAfterChange(kFileName);
}

void CMeasureTableDoc::activateFirstTable()
{
    SetActiveTable(m_pTableSet->GetTableAt(0));
}

// Whether data was sent by the table set itself about one of its tables.
static bool isTableOfTheSet(const EventData &data)
{
    return data.m_aIds[0] == brismond::kTableSetId && data.m_nFirst == brismond::kTableId;
}

void CMeasureTableDoc::TableSetSink::OnAttached(EventData *data)
{
    if (isTableOfTheSet(*data))
        m_document.SetActiveTable(
            m_document.m_pTableSet->GetTableAt(static_cast<int>(data->m_nSecond)));
}

void CMeasureTableDoc::TableSetSink::OnDetached(EventData *data)
{
    if (isTableOfTheSet(*data) && m_document.m_pActiveTable != nullptr)
        m_document.activateFirstTable();
}

void CMeasureTableDoc::TableSetSink::OnBeginUpdate(EventData *data)
{
    if (data->m_aIds[0] == brismond::kTableSetId)
        m_document.SetActiveTable(nullptr);
}

void CMeasureTableDoc::TableSetSink::OnEndUpdate(EventData *data)
{
    if (data->m_aIds[0] == brismond::kTableSetId)
        m_document.activateFirstTable();
}
