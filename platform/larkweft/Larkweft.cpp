// Morvane Larkweft options library.
// Typed options in INI sections, saved to an options file and edited on property pages.
#include "platform/larkweft/Larkweft.h"

#include "foundation/ConfigFolder.h"
#include "platform/larkweft/OptionDialog.h"
#include "platform/larkweft/OptionPropertyPage.h"
#include "platform/larkweft/OptionValues.h"

#include <QSettings>
#include <QStringList>

namespace {

QString settingsKey(const OptionBinding &binding)
{
    return QString::fromStdString(binding.m_sSection + "/" + binding.m_sKey);
}

// QSettings reads an unquoted value with commas as a list; the option wants the text as written.
std::string storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

std::string describeStatus(QSettings::Status status)
{
    return status == QSettings::AccessError ? "the file cannot be read or written"
                                            : "the file is not in INI form";
}

} // namespace

CLarkweft::CLarkweft(const std::filesystem::path &fileName)
    : m_oFilePath(fileName.is_absolute() ? fileName : GetConfigFolder() / fileName)
{
}

CLarkweft::~CLarkweft() = default;

std::filesystem::path CLarkweft::GetConfigFolder()
{
    return morvane::userConfigFolder();
}

void CLarkweft::SetSection(const std::string &name)
{
    m_sSection = name;
}

OptionBinding CLarkweft::MakeBinding(const std::string &key, uint32_t controlId,
                                     OPTION_CONTROL_TYPE controlType, uint32_t flags,
                                     uint32_t extraId) const
{
    return {m_sSection, key, controlId, controlType, flags, extraId};
}

template <class Option>
void CLarkweft::Declare(std::unique_ptr<Option> made, Option *&option)
{
    option = made.get();
    m_aOptions.push_back(std::move(made));
}

void CLarkweft::AddOption(const std::string &key, int32_t defaultValue, IOptionInt *&option,
                          uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                          uint32_t extraId)
{
    Declare(makeIntOption(MakeBinding(key, controlId, controlType, flags, extraId), defaultValue),
            option);
}

void CLarkweft::AddOption(const std::string &key, bool defaultValue, IOptionBool *&option,
                          uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                          uint32_t extraId)
{
    Declare(makeBoolOption(MakeBinding(key, controlId, controlType, flags, extraId), defaultValue),
            option);
}

void CLarkweft::AddOption(const std::string &key, double defaultValue, IOptionDouble *&option,
                          uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                          uint32_t extraId)
{
    Declare(
        makeDoubleOption(MakeBinding(key, controlId, controlType, flags, extraId), defaultValue),
        option);
}

// The second extra id names a control that no page of this library shows; it is accepted so
// that declarations keep their full form.
void CLarkweft::AddOption(const std::string &key, const std::string &defaultValue,
                          IOptionString *&option, uint32_t controlId,
                          OPTION_CONTROL_TYPE controlType, uint32_t flags, uint32_t extraId,
                          uint32_t /*secondExtraId*/)
{
    Declare(
        makeStringOption(MakeBinding(key, controlId, controlType, flags, extraId), defaultValue),
        option);
}

void CLarkweft::AddPage(uint32_t templateId)
{
    m_aPages.push_back([templateId](CLarkweft &options, QWidget *parent) {
        return new COptionPropertyPage(templateId, options, parent);
    });
}

void CLarkweft::AddPage(PageFactory factory)
{
    m_aPages.push_back(std::move(factory));
}

bool CLarkweft::LoadFromIni()
{
    m_sLastError.clear();
    if (!std::filesystem::exists(m_oFilePath))
        return true;

    QSettings settings(QString::fromStdString(m_oFilePath.string()), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        m_sLastError = m_oFilePath.string() + ": " + describeStatus(settings.status()) +
                       "; every option keeps its default";
        KeepDamagedFileAside();
        return false;
    }

    std::string refused;
    for (const auto &option : m_aOptions) {
        const OptionBinding &binding = option->GetBinding();
        const QVariant value = settings.value(settingsKey(binding));
        if ((binding.m_nFlags & kOptionStored) == 0 || !value.isValid())
            continue;
        const std::string text = storedText(value);
        if (option->FromText(text))
            continue;
        refused += "\n[" + binding.m_sSection + "] " + binding.m_sKey + " = \"" + text +
                   "\": " + option->CheckText(text) + "; the default is used";
    }
    if (refused.empty())
        return true;
    m_sLastError = m_oFilePath.string() + ": values that are not valid:" + refused;
    KeepDamagedFileAside();
    return false;
}

void CLarkweft::KeepDamagedFileAside()
{
    std::filesystem::path copy = m_oFilePath.string() + ".damaged";
    for (int n = 2; std::filesystem::exists(copy); ++n)
        copy = m_oFilePath.string() + ".damaged-" + std::to_string(n);

    std::error_code error;
    std::filesystem::copy_file(m_oFilePath, copy, error);
    if (error)
        m_sLastError += "\nthe file could not be kept as " + copy.string() + ": " + error.message();
    else
        m_sLastError += "\nthe file was kept as " + copy.string();
}

bool CLarkweft::SaveToIni()
{
    m_sLastError.clear();
    std::error_code error;
    std::filesystem::create_directories(m_oFilePath.parent_path(), error);

    QSettings settings(QString::fromStdString(m_oFilePath.string()), QSettings::IniFormat);
    for (const auto &option : m_aOptions) {
        if (option->GetBinding().m_nFlags & kOptionStored)
            settings.setValue(settingsKey(option->GetBinding()),
                              QString::fromStdString(option->ToText()));
    }
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    m_sLastError = m_oFilePath.string() + ": the options cannot be saved: " +
                   describeStatus(settings.status());
    return false;
}

int CLarkweft::ShowOptionDialog(QWidget *parent)
{
    return CreateOptionDialog(parent)->exec();
}

std::unique_ptr<COptionDialog> CLarkweft::CreateOptionDialog(QWidget *parent)
{
    auto dialog = std::make_unique<COptionDialog>(*this, m_aPages, parent);
    OnInitPages();
    return dialog;
}

void CLarkweft::EnableControl(uint32_t controlId, bool enable)
{
    m_oEnabledControls[controlId] = enable;
    if (m_pOpenDialog)
        m_pOpenDialog->EnableControl(controlId, enable);
}

bool CLarkweft::IsControlEnabled(uint32_t controlId) const
{
    const auto found = m_oEnabledControls.find(controlId);
    return found == m_oEnabledControls.end() || found->second;
}

IOption *CLarkweft::FindOption(uint32_t controlId) const
{
    for (const auto &option : m_aOptions) {
        if (option->GetBinding().m_nControlId == controlId)
            return option.get();
    }
    return nullptr;
}

void CLarkweft::OnOptionsChanged(bool /*changed*/)
{
}

void CLarkweft::OnInitPages()
{
}
