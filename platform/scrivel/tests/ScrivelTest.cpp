// Morvane Scrivel XML filer tests.
// Building, reading and writing documents through the cursor, and refusing bad documents.
#include "platform/scrivel/Scrivel.h"

#include "TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

std::string nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text;
}

// ASCII text in UTF-16 or UTF-32, after a byte-order mark.
std::string encoded(std::string_view ascii, size_t unitSize, bool bigEndian)
{
    std::string bytes;
    const auto append = [&](unsigned code) {
        for (size_t b = 0; b < unitSize; ++b) {
            const size_t shift = 8 * (bigEndian ? unitSize - 1 - b : b);
            bytes += static_cast<char>(code >> shift & 0xFF);
        }
    };
    append(0xFEFF);
    for (const char c : ascii)
        append(static_cast<unsigned char>(c));
    return bytes;
}

class ScrivelFileTest : public ::testing::Test
{
protected:
    const TemporaryFolder m_folder{"scrivel-test"};
};

} // namespace

TEST(ScrivelTest, WritesElementsAndAttributesInCallOrder)
{
    CScrivel filer;
    ASSERT_TRUE(filer.AddItem("Root"));
    EXPECT_TRUE(filer.AddItemVal("Version", "2121"));
    EXPECT_TRUE(filer.AddItemVal("Kind", "a&b"));
    EXPECT_TRUE(filer.AddItemVal("Version", "7")) << "setting an existing attribute";
    ASSERT_TRUE(filer.AddItem("Name"));
    filer.SetValue("<front>");
    EXPECT_TRUE(filer.ReturnBack());
    ASSERT_TRUE(filer.AddItem("Empty"));
    EXPECT_TRUE(filer.ReturnBack());
    EXPECT_FALSE(filer.ReturnBack()) << "the root has no parent";

    const std::string text = filer.GetXmlContents();
    EXPECT_NE(text.find("<Root Version=\"7\" Kind=\"a&amp;b\">"), std::string::npos) << text;
    EXPECT_LT(text.find("<Name>&lt;front&gt;</Name>"), text.find("<Empty"));

    CScrivel reader;
    ASSERT_TRUE(reader.LoadFromText(text)) << reader.GetLastError();
    ASSERT_TRUE(reader.SelectRootItem());
    EXPECT_EQ(reader.GetActiveItemName(), "Root");
    std::string_view kind;
    EXPECT_TRUE(reader.GetItemVal("Kind", kind));
    EXPECT_EQ(kind, "a&b");
    EXPECT_FALSE(reader.GetItemVal("Missing", kind));
    EXPECT_EQ(kind, "a&b") << "left unchanged";
    ASSERT_EQ(reader.GetChildsCount(), 2);
    EXPECT_EQ(reader.GetChildName(1), "Empty");
    EXPECT_EQ(reader.GetChildValue(0), "<front>");
    EXPECT_EQ(reader.GetChildValue(1), "");
    EXPECT_EQ(reader.GetActiveItemName(), "Root") << "reading a child's text leaves the cursor";
    ASSERT_TRUE(reader.SelectChild(0));
    EXPECT_EQ(reader.GetValue(), "<front>");
    EXPECT_TRUE(reader.ReturnBack());
    EXPECT_FALSE(reader.SelectChild(2));
    EXPECT_FALSE(reader.SelectChild(-1));
    EXPECT_EQ(reader.GetActiveItemName(), "Root") << "a failed select leaves the cursor";
}

TEST(ScrivelTest, ReplacesTheTextOfAnElement)
{
    CScrivel filer;
    ASSERT_TRUE(filer.AddItem("Root"));
    ASSERT_TRUE(filer.AddItem("Twice"));
    filer.SetValue("first");
    filer.SetValue("second");
    EXPECT_EQ(filer.GetValue(), "second");
    EXPECT_TRUE(filer.ReturnBack());
    filer.SetValue("after");
    EXPECT_EQ(filer.GetValue(), "after") << "text beside a child element";
    ASSERT_TRUE(filer.AddItem("Empty"));
    filer.SetValue("");
    EXPECT_TRUE(filer.ReturnBack());

    const std::string text = filer.GetXmlContents();
    EXPECT_NE(text.find("<Twice>second</Twice>"), std::string::npos) << text;
    EXPECT_EQ(text.find("first"), std::string::npos) << text;
    EXPECT_LT(text.find("</Twice>"), text.find("after")) << text;
}

