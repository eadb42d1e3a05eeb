// Morvane interactive tasks.
// The main document as the tasks and function commands of a grade mask reach it.
#pragma once

class CCursorTable;
class IDocumentServices;
class ITask;

namespace morvane {

/// The data object of the task's manager: the main document's services; null without a task
/// or before the manager was created with them.
IDocumentServices *documentServices(ITask *task);
/// The main document's cursor table; null without one.
CCursorTable *documentCursorTable(ITask *task);

} // namespace morvane
