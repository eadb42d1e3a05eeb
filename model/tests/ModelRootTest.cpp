// Morvane model library tests.
// The model root class and the critical errors with their names and texts.
#include "ExpectThrowMessage.h"
#include "foundation/EnumValueMap.h"
#include "model/MorvaneException.h"
#include "model/MvItem.h"

TEST(MvItemTest, IsANamedRuntimeClassBelowCObject)
{
    const CMvItem item;
    EXPECT_EQ(item.GetRuntimeClass(), CMvItem::GetThisClass());
    EXPECT_EQ(CMvItem::GetThisClass()->m_sClassName, "CMvItem");
    EXPECT_TRUE(item.IsKindOf(CObject::GetThisClass()));
    EXPECT_EQ(CRuntimeClass::FromName("CMvItem"), CMvItem::GetThisClass());
    EXPECT_EQ(CRuntimeClass::CreateObjectByName("CMvItem"), nullptr) << "holds nothing to create";
}

TEST(MorvaneExceptionTest, ThrowsForCriticalCodesOnly)
{
    const std::string critical = "Critical error '%s'!\nApplication will close!";
    for (int code = -1; code <= 22; ++code) {
        SCOPED_TRACE(code);
        const auto error = static_cast<GM_ERROR>(code);
        const bool expectThrow = (code >= 2 && code <= 14) || (code >= 16 && code <= 21);
        if (!expectThrow) {
            EXPECT_NO_THROW(CMorvaneException::HandleCriticalError(error));
            continue;
        }
        const std::string name =
            CMorvaneException::GetErrorNames().GetNameById(static_cast<uint32_t>(code));
        const std::string expected = "Critical error '" + name + "'!\nApplication will close!";
        EXPECT_THROW_MSG(CMorvaneException::HandleCriticalError(error), CMorvaneException,
                         expected);
    }
    try {
        CMorvaneException::HandleCriticalError(GM_BAD_STRUCTURE);
        ADD_FAILURE() << "GM_BAD_STRUCTURE is critical";
    } catch (const CMorvaneException &error) {
        EXPECT_EQ(error.GetErrorCode(), GM_BAD_STRUCTURE);
        EXPECT_EQ(error.GetFormatError(),
                  "Critical error 'GM_BAD_STRUCTURE'!\nApplication will close!");
    }
    EXPECT_EQ(CMorvaneException(GM_INVALID_REQUEST_FORMAT).GetFormatError(),
              "Critical error 'GM_INVALID_REQUEST_FORMAT'!\nApplication will close!");
    EXPECT_EQ(CMorvaneException(static_cast<GM_ERROR>(11)).GetFormatError(),
              "Critical error ''!\nApplication will close!")
        << "reserved codes have no name";
}

TEST(MorvaneExceptionTest, NamesEveryCodeButTheReservedOnes)
{
    const CEnumValueMap &names = CMorvaneException::GetErrorNames();
    ASSERT_EQ(names.GetCount(), 20);
    uint32_t previous = 0;
    for (int i = 0; i < names.GetCount(); ++i) {
        uint32_t id = 0;
        std::string name;
        names.GetEntryAt(i, id, name);
        EXPECT_TRUE(i == 0 || id > previous) << "ascending order of code";
        EXPECT_EQ(name.rfind("GM_", 0), 0u);
        previous = id;
    }
    EXPECT_EQ(names.GetNameById(9), "GM_VARNE_ERROR");
    EXPECT_EQ(names.GetNameById(12), "");
    EXPECT_EQ(names.GetNameById(13), "GM_NO_MORVANE_CONNECTION");
    EXPECT_EQ(names.GetNameById(15), "GM_COULD_NOT_CLOSE_SOCKET");
}

TEST(MorvaneExceptionTest, TellsErrorsFromSuccess)
{
    EXPECT_FALSE(CMorvaneException::HasError(GM_NO_ERROR));
    EXPECT_TRUE(CMorvaneException::HasError(GM_NO_SUCH_FILE));
    EXPECT_TRUE(CMorvaneException::HasError(static_cast<GM_ERROR>(-5)));
}