TEST(ScrivelTest, ReadsBackADocumentBeingWritten)
{
    CScrivel filer;
    ASSERT_TRUE(filer.AddItem("Root"));
    ASSERT_TRUE(filer.AddItem("First"));
    filer.SetValue("1");
    EXPECT_TRUE(filer.ReturnBack());
    ASSERT_TRUE(filer.AddItem("Second"));
    ASSERT_TRUE(filer.AddItem("Inner"));
    EXPECT_TRUE(filer.AddItemVal("k", "v"));
    const std::string written = filer.GetXmlContents();

    EXPECT_EQ(filer.GetChildsCount(), 0) << "the cursor stays on <Inner>";
    EXPECT_EQ(filer.GetActiveItemName(), "Inner");
    EXPECT_EQ(filer.GetDepth(), 3);
    EXPECT_EQ(filer.GetXmlContents(), written);
    ASSERT_TRUE(filer.SelectRootItem());
    ASSERT_EQ(filer.GetChildsCount(), 2);
    EXPECT_EQ(filer.FindChild("Second", 0), 1);
    ASSERT_TRUE(filer.SelectChild(0));
    EXPECT_EQ(filer.GetValue(), "1");
    EXPECT_TRUE(filer.ReturnBack());
    ASSERT_TRUE(filer.AddItem("Third"));
    EXPECT_TRUE(filer.ReturnBack());
    EXPECT_EQ(filer.GetChildsCount(), 3);
    EXPECT_EQ(filer.GetChildName(2), "Third");
}

TEST(ScrivelTest, AddsTextElementsInOneStep)
{
    CScrivel written;
    EXPECT_FALSE(written.AddTextItem("x", "1")) << "no current element";
    ASSERT_TRUE(written.AddItem("r"));
    EXPECT_TRUE(written.AddTextItem("x", "a&b"));
    EXPECT_EQ(written.GetActiveItemName(), "r");
    EXPECT_TRUE(written.AddTextItem("y", ""));

    CScrivel loaded;
    ASSERT_TRUE(loaded.LoadFromText("<r><w/></r>"));
    EXPECT_FALSE(loaded.AddTextItem("x", "1")) << "no current element";
    ASSERT_TRUE(loaded.SelectRootItem());
    EXPECT_TRUE(loaded.AddTextItem("x", "a&b"));
    EXPECT_TRUE(loaded.AddTextItem("y", ""));
    EXPECT_EQ(loaded.GetActiveItemName(), "r");

    EXPECT_EQ(written.GetXmlContents(),
              "<?xml version=\"1.0\"?>\n<r>\n\t<x>a&amp;b</x>\n\t<y></y>\n</r>\n");
    EXPECT_EQ(loaded.GetXmlContents(), "<?xml version=\"1.0\"?>\n<r>\n\t<w />\n\t<x>a&amp;b</x>\n"
                                       "\t<y></y>\n</r>\n");
}

TEST(ScrivelTest, ChangesTheTextsOfALoadedDocument)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText("<r><a>x</a><b>y<c/>w</b><d/><e><f/></e></r>"))
        << filer.GetLastError();
    ASSERT_TRUE(filer.SelectRootItem());
    const struct
    {
        int child;
        const char *value;
    } changes[] = {{0, ""}, {1, "z&"}, {2, "new"}, {3, "after"}};
    for (const auto &change : changes) {
        ASSERT_TRUE(filer.SelectChild(change.child));
        filer.SetValue(change.value);
        EXPECT_EQ(filer.GetValue(), change.value);
        EXPECT_TRUE(filer.ReturnBack());
    }
    EXPECT_EQ(filer.GetXmlContents(), "<?xml version=\"1.0\"?>\n"
                                      "<r>\n"
                                      "\t<a></a>\n"
                                      "\t<b>z&amp;<c />w</b>\n"
                                      "\t<d>new</d>\n"
                                      "\t<e>\n"
                                      "\t\t<f />after</e>\n"
                                      "</r>\n");
}

