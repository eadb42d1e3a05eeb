// Morvane Larkweft options library.
// Typed options kept in INI sections and bound to the controls of an option page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// The kind of control an option is shown with on its page.
enum OPTION_CONTROL_TYPE {
    OCT_EDIT = 1,
    OCT_CHECK_BOX = 2,
    OCT_CHOICE_LIST = 3,
    OCT_COLOUR_BUTTON = 6,
    OCT_FOLDER = 7,
    OCT_FILE = 8,
};

/// The flags word of an option: the options saved to the INI file carry kOptionStored; the
/// other bits are the caller's and are kept unread.
inline constexpr uint32_t kOptionStored = 1;

/// Where an option lives and how its page shows it.
struct OptionBinding
{
    std::string m_sSection;
    std::string m_sKey;
    uint32_t m_nControlId = 0;
    OPTION_CONTROL_TYPE m_eControlType = OCT_EDIT;
    uint32_t m_nFlags = 0;
    /// The second control of the option (the browse button of a folder or file field), or 0.
    uint32_t m_nExtraId = 0;
};

/// One option: its binding and its value as text, the form in which the INI file stores it and
/// an edit field shows it.
class IOption
{
public:
    virtual ~IOption() = default;
    IOption(const IOption &) = delete;
    IOption &operator=(const IOption &) = delete;

    const OptionBinding &GetBinding() const { return m_oBinding; }

    /// The value as stored: integers and colours in decimal, switches as 0 or 1, numbers with
    /// "." as the decimal point.
    virtual std::string ToText() const = 0;
    /// Why text cannot be taken as a value of this option ("not a number", "not between 0 and
    /// 100"); empty when it can.
    virtual std::string CheckText(std::string_view text) const = 0;
    /// Takes the value from text; false, leaving the value, when CheckText refuses it.
    virtual bool FromText(std::string_view text) = 0;
    virtual void ResetToDefault() = 0;

protected:
    explicit IOption(OptionBinding binding) : m_oBinding(std::move(binding)) {}

private:
    OptionBinding m_oBinding;
};

/// An option whose value is of type Value.
template <class Value>
class IOptionOf : public IOption
{
public:
    virtual Value GetValue() const = 0;
    virtual void SetValue(const Value &value) = 0;

protected:
    using IOption::IOption;
};

class IOptionInt : public IOptionOf<int32_t>
{
protected:
    using IOptionOf::IOptionOf;
};

class IOptionBool : public IOptionOf<bool>
{
protected:
    using IOptionOf::IOptionOf;
};

class IOptionString : public IOptionOf<std::string>
{
protected:
    using IOptionOf::IOptionOf;
};

/// A number option; SetValue brings a value into the range when one is set.
class IOptionDouble : public IOptionOf<double>
{
public:
    /// Limits the values that the option takes from text or from SetValue.
    virtual void SetRange(double minimum, double maximum) = 0;

protected:
    using IOptionOf::IOptionOf;
};
