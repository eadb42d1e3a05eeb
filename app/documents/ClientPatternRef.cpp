// Morvane program documents.
// A pattern of the client grade model as the automation objects aim at it, checked on every use.
#include "app/documents/ClientPatternRef.h"

#include "app/documents/AutomationError.h"
#include "model/IInputPatterns.h"
#include "sources/client-model/ClientGradeModel.h"

#include <string>

namespace morvane {

static bool holdsPattern(CClientGradeModel &model, const CGeomPattern *pattern)
{
    int count = 0;
    model.GetPatternCount(count);
    for (int i = 0; i < count; ++i) {
        if (model.GetGeomPatternAt(i) == pattern)
            return true;
    }
    return false;
}

CGeomPattern &ClientPatternRef::pattern(const char *call) const
{
    if (m_model == nullptr || m_pattern == nullptr)
        throw AutomationError(std::string(call) + ": no pattern was asked for (GetPatternAt)");
    if (!holdsPattern(*m_model, m_pattern))
        throw AutomationError(std::string(call) + ": the pattern was cleared from the model");
    return *m_pattern;
}

IInputPattern *ClientPatternRef::inputPattern() const
{
    return m_inputs != nullptr ? m_inputs->FindInputPattern(m_pattern) : nullptr;
}

void ClientPatternRef::checkRuleSize(const char *call, int table, int size) const
{
    CGradeRuleData *rules = m_model != nullptr ? m_model->GetGradeRuleData() : nullptr;
    checkAutomationIndex(call, "grade-rule table", table,
                         rules != nullptr ? rules->GetGradeRuleTableCount() : 0);
    checkAutomationIndex(call, "size", size, rules->GetGradeRuleTableAt(table)->GetSizeCount());
}

} // namespace morvane
