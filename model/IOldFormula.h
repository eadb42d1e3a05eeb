// Morvane model library.
// A formula of the old storage format, as the grade mask converts it.
#pragma once

#include <memory>

class IBaseFormula;
class IRegion;

/// The old numbers of the formula kinds the grade mask converts.
enum OLD_FORMULA_TYPE {
    OLD_FORMULA_GRADE = 1,
    OLD_FORMULA_PROPORTIONAL = 3,
    OLD_FORMULA_PATH = 5,
    OLD_FORMULA_POINT_PATH = 6,
    OLD_FORMULA_DART = 9,
    OLD_FORMULA_LAPEL = 10,
};

/// A formula as masks before version 2100 stored it ("GradeFormulas"): a type number, base
/// points and text parameters. It lives only while such a mask is brought up to date.
class IOldFormula
{
public:
    virtual ~IOldFormula() = default;
    /// The stored type number (an OLD_FORMULA_TYPE, or another number for a kind that is not
    /// converted).
    virtual int GetOldFormulaType() const = 0;
    /// A formula of the current kinds that does what this one did, for the grade region that
    /// used this one (null when none); null when there is nothing to convert into. The new
    /// formula has no owner yet.
    virtual std::unique_ptr<IBaseFormula> ConvertToNewFormula(IRegion *region) = 0;
};

/// The old proportional-distance grading (type OLD_FORMULA_PROPORTIONAL), beside IOldFormula:
/// it refers to old path definitions, which the grade mask asks it about while converting.
class IOldPropDistGrading
{
public:
    virtual ~IOldPropDistGrading() = default;
    /// Appends the segment counting of each measure path definition, taken from its
    /// "SegmentCount" (masks before version 1100 keep it there).
    virtual void ConvertPathProperties() = 0;
    /// Whether formula is one of its grade path definitions, which give its end points: it
    /// converts them itself, so they are not converted on their own.
    virtual bool HoldsGradePath(const IOldFormula *formula) const = 0;
    /// Whether formula is one of its grade or measure path definitions: the region that it
    /// grades is theirs too.
    virtual bool HoldsPath(const IOldFormula *formula) const = 0;
};
