// Morvane Brismond table-set library.
// One size of a measurement table: its name and, for numbered tables, its number.
#include "platform/brismond/GradeSize.h"

#include "platform/brismond/MeasureTable.h"
#include "platform/brismond/TableSetEvents.h"
#include "platform/brismond/TableSetUndoStack.h"

using namespace brismond;

// Ids start at 1: 0 stands for "no size".
static uint64_t nextSizeId()
{
    static uint64_t last = 0;
    return ++last;
}

CGradeSize::CGradeSize(CMeasureTable *table, std::string name, int number)
    : m_pTable(table)
    , m_nId(nextSizeId())
    , m_sName(std::move(name))
    , m_nNumber(number)
{
    m_oHandler.SetHandlerId(kSizeId, this);
}

CGradeSize::~CGradeSize() = default;

bool CGradeSize::IsBaseSize() const
{
    return m_pTable->GetBaseSizeIndex() >= 0 &&
           m_pTable->GetSizeAt(m_pTable->GetBaseSizeIndex()) == this;
}

void CGradeSize::SetNumberName(int number)
{
    if (number == m_nNumber)
        return;
    change([this, old = m_nNumber] { m_nNumber = old; }, [this, number] { m_nNumber = number; });
}

void CGradeSize::SetName(const std::string &name)
{
    if (name == m_sName)
        return;
    change([this, old = m_sName] { m_sName = old; }, [this, name] { m_sName = name; });
}

void CGradeSize::change(std::function<void()> undo, std::function<void()> redo)
{
    m_pTable->GetUndoStack().DoChange(m_oHandler, kSizeAll, std::move(undo), std::move(redo),
                                      [this] { m_pTable->MarkModified(); });
}
