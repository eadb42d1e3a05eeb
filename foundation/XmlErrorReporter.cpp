// Morvane foundation library.
// The load-error question: every problem found while loading a document, its text and the answer.
#include "foundation/XmlErrorReporter.h"

#include "foundation/TextFormat.h"

using morvane::XmlErrorAnswer;

void CXmlErrorFormatter::FormatMessage(int code, std::string_view subject, std::string &text) const
{
    const std::string name(subject);
    switch (code) {
    case 0:
        text = morvane::format("Required attribute [%s] not found !", name.c_str());
        break;
    case 1:
        text = morvane::format("Attribute [%s] loading failed !", name.c_str());
        break;
    case 4:
        text = morvane::format("Reference [%s] not found !", name.c_str());
        break;
    case 5:
        text = morvane::format("Missing runtime class [%s] ", name.c_str());
        break;
    case 6:
        text = morvane::format("Missing runtime attribute [%s] ", name.c_str());
        break;
    default:
        break;
    }
}

void CXmlErrorReporter::SetQuestion(Question question)
{
    m_fnQuestion = std::move(question);
}

void CXmlErrorReporter::SetQuiet(bool quiet)
{
    m_bQuiet = quiet;
}

void CXmlErrorReporter::Report(int code, std::string_view subject)
{
    if (m_bAborted)
        throw morvane::XmlLoadFailure("loading aborted");
    std::string text = morvane::format("Internal error [%d] !", code);
    m_oFormatter.FormatMessage(code, subject, text);
    m_aMessages.push_back(text);
    if (m_bQuiet || !m_fnQuestion)
        return;
    if (m_fnQuestion(text) == XmlErrorAnswer::Abort) {
        m_bAborted = true;
        throw morvane::XmlLoadFailure("loading aborted");
    }
}

void CXmlErrorReporter::Reset()
{
    m_bAborted = false;
    m_aMessages.clear();
}

CXmlErrorReporter &GetXmlErrorReporter()
{
    static CXmlErrorReporter reporter;
    return reporter;
}
