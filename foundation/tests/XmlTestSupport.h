// Morvane foundation library tests.
// Saving and loading through an archive in one call, and a scripted load-error question.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

/// The document text of object saved as root element rootName.
inline std::string saveText(CAttContainer &object, const std::string &rootName = "Example")
{
    CXmlArchive archive;
    EXPECT_EQ(archive.SaveObject(object, rootName), 0) << archive.GetLastError();
    return archive.TakeXmlContents();
}

/// Loads object from text: LoadObject's result, or -1 (and a failure) when text does not parse.
inline int loadText(CAttContainer &object, std::string_view text)
{
    CXmlArchive archive;
    if (!archive.LoadFromText(text)) {
        ADD_FAILURE() << archive.GetLastError();
        return -1;
    }
    return archive.LoadObject(object, "Example");
}

/// Installs a load-error question that answers from a script (Ignore once the script is used
/// up) and records every text it was asked; restores a reporter without question, not quiet.
class ScriptedQuestion
{
public:
    explicit ScriptedQuestion(std::vector<morvane::XmlErrorAnswer> answers = {})
        : m_answers(std::move(answers))
    {
        GetXmlErrorReporter().SetQuiet(false);
        GetXmlErrorReporter().SetQuestion([this](const std::string &text) {
            asked.push_back(text);
            const size_t index = asked.size() - 1;
            return index < m_answers.size() ? m_answers[index] : morvane::XmlErrorAnswer::Ignore;
        });
    }
    ~ScriptedQuestion()
    {
        GetXmlErrorReporter().SetQuestion(nullptr);
        GetXmlErrorReporter().SetQuiet(false);
    }
    ScriptedQuestion(const ScriptedQuestion &) = delete;
    ScriptedQuestion &operator=(const ScriptedQuestion &) = delete;

    std::vector<std::string> asked;

private:
    std::vector<morvane::XmlErrorAnswer> m_answers;
};
