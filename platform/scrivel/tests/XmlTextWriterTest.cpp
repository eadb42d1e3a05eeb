// Morvane Scrivel XML filer tests.
// Text written while a document is built, compared with pugixml's print of the same tree.
#include "platform/scrivel/XmlTextWriter.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <random>
#include <string>
#include <vector>

using morvane::XmlTextWriter;

namespace {

// The same document built as a pugixml tree, the calls doing what the filer's tree does.
class TreeBuilder
{
public:
    void startDocument(const std::string &name)
    {
        m_current = m_document.append_child(name.c_str());
    }
    void openElement(const std::string &name) { m_current = m_current.append_child(name.c_str()); }
    bool closeElement()
    {
        if (m_current.parent() == m_document)
            return false;
        m_current = m_current.parent();
        return true;
    }
    void setText(std::string_view text)
    {
        if (!m_current.first_child())
            m_current.append_child(pugi::node_pcdata).set_value(text.data(), text.size());
        else
            m_current.text().set(text.data(), text.size());
    }
    std::string_view text() const { return m_current.child_value(); }
    void setAttribute(const std::string &name, std::string_view value)
    {
        pugi::xml_attribute attribute = m_current.attribute(name.c_str());
        if (!attribute)
            attribute = m_current.append_attribute(name.c_str());
        attribute.set_value(value.data(), value.size());
    }
    bool findAttribute(const std::string &name, std::string_view &value) const
    {
        const pugi::xml_attribute attribute = m_current.attribute(name.c_str());
        if (!attribute)
            return false;
        value = attribute.value();
        return true;
    }
    std::string contents() const
    {
        struct Writer : pugi::xml_writer
        {
            void write(const void *data, size_t size) override
            {
                text.append(static_cast<const char *>(data), size);
            }
            std::string text;
        } writer;
        m_document.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
        return writer.text;
    }

private:
    pugi::xml_document m_document;
    pugi::xml_node m_current;
};

// One step of building a document, applied to both sides.
enum class Step { Open, Close, Text, Attribute, TextElement };

struct Call
{
    Step step;
    std::string name;
    std::string value;
};

void apply(const Call &call, XmlTextWriter &writer, TreeBuilder &tree)
{
    switch (call.step) {
    case Step::Open:
        writer.openElement(call.name);
        tree.openElement(call.name);
        return;
    case Step::Close:
        EXPECT_EQ(writer.closeElement(), tree.closeElement());
        return;
    case Step::Text:
        writer.setText(call.value);
        tree.setText(call.value);
        return;
    case Step::Attribute:
        writer.setAttribute(call.name, call.value);
        tree.setAttribute(call.name, call.value);
        return;
    case Step::TextElement:
        writer.writeTextElement(call.name, call.value);
        tree.openElement(call.name);
        tree.setText(call.value);
        tree.closeElement();
        return;
    }
}

// Builds the document on both sides and checks that every reading and the text agree.
void expectSameAsTree(const std::vector<Call> &calls)
{
    XmlTextWriter writer;
    TreeBuilder tree;
    writer.startDocument("Root");
    tree.startDocument("Root");
    for (const Call &call : calls) {
        apply(call, writer, tree);
        ASSERT_EQ(writer.text(), tree.text());
        for (const char *name : {"a", "b", "", "ClassName"}) {
            std::string_view written;
            std::string_view built;
            ASSERT_EQ(writer.findAttribute(name, written), tree.findAttribute(name, built));
            ASSERT_EQ(written, built) << name;
        }
    }
    const std::string expected = tree.contents();
    EXPECT_EQ(writer.contents(), expected);
    EXPECT_EQ(writer.useContents([](std::string_view text) { return std::string(text); }),
              expected);
    EXPECT_EQ(writer.contents(), expected) << "the document stays as it was after useContents";
    EXPECT_EQ(writer.takeContents(), expected);
    EXPECT_FALSE(writer.isStarted());
}

} // namespace

