// Morvane measurement tables.
// "SaveModifiedTableSet": changes not saved yet are saved, dropped or kept, as the user says.
#pragma once

#include "app/tables/TableSetCommand.h"

/// Without changes since the set was saved (the task's history says) answers true at once.
/// Otherwise asks 61475 with the set's file (its title while it has none): Yes saves the set
/// ("SaveTableSet", to its file, or to one the user chooses while it has none) and answers
/// whether it was saved; No answers true; Cancel answers false. Not recorded in the history.
class CCmdSaveModifiedTableSet : public CTableSetCommand
{
public:
    CCmdSaveModifiedTableSet();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
