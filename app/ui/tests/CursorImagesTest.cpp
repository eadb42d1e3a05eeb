// Morvane main window, view and interaction, tests.
// The cursors of the cursor scheme, from the language library's images.
#include "app/ui/view/CursorImages.h"
#include "lang/LanguageLibrary.h"
#include "LanguageFolder.h"

#include <QPixmap>

#include <gtest/gtest.h>

TEST(CursorImagesTest, EveryCursorIdHasItsImageAndOtherIdsTheArrow)
{
    CLanguageLibrary language;
    ASSERT_TRUE(language.LoadLanguageLibrary(languageFolder(), ""));
    EXPECT_EQ(morvane::CursorFromId(0).shape(), Qt::ArrowCursor);
    for (int32_t id = 1; id <= 8; ++id) {
        SCOPED_TRACE(id);
        const QCursor cursor = morvane::CursorFromId(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    }
    EXPECT_EQ(morvane::CursorFromId(4).hotSpot(), QPoint(15, 15));
    EXPECT_EQ(morvane::CursorFromId(9).shape(), Qt::ArrowCursor);
    EXPECT_EQ(morvane::CursorFromId(-1).shape(), Qt::ArrowCursor);
}

TEST(CursorImagesTest, WithoutImagesEveryCursorIsTheArrow)
{
    CLanguageLibrary language;
    ASSERT_TRUE(language.LoadLanguageLibrary(languageFolder(), "T1"));
    EXPECT_EQ(morvane::CursorFromId(1).shape(), Qt::ArrowCursor);
}
