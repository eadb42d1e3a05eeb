// Morvane model library.
// The problems found while checking formulas: one record per code and formula, with its texts.
#include "model/FormulaMessageList.h"

using namespace morvane;

CFormulaMessage::CFormulaMessage(int code, IBaseFormula *formula)
    : m_nCode(code)
    , m_pFormula(formula)
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
}

std::string CFormulaMessage::GetText() const
{
    std::string joined;
    for (const std::string &text : m_aTexts) {
        if (!joined.empty())
            joined += ',';
        joined += text;
    }
    return joined;
}

int CFormulaMessage::AddText(const std::string &text)
{
    m_aTexts.push_back(text);
    return GetTextCount() - 1;
}

CFormulaMessageList::CFormulaMessageList()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AttachSink(m_oMessages);
}

int CFormulaMessageList::AddFormulaMessage(int code, IBaseFormula *formula,
                                           const std::string &text)
{
    m_bMessageAdded = true;
    const int existing = Find(code, formula);
    if (existing >= 0 && !text.empty()) {
        CFormulaMessage *message = GetAt(existing);
        message->AddText(text);
        message->SendAfterChange(-1);
        return existing;
    }
    auto message = std::make_unique<CFormulaMessage>(code, formula);
    if (!text.empty())
        message->AddText(text);
    m_oFormulasWithRecords.insert(formula);
    return m_oMessages.AddOwned(std::move(message));
}

void CFormulaMessageList::RemoveMessagesOf(const IBaseFormula *formula)
{
    bool removing = false;
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (GetAt(i)->GetFormula() != formula)
            continue;
        if (!removing)
            SendBeginUpdate();
        removing = true;
        m_oMessages.DeleteAt(i);
    }
    m_oFormulasWithRecords.erase(formula);
    if (removing)
        SendEndUpdate();
}

int CFormulaMessageList::Find(int code, const IBaseFormula *formula) const
{
    if (!m_oFormulasWithRecords.contains(formula))
        return -1;
    for (int i = 0; i < GetCount(); ++i) {
        const CFormulaMessage *message = GetAt(i);
        if (message->GetCode() == code && message->GetFormula() == formula)
            return i;
    }
    return -1;
}

void CFormulaMessageList::Clear()
{
    if (GetCount() == 0)
        return;
    m_oFormulasWithRecords.clear();
    SendBeginUpdate();
    while (GetCount() > 0)
        m_oMessages.DeleteAt(GetCount() - 1);
    SendEndUpdate();
}
