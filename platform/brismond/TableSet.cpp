// Morvane Brismond table-set library.
// A measurement table set: its tables, its measurement image, its file and its undo stack.
#include "platform/brismond/TableSet.h"

#include "platform/brismond/MstContents.h"
#include "platform/brismond/TableSetEvents.h"

using namespace brismond;

CTableSet::CTableSet(std::string name)
    : m_sName(std::move(name))
    , m_oTables(m_oHandler, kTableId, OwnedChildren<CMeasureTable>::Argument::Index)
{
    m_oHandler.SetHandlerId(kTableSetId, static_cast<IBrismond *>(this));
}

CTableSet::~CTableSet() = default;

int CTableSet::GetTableCount() const
{
    return m_oTables.count();
}

CMeasureTable *CTableSet::GetTableAt(int index) const
{
    return m_oTables.at(index);
}

int CTableSet::FindTable(const std::string &name) const
{
    return m_oTables.findName(name);
}

int CTableSet::IndexOfTable(const IMeasureTable *table) const
{
    return table != nullptr ? m_oTables.indexOf(table) : -1;
}

std::string CTableSet::ProposeTableName() const
{
    for (int n = GetTableCount() + 1;; ++n) {
        std::string name = "Table " + std::to_string(n);
        if (FindTable(name) < 0)
            return name;
    }
}

int CTableSet::InsertTable(int kind, int sizeNaming, const std::string &name, int position)
{
    auto table = std::make_unique<CMeasureTable>(this, name, kind, sizeNaming);
    table->MarkModified();
    return m_oTables.insert(m_oUndoStack, position, std::move(table));
}

void CTableSet::RemoveTableAt(int index)
{
    if (m_oTables.isIndex(index))
        m_oTables.remove(m_oUndoStack, index);
}

void CTableSet::Clear()
{
    replaceContents({});
}

bool CTableSet::Load(const std::filesystem::path &path)
{
    try {
        const MstContents contents = readMstFile(path);
        replaceContents(contents);
    } catch (const MstFileError &error) {
        m_sLastError = error.what();
        return false;
    }
    m_sLastError.clear();
    return true;
}

bool CTableSet::Save(const std::filesystem::path &path)
{
    MstContents contents;
    contents.imageFileName = m_sImageFileName;
    contents.imageDirectory = m_sImageDirectory;
    for (int i = 0; i < GetTableCount(); ++i)
        contents.tables.push_back(GetTableAt(i)->GetContents());
    try {
        writeMstFile(path, contents);
    } catch (const MstFileError &error) {
        m_sLastError = error.what();
        return false;
    }
    m_sLastError.clear();
    for (int i = 0; i < GetTableCount(); ++i)
        GetTableAt(i)->MarkSaved();
    return true;
}

void CTableSet::SetImageFileName(const std::string &name)
{
    setText(m_sImageFileName, kSetImageFile, name);
}

void CTableSet::SetImageDirectory(const std::string &directory)
{
    setText(m_sImageDirectory, kSetImageDirectory, directory);
}

void CTableSet::setText(std::string &text, int32_t property, const std::string &value)
{
    if (text == value)
        return;
    m_oUndoStack.DoChange(
        m_oHandler, property, [&text, old = text] { text = old; },
        [&text, value] { text = value; });
}

void CTableSet::replaceContents(const MstContents &contents)
{
    m_oHandler.SendBeginUpdate();
    m_oTables.clear();
    m_oUndoStack.Reset();
    m_sImageFileName = contents.imageFileName;
    m_sImageDirectory = contents.imageDirectory;
    for (const MstTable &table : contents.tables)
        m_oTables.append(CMeasureTable::FromContents(this, table));
    m_oHandler.SendEndUpdate();
}

int CTableSet::GetSizeCount(int table) const
{
    const CMeasureTable *found = GetTableAt(table);
    return found != nullptr ? found->GetSizeCount() : 0;
}

int CTableSet::GetSampleSize(int table) const
{
    const CMeasureTable *found = GetTableAt(table);
    return found != nullptr ? found->GetBaseSizeIndex() : -1;
}

std::string CTableSet::GetSizeName(int table, int size) const
{
    const CMeasureTable *found = GetTableAt(table);
    const CGradeSize *gradeSize = found != nullptr ? found->GetSizeAt(size) : nullptr;
    return gradeSize != nullptr ? gradeSize->GetName() : std::string();
}
