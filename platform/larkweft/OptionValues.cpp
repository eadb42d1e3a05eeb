// Morvane Larkweft options library.
// The typed options that the library makes and owns.
#include "platform/larkweft/OptionValues.h"

#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"

#include <algorithm>

namespace {

/// The value, its default and the text conversions common to every type; Traits gives the
/// conversions of one type.
template <class Interface, class Traits>
class OptionValue : public Interface
{
public:
    using Value = typename Traits::Value;

    OptionValue(OptionBinding binding, Value defaultValue)
        : Interface(std::move(binding)), m_default(defaultValue), m_value(defaultValue)
    {
    }

    Value GetValue() const override { return m_value; }
    void SetValue(const Value &value) override { m_value = value; }
    void ResetToDefault() override { m_value = m_default; }
    std::string ToText() const override { return Traits::toText(m_value); }

    std::string CheckText(std::string_view text) const override
    {
        Value value{};
        return Traits::fromText(text, value) ? checkValue(value) : Traits::kNotAValue;
    }

    bool FromText(std::string_view text) override
    {
        Value value{};
        if (!Traits::fromText(text, value) || !checkValue(value).empty())
            return false;
        m_value = value;
        return true;
    }

protected:
    virtual std::string checkValue(const Value &) const { return {}; }

    Value m_default;
    Value m_value;
};

struct IntTraits
{
    using Value = int32_t;
    static constexpr const char *kNotAValue = "not a whole number";
    static std::string toText(int32_t value) { return morvane::formatInteger(value); }
    static bool fromText(std::string_view text, int32_t &value)
    {
        int parsed = 0;
        if (!morvane::tryParseInt(text, parsed))
            return false;
        value = parsed;
        return true;
    }
};

struct BoolTraits
{
    using Value = bool;
    static constexpr const char *kNotAValue = "neither 0 nor 1";
    static std::string toText(bool value) { return value ? "1" : "0"; }
    static bool fromText(std::string_view text, bool &value)
    {
        int parsed = 0;
        if (!morvane::tryParseInt(text, parsed))
            return false;
        value = parsed != 0;
        return true;
    }
};

struct DoubleTraits
{
    using Value = double;
    static constexpr const char *kNotAValue = "not a number";
    static std::string toText(double value) { return morvane::format("%.15g", value); }
    static bool fromText(std::string_view text, double &value)
    {
        return morvane::tryParseDouble(text, value);
    }
};

struct StringTraits
{
    using Value = std::string;
    static constexpr const char *kNotAValue = "";
    static std::string toText(const std::string &value) { return value; }
    static bool fromText(std::string_view text, std::string &value)
    {
        value = text;
        return true;
    }
};

using IntOption = OptionValue<IOptionInt, IntTraits>;
using BoolOption = OptionValue<IOptionBool, BoolTraits>;
using StringOption = OptionValue<IOptionString, StringTraits>;

class DoubleOption final : public OptionValue<IOptionDouble, DoubleTraits>
{
public:
    using OptionValue::OptionValue;

    void SetValue(const double &value) override
    {
        m_value = m_bRanged ? std::clamp(value, m_minimum, m_maximum) : value;
    }

    void SetRange(double minimum, double maximum) override
    {
        m_bRanged = true;
        m_minimum = minimum;
        m_maximum = maximum;
    }

private:
    std::string checkValue(const double &value) const override
    {
        if (!m_bRanged || (value >= m_minimum && value <= m_maximum))
            return {};
        return "not between " + DoubleTraits::toText(m_minimum) + " and " +
               DoubleTraits::toText(m_maximum);
    }

    bool m_bRanged = false;
    double m_minimum = 0.0;
    double m_maximum = 0.0;
};

} // namespace

std::unique_ptr<IOptionInt> makeIntOption(OptionBinding binding, int32_t defaultValue)
{
    return std::make_unique<IntOption>(std::move(binding), defaultValue);
}

std::unique_ptr<IOptionBool> makeBoolOption(OptionBinding binding, bool defaultValue)
{
    return std::make_unique<BoolOption>(std::move(binding), defaultValue);
}

std::unique_ptr<IOptionDouble> makeDoubleOption(OptionBinding binding, double defaultValue)
{
    return std::make_unique<DoubleOption>(std::move(binding), defaultValue);
}

std::unique_ptr<IOptionString> makeStringOption(OptionBinding binding, std::string defaultValue)
{
    return std::make_unique<StringOption>(std::move(binding), std::move(defaultValue));
}
