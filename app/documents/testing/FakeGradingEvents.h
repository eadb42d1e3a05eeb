// Morvane program documents test support.
// The main document and the options as the documents it owns see them, in memory.
#pragma once

#include "app/documents/IGradingEvents.h"
#include "app/documents/IOptions.h"
#include "app/documents/QuietUserInterface.h"

#include <array>
#include <charconv>
#include <map>
#include <string>

namespace morvane {

/// Options held in memory by name; undeclared ones read as false, 0 or empty.
class FakeOptions : public IOptions
{
public:
    bool GetBoolOption(const std::string &name) const override { return GetIntOption(name) != 0; }
    int GetIntOption(const std::string &name) const override
    {
        const auto found = m_values.find(name);
        return found != m_values.end() ? std::stoi(found->second) : 0;
    }
    double GetDoubleOption(const std::string &name) const override
    {
        const std::string text = GetStringOption(name);
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }
    std::string GetStringOption(const std::string &name) const override
    {
        const auto found = m_values.find(name);
        return found != m_values.end() ? found->second : std::string();
    }

    void set(const std::string &name, const std::string &value) { m_values[name] = value; }

private:
    std::map<std::string, std::string> m_values;
};

/// A main document that counts the grading restarts asked of it and answers CanDeactivate as
/// told.
class FakeGradingEvents : public IGradingEvents
{
public:
    bool CanDeactivate() override { return canDeactivate; }
    void OnBeginGrading() override { ++gradingRestarts; }
    IOptions &GetOptions() override { return options; }
    std::string GetStringAt(int index) const override
    {
        return strings.at(static_cast<size_t>(index));
    }
    void SetStringAt(int index, const std::string &text) override
    {
        strings.at(static_cast<size_t>(index)) = text;
    }
    void BeginWaitCursor() override { ++waitCursorDepth; }
    void EndWaitCursor() override { --waitCursorDepth; }
    IUserInterface &GetUserInterface() override { return userInterface; }

    bool canDeactivate = true;
    int gradingRestarts = 0;
    FakeOptions options;
    std::array<std::string, 4> strings;
    int waitCursorDepth = 0;
    CQuietUserInterface userInterface;
};

} // namespace morvane
