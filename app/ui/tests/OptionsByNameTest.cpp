// Morvane main window, view and interaction tests.
// The user's options read by their names.
#include "app/ui/options/OptionsByName.h"

#include "ScopedLocale.h"
#include "TemporaryFolder.h"
#include "platform/larkweft/Larkweft.h"

#include <gtest/gtest.h>

namespace {

/// An option of each kind the readers read, in two sections.
class FewOptions : public CLarkweft
{
public:
    explicit FewOptions(const std::filesystem::path &file) : CLarkweft(file)
    {
        SetSection("ASSOCIATIONS");
        AddOption("MAX_SIZE_DISSIMILARITY", 40.0, m_pDissimilarity, 1163, OCT_EDIT, 3, 0);
        AddOption("POINT_ASS_TYPE", int32_t(1), m_pPointAssType, 1212, OCT_CHOICE_LIST, 3, 0);
        SetSection("FAVOURITES");
        AddOption("RELATIVE_MODE", true, m_pRelativeMode, 4016, OCT_CHECK_BOX, 3, 0);
        AddOption("MASK_FILES_PATH", std::string("masks"), m_pPath, 4061, OCT_FOLDER, 1, 4062, 0);
    }

    IOptionDouble *m_pDissimilarity = nullptr;
    IOptionInt *m_pPointAssType = nullptr;
    IOptionBool *m_pRelativeMode = nullptr;
    IOptionString *m_pPath = nullptr;
};

} // namespace

TEST(OptionsByNameTest, ReadsEachOptionByItsKeyInEveryLocale)
{
    const TemporaryFolder folder("options-by-name");
    FewOptions options(folder / "MORVANE.INI");
    const OptionsByName reader(options);
    const ScopedLocale german("de_DE.UTF-8");
    options.m_pDissimilarity->SetValue(37.5);
    EXPECT_DOUBLE_EQ(reader.GetDoubleOption("MAX_SIZE_DISSIMILARITY"), 37.5);
    EXPECT_EQ(reader.GetIntOption("POINT_ASS_TYPE"), 1);
    EXPECT_TRUE(reader.GetBoolOption("RELATIVE_MODE"));
    options.m_pRelativeMode->SetValue(false);
    EXPECT_FALSE(reader.GetBoolOption("RELATIVE_MODE"));
    EXPECT_EQ(reader.GetStringOption("MASK_FILES_PATH"), "masks");
}

TEST(OptionsByNameTest, AnUndeclaredOptionReadsAsNothing)
{
    const TemporaryFolder folder("options-by-name");
    FewOptions options(folder / "MORVANE.INI");
    const OptionsByName reader(options);
    EXPECT_FALSE(reader.GetBoolOption("NO_SUCH_OPTION"));
    EXPECT_EQ(reader.GetIntOption("NO_SUCH_OPTION"), 0);
    EXPECT_EQ(reader.GetDoubleOption("NO_SUCH_OPTION"), 0.0);
    EXPECT_EQ(reader.GetStringOption("NO_SUCH_OPTION"), "");
}
