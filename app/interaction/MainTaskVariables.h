// Morvane program interaction.
// The variables of a grade-mask document's main task, where its modes and focus kinds live.
#pragma once

class ICommandAttributes;
class IMaskDocumentAccess;

namespace morvane {

/// The variable store of the main task of the document's task manager; null without a
/// document, task manager or main task.
ICommandAttributes *GetMainTaskVariables(IMaskDocumentAccess *document);

/// The integer value of a main-task variable; 0 when it cannot be read.
int ReadMainTaskInteger(IMaskDocumentAccess *document, const char *name);

/// Writes an integer into a main-task variable; nothing when there is no store.
void WriteMainTaskInteger(IMaskDocumentAccess *document, const char *name, int value);

} // namespace morvane
