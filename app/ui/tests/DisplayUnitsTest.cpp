// Morvane main window, view and interaction, tests.
// Lengths converted to and formatted in the display unit that "USER_UNITS" chooses.
#include "app/ui/view/DisplayUnits.h"

#include "app/ui/options/Options.h"

#include "ScopedLocale.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

struct LengthCase
{
    int32_t userUnits;
    double millimetres;
    double displayValue;
    const char *text;
    const char *label;
};

// Fractions are not reduced; a unit outside 0 to 7 shows millimetres.
constexpr LengthCase kLengthCases[] = {
    {0, 12.5, 12.5, "12.50", "[mm]"},
    {1, 125.0, 12.5, "12.50", "[cm]"},
    {2, 38.1, 1.5, "1 2/4", "[inch]"},
    {3, 6.35, 0.25, "2/8", "[inch]"},
    {6, 25.4, 1.0, "1", "[inch]"},
    {7, 38.1, 1.5, "1 50/100", "[inch]"},
    {2, -6.35, -0.25, "-1/4", "[inch]"},
    {4, -31.75, -1.25, "-1 4/16", "[inch]"},
    {8, 12.5, 12.5, "12.50", "[mm]"},
    {-1, 3.0, 3.0, "3.00", "[mm]"},
};

class DisplayUnitsTest : public testing::Test
{
protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", m_folder.path().c_str(), 1); }
    void TearDown() override
    {
        COptions::DeleteInstance();
        unsetenv("XDG_CONFIG_HOME");
    }

    TemporaryFolder m_folder{"display-units"};
};

} // namespace

TEST_F(DisplayUnitsTest, ConvertsAndFormatsInEveryUnitUnderAGermanLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    for (const auto &row : kLengthCases) {
        SCOPED_TRACE(row.userUnits);
        SCOPED_TRACE(row.millimetres);
        COptions::GetInstance()->m_pUserUnits->SetValue(row.userUnits);
        int decimals = -1;
        bool fraction = false;
        int denominator = -1;
        const double value = ConvertToDisplayUnits(row.millimetres, decimals, fraction, denominator);
        EXPECT_NEAR(value, row.displayValue, 1e-12);
        EXPECT_EQ(decimals, 2);
        EXPECT_EQ(FormatLength(value, decimals, fraction, denominator), row.text);
        EXPECT_EQ(GetDisplayUnitLabel(), row.label);
        EXPECT_NEAR(ConvertFromDisplayUnits(value), row.millimetres, 1e-12);
    }
}

TEST_F(DisplayUnitsTest, ReadsTheOptionOnEveryCall)
{
    COptions::GetInstance()->m_pUserUnits->SetValue(1);
    EXPECT_EQ(GetDisplayUnitLabel(), "[cm]");
    COptions::GetInstance()->m_pUserUnits->SetValue(0);
    EXPECT_EQ(GetDisplayUnitLabel(), "[mm]");
    EXPECT_DOUBLE_EQ(ConvertFromDisplayUnits(4.0), 4.0);
}
