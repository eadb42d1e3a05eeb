// Morvane model library.
// The problems found while checking formulas: one record per code and formula, with its texts.
#pragma once

#include "foundation/EventHandler.h"
#include "model/ParentedCollection.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class IBaseFormula;
class IFormulaTextChecker;

/// One problem of one formula: a code (FORMULA_MESSAGE_CODE) and the texts recorded with it
/// (point numbers, labels, faulty parameter texts). An event handler of source kind 12, a child
/// of its list's handler.
class CFormulaMessage : public CEventHandler
{
public:
    static constexpr uint32_t kSourceKind = 12;

    CFormulaMessage(int code, IBaseFormula *formula);

    int GetCode() const { return m_nCode; }
    IBaseFormula *GetFormula() const { return m_pFormula; }
    /// Every text, joined with ",".
    std::string GetText() const;
    int GetTextCount() const { return static_cast<int>(m_aTexts.size()); }
    const std::string &GetTextAt(int i) const { return m_aTexts[static_cast<size_t>(i)]; }
    /// Appends a text; returns its index.
    int AddText(const std::string &text);

private:
    int m_nCode;
    IBaseFormula *m_pFormula;
    std::vector<std::string> m_aTexts;
};

/// The formula messages of a mask's formula manager, in the order recorded. An event handler of
/// source kind 11 (a child of the mask's handler once the manager knows its mask); its records
/// are its children.
class CFormulaMessageList : public CEventHandler
{
public:
    static constexpr uint32_t kSourceKind = 11;

    CFormulaMessageList();

    int GetCount() const { return m_oMessages.GetCount(); }
    CFormulaMessage *GetAt(int i) const { return m_oMessages.GetAt(i); }

    /// Records a problem: a text that is not empty joins the record of the same code and
    /// formula when there is one (after-change event from the record, property -1); otherwise
    /// a new record (with the text when not empty) is appended. Returns the record's index.
    int AddFormulaMessage(int code, IBaseFormula *formula, const std::string &text);
    /// Deletes every record of formula, last to first, between begin-update and end-update.
    void RemoveMessagesOf(const IBaseFormula *formula);
    /// The index of the first record of that code and formula; -1 when none.
    int Find(int code, const IBaseFormula *formula) const;
    /// Deletes every record; between begin-update and end-update when there were any.
    void Clear();

    /// Whether a message was recorded since the flag was last cleared.
    bool WasMessageAdded() const { return m_bMessageAdded; }
    void ClearMessageAdded() { m_bMessageAdded = false; }
    /// The checker of a running CheckFormulas; null otherwise.
    IFormulaTextChecker *GetContext() const { return m_pContext; }
    void SetContext(IFormulaTextChecker *context) { m_pContext = context; }

private:
    CParentedCollection<CFormulaMessage> m_oMessages;
    /// The formulas that have records: Find looks through the records only for one of them.
    std::unordered_set<const IBaseFormula *> m_oFormulasWithRecords;
    IFormulaTextChecker *m_pContext = nullptr;
    bool m_bMessageAdded = false;
};
