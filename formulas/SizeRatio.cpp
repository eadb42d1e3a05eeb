// Morvane formula library.
// The ratio per size that relative formulas grade by: two lists of terms and their relation.
#include "formulas/SizeRatio.h"

#include "foundation/TextFormat.h"
#include "model/GradeSize.h"

using namespace morvane;

static double sumOf(const CPtrCollection<IRatioTerm> &terms, const IGradeSize *size)
{
    double sum = 0.0;
    for (const IRatioTerm *term : terms)
        sum += term->GetValue(size);
    return sum;
}

void CSizeRatio::SetText(bool proportional, std::string text)
{
    m_bProportional = proportional;
    m_sText = std::move(text);
}

double CSizeRatio::SumFirst(const IGradeSize *size) const
{
    return sumOf(m_oFirstTerms, size);
}

double CSizeRatio::SumSecond(const IGradeSize *size) const
{
    return sumOf(m_oSecondTerms, size);
}

bool CSizeRatio::Compute(int table, int size)
{
    const double b2 = SumSecond(nullptr);
    const double b1 = SumFirst(nullptr);
    if (b1 == 0.0) {
        m_dResult = 1.0;
        m_sProblem = "the base sum of (" + m_sText + ") is 0: no ratio for its sizes";
        return false;
    }
    const double factor = m_bProportional && b2 != 0.0 ? b1 / b2 : 1.0;
    CSimpleGradeSize gradeSize;
    gradeSize.Create(table, size);
    const double s2 = SumSecond(&gradeSize);
    m_dResult = ((s2 - b2) * factor + b2) / b1;
    m_sProblem.clear();
    return true;
}

std::string CSizeRatio::GetText() const
{
    return "(" + m_sText + ")/" + formatFixed(SumFirst(nullptr), 6);
}

int CSizeRatio::FindFirstTerm(const IRatioTerm *term) const
{
    return m_oFirstTerms.Find(term);
}

void CSizeRatio::AddFirstTerms(const CPtrCollection<IRatioTerm> &terms)
{
    m_oFirstTerms.Append(terms);
}

void CSizeRatio::AddSecondTerms(const CPtrCollection<IRatioTerm> &terms)
{
    m_oSecondTerms.Append(terms);
}