TEST(ScrivelTest, CountsOnlyChildElementsAndKeepsBlankText)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText("<r><!-- note --><a>  </a>text<?pi x?><b/></r>"))
        << filer.GetLastError();
    ASSERT_TRUE(filer.SelectRootItem());
    EXPECT_EQ(filer.GetChildsCount(), 2);
    ASSERT_TRUE(filer.SelectChild(0));
    EXPECT_EQ(filer.GetValue(), "  ") << "a text of blanks alone in its element is kept";
}

TEST(ScrivelTest, FindsChildElementsByWholeName)
{
    CScrivel filer;
    EXPECT_EQ(filer.FindChild("a", 0), -1) << "no current element";
    ASSERT_TRUE(filer.LoadFromText("<r><ab/>text<a/><b/><a>x</a></r>")) << filer.GetLastError();
    ASSERT_TRUE(filer.SelectRootItem());
    EXPECT_EQ(filer.FindChild("a", 0), 1) << "<ab> is no <a>";
    EXPECT_EQ(filer.FindChild("a", 2), 3);
    EXPECT_EQ(filer.FindChild("a", 4), -1);
    EXPECT_EQ(filer.FindChild("ab", -3), 0);
    EXPECT_EQ(filer.FindChild("abc", 0), -1);
    EXPECT_EQ(filer.FindChild("", 0), -1);
}

TEST(ScrivelTest, FindsAChildWithItsText)
{
    CScrivel loaded;
    ASSERT_TRUE(loaded.LoadFromText("<r><a>1</a><b>x&amp;</b><a>2</a></r>"));
    CScrivel written;
    ASSERT_TRUE(written.AddItem("r"));
    for (const auto &[name, text] : {std::pair{"a", "1"}, {"b", "x&"}, {"a", "2"}})
        ASSERT_TRUE(written.AddTextItem(name, text));
    for (CScrivel *filer : {&loaded, &written}) {
        ASSERT_TRUE(filer->SelectRootItem());
        std::string_view value = "unchanged";
        EXPECT_EQ(filer->FindChildValue("c", 0, value), -1);
        EXPECT_EQ(value, "unchanged");
        EXPECT_EQ(filer->FindChildValue("b", 0, value), 1);
        EXPECT_EQ(value, "x&");
        EXPECT_EQ(filer->FindChildValue("a", 1, value), 2);
        EXPECT_EQ(value, "2");
    }
}

TEST(ScrivelTest, StepsToTheNextChildOfTheNameWithItsText)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText("<r><a>1</a><b>x&amp;</b><c/><a>2</a></r>"));
    ASSERT_TRUE(filer.SelectRootItem());
    int position = 0;
    std::string_view value = "unchanged";
    EXPECT_FALSE(filer.ReadNextChildValue("b", position, value)) << "the next child is <a>";
    EXPECT_TRUE(filer.ReadNextChildValue("a", position, value));
    EXPECT_EQ(value, "1");
    EXPECT_TRUE(filer.ReadNextChildValue("b", position, value));
    EXPECT_EQ(value, "x&");
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(filer.ReadNextChildValue("a", position, value)) << "<c> comes between";
    EXPECT_EQ(position, 2);
    EXPECT_EQ(value, "x&");
    position = 3;
    EXPECT_FALSE(filer.ReadNextChildValue("a", position, value))
        << "only the child after the one reached last is stepped to";
    EXPECT_EQ(filer.FindChildValue("a", position, value), 3);
    EXPECT_EQ(value, "2");
    position = 4;
    EXPECT_FALSE(filer.ReadNextChildValue("a", position, value)) << "no more children";

    CScrivel written;
    ASSERT_TRUE(written.AddItem("r"));
    ASSERT_TRUE(written.AddTextItem("a", "1"));
    position = 0;
    EXPECT_FALSE(written.ReadNextChildValue("a", position, value)) << "not an indexed document";
}

