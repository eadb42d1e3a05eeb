// Morvane measurement tables.
// "NewTableSet": the document starts an empty, untitled set.
#pragma once

class ITask;

namespace morvane {

/// The work of the function command "NewTableSet": once the changes of the set are saved or
/// dropped ("SaveModifiedTableSet"), the set is emptied and forgets its file. Answers whether
/// it was (false when the user cancels).
bool NewTableSet(ITask *task, void *data);

} // namespace morvane
