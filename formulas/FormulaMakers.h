// Morvane formula library.
// The makers through which the formula factory creates the formula kinds, by what they attach to.
#pragma once

#include "model/FormulaFactory.h"
#include "model/GradeRegion.h"

#include <memory>

/// A new T attached to nothing (a global formula kind), keeping context.
template <class T>
std::unique_ptr<IBaseFormula> makeGlobalFormula(void *context, const FormulaTarget &)
{
    auto formula = std::make_unique<T>();
    formula->SetContextValue(context);
    return formula;
}

/// A new T grading target.point (a point formula kind), keeping context.
template <class T>
std::unique_ptr<IBaseFormula> makePointFormula(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<T>();
    formula->SetContextValue(context);
    formula->SetBasePoint(target.point);
    return formula;
}

/// A new T on the pattern target.pattern (a pattern formula kind), keeping context.
template <class T>
std::unique_ptr<IBaseFormula> makePatternFormula(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<T>();
    formula->SetContextValue(context);
    formula->SetPattern(target.pattern);
    return formula;
}

/// A new T over the grade region target.region (a region formula kind), keeping context.
template <class T>
std::unique_ptr<IBaseFormula> makeRegionFormula(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<T>();
    formula->SetContextValue(context);
    formula->SetRegion(dynamic_cast<CGradeRegion *>(target.region));
    return formula;
}

/// A relative formula T made by maker that measures its own paths, so that the kind made under
/// the own-paths type answers that type.
template <class T, std::unique_ptr<IBaseFormula> (*maker)(void *, const FormulaTarget &)>
std::unique_ptr<IBaseFormula> makeOwnPathsFormula(void *context, const FormulaTarget &target)
{
    std::unique_ptr<IBaseFormula> formula = maker(context, target);
    static_cast<T &>(*formula).SetRelative(false);
    return formula;
}
