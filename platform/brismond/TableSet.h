// Morvane Brismond table-set library.
// A measurement table set: its tables, its measurement image, its file and its undo stack.
#pragma once

#include "foundation/EventHandler.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/MeasureTable.h"
#include "platform/brismond/OwnedChildren.h"
#include "platform/brismond/TableSetUndoStack.h"
#include "sources/grade-model/IGradeData.h"

/// The table set of the library (see IBrismond). As IGradeData it gives grade models its
/// tables in order, the sizes of each by name and each table's base size.
class CTableSet : public IBrismond, private IGradeData
{
public:
    explicit CTableSet(std::string name);
    ~CTableSet() override;
    CTableSet(const CTableSet &) = delete;
    CTableSet &operator=(const CTableSet &) = delete;

    const std::string &GetName() const { return m_sName; }

    int GetTableCount() const override;
    CMeasureTable *GetTableAt(int index) const override;
    int FindTable(const std::string &name) const override;
    int IndexOfTable(const IMeasureTable *table) const override;
    std::string ProposeTableName() const override;
    int InsertTable(int kind, int sizeNaming, const std::string &name, int position) override;
    void RemoveTableAt(int index) override;
    void Clear() override;

    bool Load(const std::filesystem::path &path) override;
    bool Save(const std::filesystem::path &path) override;
    const std::string &GetLastError() const override { return m_sLastError; }

    const std::string &GetImageFileName() const override { return m_sImageFileName; }
    void SetImageFileName(const std::string &name) override;
    const std::string &GetImageDirectory() const override { return m_sImageDirectory; }
    void SetImageDirectory(const std::string &directory) override;

    CTableSetUndoStack &GetUndoStack() override { return m_oUndoStack; }
    IGradeData &GetGradeData() override { return *this; }
    CEventHandler &GetEventHandler() override { return m_oHandler; }

private:
    int GetSizeCount(int table) const override;
    int GetSampleSize(int table) const override;
    std::string GetSizeName(int table, int size) const override;

    void setText(std::string &text, int32_t property, const std::string &value);
    // Replaces every table and the image by contents between begin- and end-update.
    void replaceContents(const brismond::MstContents &contents);

    std::string m_sName;
    std::string m_sImageFileName;
    std::string m_sImageDirectory;
    std::string m_sLastError;
    CEventHandler m_oHandler;
    CTableSetUndoStack m_oUndoStack;
    brismond::OwnedChildren<CMeasureTable> m_oTables;
};
