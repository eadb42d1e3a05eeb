// Morvane Larkweft options library.
// Typed options in INI sections, saved to an options file and edited on property pages.
#pragma once

#include "platform/larkweft/Option.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

class COptionDialog;
class COptionPropertyPage;

/// The options of a program: declared section by section with AddOption, read from and written
/// to an INI file through QSettings, and shown on property pages whose controls are bound to the
/// options by control id. The library owns every option; AddOption hands out a typed pointer to
/// it that stays valid as long as this object. Making the options needs no display; only the
/// dialog does.
class CLarkweft
{
public:
    /// Makes a page of the dialog, as a child of parent.
    using PageFactory = std::function<COptionPropertyPage *(CLarkweft &options, QWidget *parent)>;

    /// fileName is taken in the configuration folder (GetConfigFolder()) unless it is absolute.
    explicit CLarkweft(const std::filesystem::path &fileName);
    virtual ~CLarkweft();
    CLarkweft(const CLarkweft &) = delete;
    CLarkweft &operator=(const CLarkweft &) = delete;

    /// "$XDG_CONFIG_HOME/morvane", else "~/.config/morvane".
    static std::filesystem::path GetConfigFolder();
    const std::filesystem::path &GetFilePath() const { return m_oFilePath; }

    /// The section of the options declared next.
    void SetSection(const std::string &name);
    void AddOption(const std::string &key, int32_t defaultValue, IOptionInt *&option,
                   uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                   uint32_t extraId);
    void AddOption(const std::string &key, bool defaultValue, IOptionBool *&option,
                   uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                   uint32_t extraId);
    void AddOption(const std::string &key, double defaultValue, IOptionDouble *&option,
                   uint32_t controlId, OPTION_CONTROL_TYPE controlType, uint32_t flags,
                   uint32_t extraId);
    void AddOption(const std::string &key, const std::string &defaultValue,
                   IOptionString *&option, uint32_t controlId, OPTION_CONTROL_TYPE controlType,
                   uint32_t flags, uint32_t extraId, uint32_t secondExtraId);

    /// A page of the dialog built from the language library's dialog templateId: it shows each
    /// option whose control the template names, in the template's order.
    void AddPage(uint32_t templateId);
    /// A page of the dialog made by factory when the dialog opens.
    void AddPage(PageFactory factory);

    /// Reads every stored option from the file. A missing file or key leaves the default. A
    /// file that QSettings cannot read, or a value that its option refuses, leaves the defaults
    /// of the options concerned; the file is then copied aside ("<file>.damaged", numbered when
    /// that exists) so that nothing of it is lost, and false is returned with GetLastError()
    /// saying what was wrong and where the copy is.
    bool LoadFromIni();
    /// Writes every stored option to the file (through a temporary file). Returns false with
    /// GetLastError() when the file cannot be written.
    bool SaveToIni();
    const std::string &GetLastError() const { return m_sLastError; }

    /// Shows the dialog modally; on OK the values of the pages are taken, saved and reported
    /// to OnOptionsChanged. Returns QDialog::Accepted or QDialog::Rejected.
    int ShowOptionDialog(QWidget *parent = nullptr);
    /// The dialog of ShowOptionDialog, not yet shown, for a caller that shows it itself.
    std::unique_ptr<COptionDialog> CreateOptionDialog(QWidget *parent = nullptr);

    /// Enables or disables the control on the open dialog and on every dialog opened later.
    void EnableControl(uint32_t controlId, bool enable);
    bool IsControlEnabled(uint32_t controlId) const;

    const std::vector<std::unique_ptr<IOption>> &GetOptions() const { return m_aOptions; }
    /// The option bound to the control; null when there is none.
    IOption *FindOption(uint32_t controlId) const;

protected:
    /// Called after the dialog was accepted and the options saved, with whether a value changed.
    virtual void OnOptionsChanged(bool changed);
    /// Called when the pages of a dialog have been made and filled.
    virtual void OnInitPages();

private:
    friend class COptionDialog;

    template <class Option>
    void Declare(std::unique_ptr<Option> made, Option *&option);
    OptionBinding MakeBinding(const std::string &key, uint32_t controlId,
                              OPTION_CONTROL_TYPE controlType, uint32_t flags,
                              uint32_t extraId) const;
    void KeepDamagedFileAside();

    std::filesystem::path m_oFilePath;
    std::string m_sSection;
    std::vector<std::unique_ptr<IOption>> m_aOptions;
    std::vector<PageFactory> m_aPages;
    std::map<uint32_t, bool> m_oEnabledControls;
    COptionDialog *m_pOpenDialog = nullptr;
    std::string m_sLastError;
};