TEST(XmlTextWriterTest, WritesWhatTheTreeWouldPrint)
{
    const std::string special = std::string("<>&\"'\t\n\r\x01\x1f\x7f \xc3\xa9");
    const struct
    {
        const char *name;
        std::vector<Call> calls;
    } rows[] = {
        {"empty root", {}},
        {"text only", {{Step::Text, "", "12.500"}}},
        {"long text element",
         {{Step::TextElement, "a", std::string(100, '&')}, {Step::TextElement, "b", "1"}}},
        {"special characters",
         {{Step::Attribute, "a", special}, {Step::Open, "b", ""}, {Step::Text, "", special}}},
        {"empty text", {{Step::Open, "Name", ""}, {Step::Text, "", ""}, {Step::Close, "", ""}}},
        {"text replaced",
         {{Step::Open, "x", ""}, {Step::Text, "", "first"}, {Step::Text, "", "s&cond"}}},
        {"text after children",
         {{Step::Open, "c", ""},
          {Step::Close, "", ""},
          {Step::Text, "", "t"},
          {Step::Open, "d", ""},
          {Step::Close, "", ""},
          {Step::Text, "", "again"}}},
        {"child after text",
         {{Step::Open, "n", ""},
          {Step::Text, "", "x"},
          {Step::Open, "c", ""},
          {Step::Open, "cc", ""}}},
        {"attribute after children",
         {{Step::Open, "c", ""},
          {Step::Text, "", "1"},
          {Step::Close, "", ""},
          {Step::Attribute, "a", "late"},
          {Step::Attribute, "a", "later & longer"},
          {Step::Attribute, "b", ""},
          {Step::Attribute, "a", ""}}},
        {"anonymous names",
         {{Step::Attribute, "", "1"},
          {Step::Attribute, "", "2"},
          {Step::Open, "", ""},
          {Step::Text, "", "t"}}},
        {"null characters",
         {{Step::Attribute, std::string("a\0b", 3), std::string("v\0w", 3)},
          {Step::Open, std::string("e\0f", 3), ""},
          {Step::Text, "", std::string("t\0u", 3)}}},
        {"closing the root", {{Step::Close, "", ""}, {Step::Open, "a", ""}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        expectSameAsTree(row.calls);
    }
}

TEST(XmlTextWriterTest, IndentsDeepElementsAsTheTree)
{
    std::vector<Call> calls;
    for (int depth = 0; depth < 40; ++depth) {
        calls.push_back({Step::Open, "d", ""});
        if (depth % 7 == 0)
            calls.push_back({Step::Text, "", "t"});
    }
    for (int depth = 0; depth < 20; ++depth)
        calls.push_back({Step::Close, "", ""});
    calls.push_back({Step::Open, "after", ""});
    expectSameAsTree(calls);
}

namespace {

// Documents of random calls of the first stepCount kinds of step.
void expectSameAsTreeForRandomCalls(int stepCount)
{
    // Names below, at and above sixteen characters, beyond which the writer copies them otherwise.
    const std::vector<std::string> names = {
        "a", "b", "", "ClassName", "Point", "SixteenCharName1", "SeventeenCharName"};
    const std::vector<std::string> values = {
        "", "1", "-0.250", "a&b", "<x>", "\"q\"", "\t\n", "  ", "\x02", std::string("z\0", 2),
        // Eight bytes and more, with what escaping changes in either block or nowhere.
        "-12500.000", "Shape 9999", "0123456789&", "1234567<89", "abc>defghij", "\"quoted\" text",
        "one\ttwo\nthree", "abcdefgh\x1f", "caf\xc3\xa9 cr\xc3\xa8me",
        std::string("12345678\0tail", 13),
        // Eight bytes and more, with characters beside those that escaping changes.
        "#1 = 2% of $3'"};
    std::mt19937 random(2121);
    for (int document = 0; document < 200; ++document) {
        SCOPED_TRACE(document);
        std::vector<Call> calls;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            const auto step = static_cast<Step>(random() % static_cast<unsigned>(stepCount));
            calls.push_back(
                {step, names[random() % names.size()], values[random() % values.size()]});
        }
        expectSameAsTree(calls);
    }
}

} // namespace

TEST(XmlTextWriterTest, WritesWhatTheTreeWouldPrintForAnyCalls)
{
    expectSameAsTreeForRandomCalls(4);
}

TEST(XmlTextWriterTest, WritesTextElementsInOneStepAsTheTree)
{
    expectSameAsTreeForRandomCalls(5);
}

TEST(XmlTextWriterTest, KnowsThePathOfTheOpenElements)
{
    XmlTextWriter writer;
    EXPECT_FALSE(writer.isStarted());
    writer.startDocument("Root");
    writer.openElement("a");
    writer.closeElement();
    writer.openElement("b");
    writer.openElement("c");
    EXPECT_EQ(writer.depth(), 3);
    EXPECT_EQ(writer.elementName(), "c");
    EXPECT_EQ(writer.openPath(), (std::vector<int>{1, 0}));
    writer.clear();
    EXPECT_FALSE(writer.isStarted());
}
