// Morvane foundation library.
// The load-error question: every problem found while loading a document, its text and the answer.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

/// The answers to a load error. Retry and Ignore both let the load go on with the next
/// attribute or element; Abort ends it.
enum class XmlErrorAnswer { Abort, Retry, Ignore };

/// Ends a whole load (or save): thrown by CXmlErrorReporter::Report when the user aborts, and by
/// the archive for a document nested deeper than the filer goes. Loading code lets it pass.
class XmlLoadFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace morvane

/// The texts of the load errors, by code (subject in place of %s):
/// - 0, a required attribute is missing: "Required attribute [%s] not found !"
/// - 1, an attribute failed to load: "Attribute [%s] loading failed !"
/// - 5, an element's "ClassName" names no class of its collection: "Missing runtime class [%s] "
/// - 6, an element's identifier is missing, or loading the element failed:
///   "Missing runtime attribute [%s] "
///
/// Any other code (4: a required reference that is empty or names no object, or a null
/// reference saved) keeps the default text "Internal error [%d] !".
class CXmlErrorFormatter
{
public:
    /// Overwrites text for the codes above, with subject in place of %s; leaves it otherwise.
    void FormatMessage(int code, std::string_view subject, std::string &text) const;
};

/// Receives every problem found while loading (or saving) a document through an archive, turns
/// it into a text and, unless quiet, asks the question the program installed: Abort, Retry or
/// Ignore. No question is installed by default, so a library user that installs none loads
/// quietly. One instance serves the process (GetXmlErrorReporter()); loads run one at a time.
///
/// Every text reported since the last Reset() is kept, quiet or not, so that a batch run can
/// list what was skipped.
class CXmlErrorReporter
{
public:
    using Question = std::function<morvane::XmlErrorAnswer(const std::string &text)>;

    /// Installs the question asked for each report (null: none is asked).
    void SetQuestion(Question question);
    /// In quiet mode no question is asked; every report is taken as Ignore. Kept across loads.
    void SetQuiet(bool quiet);

    /// Reports a problem: after an Abort of the same load, throws XmlLoadFailure at once
    /// without asking; otherwise keeps the text and asks the question (unless quiet or none is
    /// installed). Abort then throws XmlLoadFailure ("loading aborted"); Retry and Ignore
    /// return.
    void Report(int code, std::string_view subject);
    /// Starts a new load or save: clears the aborted state and the kept texts.
    void Reset();

    /// The texts reported since the last Reset(), in order.
    const std::vector<std::string> &GetMessages() const { return m_aMessages; }
    bool IsAborted() const { return m_bAborted; }

private:
    CXmlErrorFormatter m_oFormatter;
    Question m_fnQuestion;
    bool m_bQuiet = false;
    bool m_bAborted = false;
    std::vector<std::string> m_aMessages;
};

/// The reporter of the process.
CXmlErrorReporter &GetXmlErrorReporter();
