// Morvane measurement tables.
// The sizes that the measurement-table document shows: those of the active table, or a custom
// list of size combinations that the user chose.
#include "app/tables/GradeSizeSelection.h"

#include "app/documents/IGradingEvents.h"
#include "app/tables/MeasureTableDoc.h"
#include "model/InputPatterns.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetEvents.h"
#include "platform/brismond/TableSetFactory.h"

using namespace brismond;

// The handler of the input patterns, which the main document makes the selection listen to too.
static constexpr uint32_t kInputPatternsId = morvane::kModelHandlerId | CInputPatterns::kSourceKind;

CGradeSizeSelection::CGradeSizeSelection()
{
    SetHandlerId(kHandlerId, this);
}

CGradeSizeSelection::~CGradeSizeSelection() = default;

void CGradeSizeSelection::SetDocument(CMeasureTableDoc *document)
{
    m_pDocument = document;
}

const CGradeSizeSelection::SizeList &CGradeSizeSelection::GetShownSizes() const
{
    return m_bCustom ? m_oCustomSizes : m_oTableSizes;
}

void CGradeSizeSelection::SetCustomSelection(bool custom)
{
    if (custom == m_bCustom)
        return;
    SendBeforeChange(kSizeLists);
    m_bCustom = custom;
    SendAfterChange(kSizeLists);
}

void CGradeSizeSelection::GetCustomSizes(std::vector<const IComplexGradeSize *> &sizes) const
{
    sizes.clear();
    for (const auto &size : m_oCustomSizes)
        sizes.push_back(size.get());
}

void CGradeSizeSelection::SetCustomSizes(const std::vector<const IComplexGradeSize *> &sizes)
{
    const bool send = m_bCustom;
    if (send)
        SendBeforeChange(kSizeLists);
    m_oCustomSizes.clear();
    for (const IComplexGradeSize *size : sizes) {
        m_oCustomSizes.push_back(CTableSetFactory::MakeComplexGradeSize(0));
        m_oCustomSizes.back()->CopyFrom(*size);
    }
    if (send)
        SendAfterChange(kSizeLists);
}

void CGradeSizeSelection::RebuildFromActiveTable()
{
    m_oTableSizes.clear();
    const IMeasureTable *table = m_pDocument != nullptr ? m_pDocument->GetActiveTable() : nullptr;
    if (table == nullptr)
        return;
    const IBrismond *set = m_pDocument->GetTableSet();
    const int place = set->IndexOfTable(table);
    for (int i = 0; i < table->GetSizeCount(); ++i) {
        m_oTableSizes.push_back(CTableSetFactory::MakeComplexGradeSize(set->GetTableCount()));
        m_oTableSizes.back()->SetPlaceAt(place, i);
    }
}

void CGradeSizeSelection::ClearCustomSizes()
{
    if (m_oCustomSizes.empty())
        return;
    SendBeforeChange(kSizeLists);
    m_oCustomSizes.clear();
    SendAfterChange(kSizeLists);
}

void CGradeSizeSelection::DropCustomSizes()
{
    ClearCustomSizes();
    if (m_pDocument != nullptr && m_pDocument->GetOwner() != nullptr)
        m_pDocument->GetOwner()->OnBeginGrading();
}

void CGradeSizeSelection::OnAttached(EventData *data)
{
    onTablesOrSizesChanged(*data, true);
}

void CGradeSizeSelection::OnDetached(EventData *data)
{
    onTablesOrSizesChanged(*data, false);
}

void CGradeSizeSelection::onTablesOrSizesChanged(const EventData &data, bool attached)
{
    const bool table = data.m_aIds[0] == kTableSetId && data.m_nFirst == kTableId;
    const bool size = data.m_aIds[0] == kTableId && data.m_nFirst == kSizeId;
    if (!table && !size)
        return;
    SendBeforeChange(kSizeLists);
    DropCustomSizes();
    if (size && attached)
        m_bCustom = false;
    if (size && isFromActiveTable(data))
        RebuildFromActiveTable();
    SendAfterChange(kSizeLists);
}

void CGradeSizeSelection::OnEvent128(EventData *data)
{
    if (data->m_aIds[0] != CMeasureTableDoc::kHandlerId ||
        data->m_nFirst != CMeasureTableDoc::kActiveTableChanged)
        return;
    RebuildFromActiveTable();
    if (data->m_nSecond != 0)
        m_bCustom = false;
    SendAfterChange(kSizeLists);
}

void CGradeSizeSelection::OnEvent64(EventData *data)
{
    if (data->m_aIds[0] == CMeasureTableDoc::kHandlerId &&
        data->m_nFirst == CMeasureTableDoc::kActiveTableChanged)
        SendBeforeChange(kSizeLists);
}

void CGradeSizeSelection::OnBeforeChange(EventData *data)
{
    relayChange(*data, true);
}

void CGradeSizeSelection::OnAfterChange(EventData *data)
{
    relayChange(*data, false);
}

void CGradeSizeSelection::relayChange(const EventData &data, bool before)
{
    int32_t property = -1;
    if (data.m_aIds[0] == kTableId && data.m_nFirst == static_cast<uint32_t>(kTableSizes))
        property = kTableChanged;
    else if (data.m_aIds[0] == kSizeId)
        property = kSizeChanged;
    if (property < 0)
        return;
    if (before)
        SendBeforeChange(property);
    else
        SendAfterChange(property);
}

void CGradeSizeSelection::OnBeginUpdate(EventData *data)
{
    const uint32_t sender = data->m_aIds[0];
    if (sender == kTableId || sender == kTableSetId || sender == kInputPatternsId)
        SendBeforeChange(kSizeLists);
}

void CGradeSizeSelection::OnEndUpdate(EventData *data)
{
    const uint32_t sender = data->m_aIds[0];
    if (sender != kTableId && sender != kTableSetId && sender != kInputPatternsId)
        return;
    DropCustomSizes();
    if (sender == kTableId && isFromActiveTable(*data))
        RebuildFromActiveTable();
    SendAfterChange(kSizeLists);
}

bool CGradeSizeSelection::isFromActiveTable(const EventData &data) const
{
    return m_pDocument != nullptr && m_pDocument->GetActiveTable() != nullptr &&
           data.m_aOwners[0] == static_cast<void *>(m_pDocument->GetActiveTable());
}
