// Morvane command, task and undo engine.
// The variable store of a task: named values held as text and read or written as numbers.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

/// Visibility of a task variable to the sub-tasks of the task that declares it.
enum VariableVisibility : int {
    kVisibleReadOnly = 0, ///< sub-tasks read it but cannot write it
    kVisibleWritable = 1, ///< sub-tasks read and write it
    kPrivate = 2,         ///< sub-tasks do not see it
};

} // namespace morvane

/// The variables of one task. Lookups see the task's own variables first, then those of its
/// parent, grandparent and so on, skipping an ancestor's private variables. Names are compared
/// exactly (case-sensitive). Numbers are written and read in the "C" locale.
class ICommandAttributes
{
public:
    virtual ~ICommandAttributes() = default;

    /// Appends a variable (a second one of the same name is appended too and never found,
    /// since lookups take the first); visibility is a morvane::VariableVisibility. Returns its
    /// position in this store.
    virtual int AddVariable(std::string_view name, std::string_view initialValue,
                            int visibility) = 0;
    /// Writes the value as decimal text; answers what SetText answers.
    virtual bool SetInteger(std::string_view name, int value) = 0;
    /// Writes the value with "%f"; answers what SetText answers.
    virtual bool SetDouble(std::string_view name, double value) = 0;
    /// Same as SetInteger.
    virtual bool SetNumber(std::string_view name, int value) = 0;
    /// Replaces the text of the variable found by name when this task may write it (it declared
    /// it, or an ancestor declared it writable). Answers false, changing nothing, when the
    /// variable is not found or may not be written.
    virtual bool SetText(std::string_view name, std::string_view text) = 0;
    /// out = the leading decimal integer of the variable's text (blanks and sign allowed; 0 when
    /// the text does not start with a number or the variable is not found).
    virtual void GetInteger(std::string_view name, int *out) const = 0;
    /// out = the leading decimal number of the variable's text; 0.0 when none or not found.
    virtual void GetDouble(std::string_view name, double *out) const = 0;
    /// Same as GetInteger.
    virtual void GetNumber(std::string_view name, int *out) const = 0;
    /// out = the variable's text; empty when not found.
    virtual void GetText(std::string_view name, std::string *out) const = 0;
    /// Writes an object's address at full width (never through the int accessors, which would
    /// cut it to 32 bits); answers what SetText answers. Null is written as "0".
    virtual bool SetPointer(std::string_view name, const void *pointer) = 0;
    /// out = the address written by SetPointer; null when the variable is not found or its text
    /// is not an address (a variable declared with "0" reads as null).
    virtual void GetPointer(std::string_view name, void **out) const = 0;
};
