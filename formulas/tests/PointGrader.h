// Morvane formula library tests.
// A formula that grades the points it is given: the other formula of the "graded elsewhere"
// checks.
#pragma once

#include "formulas/BaseFormula.h"

#include <initializer_list>
#include <string>

namespace testformulas {

/// A formula that grades the points it is given, in x and in y.
class Grader : public CBaseFormula
{
public:
    Grader(std::initializer_list<CBasePoint *> points)
    {
        for (CBasePoint *point : points)
            m_oPoints.Add(point);
    }

    const CRuntimeClass *GetRuntimeClass() const override { return CBaseFormula::GetThisClass(); }
    int GetFormulaType() const override { return 5; }
    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    std::string GetFormulaText() override { return {}; }

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override { list.Append(m_oPoints); }
    void DoGetDisplayText(std::string &out, bool) override { out.clear(); }

private:
    CPtrCollection<CBasePoint> m_oPoints;
};

} // namespace testformulas
