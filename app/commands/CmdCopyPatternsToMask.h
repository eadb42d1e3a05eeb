// Morvane editing commands.
// Making mask patterns from input patterns, and deleting mask patterns, through the mask's
// history; the check that no remaining formula needs what is deleted.
#pragma once

#include "app/commands/MaskHistoryCommand.h"
#include "foundation/PtrCollection.h"

#include <memory>

class CPattern;
class IBaseFormula;
class IFormulaManager;

/// "CopyPatternsToMask": appends to the active mask a mask pattern made from each input pattern
/// of the list given (a CPtrCollection<CPattern>, not owned), or of every placed input pattern
/// for null data, as one step of the mask's history. Patterns that are no input patterns are
/// skipped; false when nothing was made. Only while mask patterns are edited.
class CCmdCopyPatternsToMask : public CMaskHistoryCommand
{
public:
    CCmdCopyPatternsToMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Mask patterns are edited and the list (or the placed input patterns) holds an input
    /// pattern.
    bool IsEnabled(void *data) override;

protected:
    bool CopyList(const CPtrCollection<CPattern> &patterns);
    bool CanCopyList(const CPtrCollection<CPattern> &patterns) const;
};

/// "CopyPatternToMask": the input pattern given, or the active pattern for null data.
class CCmdCopyPatternToMask : public CCmdCopyPatternsToMask
{
public:
    CCmdCopyPatternToMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Mask patterns are edited, and the pattern given, or the active pattern (not a mask
    /// pattern), is an input pattern.
    bool IsEnabled(void *data) override;
};

/// What blocks a deletion (CanDeleteItems): the formula that stays and refers to something
/// deleted, and what it refers to: a formula being deleted, or a pattern being deleted.
struct DeletionBlock
{
    IBaseFormula *blocking = nullptr;
    IBaseFormula *referredFormula = nullptr;
    CPattern *referredPattern = nullptr;
};

/// "DeletePatternsFromMask": takes the mask patterns of the list given, or every pattern of the
/// active mask for null data, off the mask as one step of its history. Patterns the mask does
/// not hold are skipped; false when none was taken off. Only while mask patterns are edited.
class CCmdDeletePatternsFromMask : public CMaskHistoryCommand
{
public:
    CCmdDeletePatternsFromMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Mask patterns are edited and the list (or the mask) holds a pattern of the mask.
    bool IsEnabled(void *data) override;

    /// Whether the formulas and patterns may go: no formula of the manager that is not itself
    /// deleted refers to a deleted formula (IsDependentOn) or to a deleted pattern or one of its
    /// points (among its referenced objects, its index points or the points it reads). Formulas are asked in manager order, each first about the formulas, then about
    /// the patterns; the first that refers to something fills block and the answer is false.
    static bool CanDeleteItems(IFormulaManager &formulas,
                               const CPtrCollection<IBaseFormula> &deletedFormulas,
                               const CPtrCollection<CPattern> &deletedPatterns,
                               DeletionBlock &block);

protected:
    bool DeleteList(const CPtrCollection<CPattern> &patterns);
    bool CanDeleteList(const CPtrCollection<CPattern> &patterns) const;
};

/// "DeletePatternFromMask": the mask pattern given, or the active mask pattern for null data.
class CCmdDeletePatternFromMask : public CCmdDeletePatternsFromMask
{
public:
    CCmdDeletePatternFromMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