TEST(ScrivelTest, ReachesChildrenInAnyOrder)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText("<r><a>1</a><b><x/></b><c>3</c></r>"));
    ASSERT_TRUE(filer.SelectRootItem());
    const struct
    {
        int i;
        const char *name;
    } rows[] = {{2, "c"}, {0, "a"}, {3, ""}, {1, "b"}, {-1, ""}, {2, "c"}, {1, "b"}};
    for (const auto &row : rows)
        EXPECT_EQ(filer.GetChildName(row.i), row.name) << row.i;
    int position = 2;
    std::string_view value;
    EXPECT_TRUE(filer.ReadNextChildValue("c", position, value)) << "after the child reached last";
    ASSERT_TRUE(filer.SelectChild(1));
    EXPECT_EQ(filer.GetActiveItemName(), "b");
    EXPECT_EQ(filer.GetChildName(0), "x");
    ASSERT_TRUE(filer.ReturnBack());
    position = 2;
    EXPECT_TRUE(filer.ReadNextChildValue("c", position, value)) << "after the child selected";
    EXPECT_EQ(value, "3");
    EXPECT_EQ(filer.GetChildValue(0), "1");
}

TEST(ScrivelTest, GivesNoChildWithoutACurrentElementOrBeforeTheFirst)
{
    // An indexed document, and one that only the general parser reads (it holds a
    // processing instruction).
    for (const char *document : {"<r><a>1</a></r>", "<r><?pi?><a>1</a></r>"}) {
        SCOPED_TRACE(document);
        CScrivel filer;
        ASSERT_TRUE(filer.LoadFromText(document));
        EXPECT_EQ(filer.GetChildName(0), "") << "no current element";
        EXPECT_EQ(filer.GetChildValue(0), "") << "no current element";
        ASSERT_TRUE(filer.SelectRootItem());
        EXPECT_EQ(filer.GetChildName(-1), "");
        EXPECT_EQ(filer.GetChildValue(-1), "");
        EXPECT_EQ(filer.GetChildName(0), "a");
        EXPECT_EQ(filer.GetChildValue(0), "1");
    }
    CScrivel empty;
    EXPECT_EQ(empty.GetChildName(0), "");
    EXPECT_EQ(empty.GetChildValue(0), "");
}

TEST(ScrivelTest, StepsToNoChildBelowItsLimit)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText(nested(CScrivel::kMaxDepth + 1)));
    ASSERT_TRUE(filer.SelectRootItem());
    while (filer.SelectChild(0)) {
    }
    int position = 0;
    std::string_view value;
    EXPECT_FALSE(filer.ReadNextChildValue("a", position, value));
    EXPECT_EQ(filer.FindChildValue("a", position, value), 0);
}

TEST(ScrivelTest, AddsTheRootOnlyToAnEmptyDocument)
{
    CScrivel filer;
    EXPECT_FALSE(filer.SelectRootItem());
    EXPECT_EQ(filer.GetChildsCount(), 0);
    ASSERT_TRUE(filer.LoadFromText("<r/>"));
    EXPECT_FALSE(filer.AddItem("Other")) << "a loaded document has its root";
    ASSERT_TRUE(filer.SelectRootItem());
    EXPECT_TRUE(filer.AddItem("Child"));
    EXPECT_NE(filer.GetXmlContents().find("<Child"), std::string::npos);
}

