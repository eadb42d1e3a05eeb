// Morvane main window, view and interaction.
// The user's options read by their names, as the documents and commands read them.
#include "app/ui/options/OptionsByName.h"

#include "foundation/NumberText.h"
#include "platform/larkweft/Larkweft.h"

bool OptionsByName::GetBoolOption(const std::string &name) const
{
    return GetIntOption(name) != 0;
}

int OptionsByName::GetIntOption(const std::string &name) const
{
    return morvane::parseInt(GetStringOption(name));
}

double OptionsByName::GetDoubleOption(const std::string &name) const
{
    return morvane::parseDouble(GetStringOption(name));
}

std::string OptionsByName::GetStringOption(const std::string &name) const
{
    for (const auto &option : m_options.GetOptions()) {
        if (option->GetBinding().m_sKey == name)
            return option->ToText();
    }
    return {};
}
