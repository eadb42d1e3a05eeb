// Morvane Scrivel XML filer tests.
// The index reads common documents as the general parser does, and leaves the others to it.
#include "platform/scrivel/XmlIndex.h"

#include "IndexAgreement.h"

#include <gtest/gtest.h>
#include <string>

using morvane::XmlIndex;

TEST(XmlIndexTest, ReadsCommonDocumentsAsTheParserDoes)
{
    const char *const documents[] = {
        "<r/>",
        "<?xml version=\"1.0\"?>\n<r>\n\t<a>1.250</a>\n\t<b />\n</r>\n",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>",
        "<!-- before --><r><!-- inside --></r><!-- after -->\n",
        "<r k=\"v\" other='x y' e=\"\"><a k=\"1\"/><a k=\"2\">two</a></r>",
        "<r a=\"&amp;&lt;&gt;&quot;&apos;\">&amp;x&lt;y&gt;&#09;&#x41;&#65;</r>",
        "<r a=\"t\tn\nr\r\nend\">line\r\nbreaks\rhere</r>",
        "<r>  </r>",
        "<r> \n <a/> \n </r>",
        "<r>  <!-- c -->  </r>",
        "<r>\n  <!-- c -->\n  x\n</r>",
        "<r>y<c/>w</r>",
        "<r><c/>w</r>",
        "<r>first<!-- c -->second</r>",
        "<r>a > b</r>",
        "<r a=\"x>y\"/>",
        "<r a='say \"hi\"' b=\"it's\" c='&amp;\"'/>",
        "<r><a  k = \"1\"/></r>",
        "<Point.x-1_a \xc3\xa9=\"\xc3\xa9\">\xc3\xa9</Point.x-1_a >",
        "<r><a><b><c>deep</c></b></a><d/></r>",
        "<r>\n\t<a> x&amp;y </a>\n\t<b>\tx\ty \n</b>\n\t<c> \r\n </c>\n\t\r\n</r>",
        "<r><c>\t&lt;</c><d>x\r</d></r>",
        "<r><LongerThanAWord>x</LongerThanAWord><EightChr/><EightChr></EightChr></r>",
        "<ab></ab>",
    };
    for (const char *document : documents) {
        SCOPED_TRACE(document);
        XmlIndex index;
        if (!index.read(document)) {
            // Only the spaced attribute may be left to the parser.
            EXPECT_NE(std::string(document).find(" = "), std::string::npos) << "not indexed";
            continue;
        }
        EXPECT_EQ(scrivel_test::indexDisagreement(index, document), "");
    }
}

TEST(XmlIndexTest, LeavesOtherDocumentsToTheParser)
{
    const struct
    {
        const char *name;
        std::string text;
    } rows[] = {
        {"empty", ""},
        {"blanks only", "  \n "},
        {"not XML", "CenterX = 12.5"},
        {"truncated", "<GradeMask>\n<CenterX>1</CenterX>\n<Patt"},
        {"unclosed", "<a>\n<b>\n</b>\n"},
        {"mismatch", "<a>\n</b>"},
        {"longer end tag", "<a></ab>"},
        {"shorter end tag", "<r><ab></a>    </r>"},
        {"end tag that differs in its last character", "<r><abcdefg></abcdefh>\n</r>"},
        {"end tag that differs beyond a word", "<r><abcdefghij></abcdefghik>\n</r>"},
        {"end tag cut short", "<abcdefghij></abcdefghi"},
        {"two roots", "<a/>\n<b/>"},
        {"text after the root", "<a/>x"},
        {"text before the root", "x<a/>"},
        {"null character", std::string("<a>\0</a>", 8)},
        {"null character in a value", std::string("<a b=\"\0\"/>", 10)},
        {"null character in a value to decode", std::string("<a b=\"&amp;\0\"/>", 15)},
        {"null character in a comment", std::string("<a><!-- \0 --></a>", 17)},
        {"null character in the declaration", std::string("<?xml version=\"1.0\0\"?><a/>", 26)},
        {"null character after the root", std::string("<a/>\n\0", 6)},
        {"byte-order mark", "\xef\xbb\xbf<a/>"},
        {"other encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"},
        {"UTF-16", std::string("<\0a\0/\0>\0", 8)},
        {"CDATA", "<a><![CDATA[x]]></a>"},
        {"processing instruction", "<a><?pi x?></a>"},
        {"document type", "<!DOCTYPE a><a/>"},
        {"other entity", "<a>&nbsp;</a>"},
        {"character beyond ASCII", "<a>&#233;</a>"},
        {"null reference", "<a>&#0;</a>"},
        {"unterminated reference", "<a>&#65</a>"},
        {"bare ampersand", "<a>a & b</a>"},
        {"colon in a name", "<a:b/>"},
        {"attributes not apart", "<a b=\"1\"c=\"2\"/>"},
        {"unquoted attribute", "<a b=1/>"},
        {"attribute cut short", "<a><b c\xbc"},
        {"less-than in an attribute", "<a b=\"<\"/>"},
        {"unterminated comment", "<a><!-- x</a>"},
        {"bad start tag", "<a$/>"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        XmlIndex index;
        EXPECT_FALSE(index.read(row.text));
        EXPECT_TRUE(index.empty());
        EXPECT_EQ(index.text(), row.text) << "the text stays for the parser";
    }
}

TEST(XmlIndexTest, TellsNamesApartInEveryCharacter)
{
    const char *const names[] = {"x", "Id", "Pos", "PosX", "Point", "Closed", "Element",
                                 "RotAngle", "Rotations", "LongerThanAWord"};
    for (const std::string name : names) {
        SCOPED_TRACE(name);
        XmlIndex index;
        ASSERT_TRUE(index.read("<r><" + name + " " + name + "=\"v\"/></r>"));
        std::string_view value;
        EXPECT_TRUE(index.hasName(1, name));
        EXPECT_TRUE(index.findAttribute(1, name, value));
        EXPECT_FALSE(index.hasName(1, name + "s"));
        EXPECT_FALSE(index.hasName(1, name.substr(1)));
        for (size_t i = 0; i < name.size(); ++i) {
            std::string other = name;
            other[i] = '_';
            EXPECT_FALSE(index.hasName(1, other)) << other;
            EXPECT_FALSE(index.findAttribute(1, other, value)) << other;
        }
    }
}
