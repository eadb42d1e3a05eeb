// Morvane program view, tests.
// The item clipboard over the system clipboard.
#include "app/ui/view/MimeItemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

TEST(MimeItemClipboardTest, KeepsThePayloadExactlyUnderItsOwnType)
{
    MimeItemClipboard clipboard;
    // UTF-8 names and no terminating zero: the bytes come back as they went.
    const std::string payload = "<MVClipboard Name=\"Ärmel \xE2\x80\x93 links\"/>";
    clipboard.SetItems(payload);
    ASSERT_TRUE(clipboard.HasItems());
    EXPECT_EQ(clipboard.GetItems(), payload);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(MimeItemClipboard::kMimeType).size(),
              static_cast<qsizetype>(payload.size()));

    // Another program's text is no payload.
    QGuiApplication::clipboard()->setText("some text");
    EXPECT_FALSE(clipboard.HasItems());
    EXPECT_EQ(clipboard.GetItems(), std::nullopt);
}