TEST(ScrivelTest, RefusesBadDocumentsWithLineAndReason)
{
    const struct
    {
        const char *name;
        std::string text;
        const char *message;
    } rows[] = {
        {"empty", "", "mask.msk: line 1: the document is empty"},
        {"blanks only", "  \n ", "mask.msk: line 2: no root element"},
        {"truncated", "<GradeMask>\n<CenterX>1</CenterX>\n<Patt", "mask.msk: line 3:"},
        {"unclosed", "<a>\n<b>\n</b>\n", "mask.msk: line 3: end tag missing"},
        {"not XML", "CenterX = 12.5", "mask.msk: line 1: no root element"},
        {"binary", std::string("\x00\x01\xff\xfe<\x00\x80", 7), "mask.msk: line 1:"},
        {"two roots", "<a/>\n<b/>", "mask.msk: line 2: more than one root element"},
        {"mismatch", "<a>\n</b>", "mask.msk: line 2: end tag missing or not matching"},
        {"UTF-16", encoded("<a>\n<b>\n</c>\n</a>", 2, false), "mask.msk: line 3: end tag missing"},
        {"UTF-16 two roots", encoded("<a/>\n\n<b/>", 2, true),
         "mask.msk: line 3: more than one root element"},
        {"UTF-32", encoded("<a>\n<b>\n\n\n</c>", 4, true), "mask.msk: line 5: end tag missing"},
        {"Latin-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a>\xe9\xe9\xe9\xe9\n<b>\n</c>",
         "mask.msk: line 4: end tag missing"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CScrivel filer;
        EXPECT_FALSE(filer.LoadFromText(row.text, "mask.msk"));
        EXPECT_NE(filer.GetLastError().find(row.message), std::string::npos)
            << filer.GetLastError();
        EXPECT_FALSE(filer.SelectRootItem()) << "a refused document leaves nothing behind";
    }
}

TEST(ScrivelTest, GoesNoDeeperThanItsLimit)
{
    CScrivel filer;
    ASSERT_TRUE(filer.LoadFromText(nested(CScrivel::kMaxDepth + 1), "deep.xml"))
        << filer.GetLastError();
    ASSERT_TRUE(filer.SelectRootItem());
    while (filer.SelectChild(0)) {
    }
    EXPECT_EQ(filer.GetDepth(), CScrivel::kMaxDepth);
    EXPECT_EQ(filer.GetLastError(), "deep.xml: elements nested deeper than 256 levels");
    EXPECT_EQ(filer.GetChildsCount(), 1) << "the deeper element is there, only not reachable";
}

TEST_F(ScrivelFileTest, SavesAndLoadsFiles)
{
    CScrivel writer;
    ASSERT_TRUE(writer.AddItem("Root"));
    writer.SetValue("x");
    const std::filesystem::path file = m_folder / "doc.xml";
    ASSERT_TRUE(writer.SaveToFile(file)) << writer.GetLastError();
    EXPECT_TRUE(writer.GetLastError().empty());

    CScrivel reader;
    ASSERT_TRUE(reader.LoadFromFile(file)) << reader.GetLastError();
    ASSERT_TRUE(reader.SelectRootItem());
    EXPECT_EQ(reader.GetValue(), "x");
}

TEST_F(ScrivelFileTest, SavesADocumentBeingWrittenAndGoesOnWritingIt)
{
    CScrivel writer;
    ASSERT_TRUE(writer.AddItem("Root"));
    ASSERT_TRUE(writer.AddItem("Open"));
    writer.SetValue("x");
    const std::string written = writer.GetXmlContents();
    const std::filesystem::path file = m_folder / "doc.xml";
    ASSERT_TRUE(writer.SaveToFile(file)) << writer.GetLastError();
    std::ifstream saved(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), written);

    EXPECT_TRUE(writer.ReturnBack());
    ASSERT_TRUE(writer.AddTextItem("After", "y"));
    const std::string more = writer.GetXmlContents();
    EXPECT_NE(more.find("</Open>\n\t<After>y</After>\n</Root>"), std::string::npos) << more;
    EXPECT_EQ(writer.TakeXmlContents(), more);
    EXPECT_EQ(writer.GetDepth(), 0) << "the text was handed over with the document";
    EXPECT_EQ(writer.TakeXmlContents(), "<?xml version=\"1.0\"?>\n");

    CScrivel loaded;
    ASSERT_TRUE(loaded.LoadFromText(more));
    EXPECT_EQ(loaded.TakeXmlContents(), more);
    EXPECT_FALSE(loaded.SelectRootItem());
}

TEST_F(ScrivelFileTest, NamesTheFileWhenItCannotBeReadOrWritten)
{
    CScrivel filer;
    const std::filesystem::path missing = m_folder / "missing.msk";
    EXPECT_FALSE(filer.LoadFromFile(missing));
    EXPECT_EQ(filer.GetLastError(), missing.string() + ": cannot open: No such file or directory");

    ASSERT_TRUE(filer.AddItem("Root"));
    const std::filesystem::path noFolder = m_folder / "no-folder" / "doc.xml";
    EXPECT_FALSE(filer.SaveToFile(noFolder));
    EXPECT_EQ(filer.GetLastError().rfind(noFolder.string() + ": cannot create", 0), 0u)
        << filer.GetLastError();
}
