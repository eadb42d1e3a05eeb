// Morvane foundation library tests.
// Stored members: document structure, presence and form, numbers, collections and references.
#include "foundation/AttContainer.h"

#include "SampleModel.h"
#include "ScopedLocale.h"
#include "XmlTestSupport.h"
#include "foundation/XmlArchive.h"

#include <cmath>
#include <memory>
#include <stdexcept>

using namespace morvane;

namespace {

sample::Pattern *addPattern(sample::Document &document, const std::string &name)
{
    auto pattern = std::make_unique<sample::Pattern>();
    pattern->name = name;
    sample::Pattern *added = pattern.get();
    document.patterns.AddOwned(std::move(pattern));
    return added;
}

sample::Point *addPoint(sample::Pattern &pattern, double x, double y)
{
    auto point = std::make_unique<sample::Point>();
    point->x = x;
    point->y = y;
    sample::Point *added = point.get();
    pattern.points.AddOwned(std::move(point));
    return added;
}

// The document of the example: Version, Name, PosX and two patterns, the second with a point.
void fillExample(sample::Document &document)
{
    document.name = "Front";
    document.posX = 12.5;
    addPattern(document, "A");
    addPoint(*addPattern(document, "B"), 1.0, 2.0);
}

const char *const kExampleText = R"(<?xml version="1.0"?>
<Example Version="2121">
	<Name>Front</Name>
	<PosX>12.500</PosX>
	<Patterns>
		<Pattern PatternID="0">
			<sName>A</sName>
		</Pattern>
		<Pattern PatternID="1">
			<sName>B</sName>
			<BasePoints>
				<Point PointID="0">
					<x>1.000</x>
					<y>2.000</y>
				</Point>
			</BasePoints>
		</Pattern>
	</Patterns>
</Example>
)";

// An object with one member of each value kind, for presence, form and precision cases.
class Values : public CAttContainer
{
public:
    std::string text;
    int number = 0;
    uint32_t bits = 0;
    bool flag = false;
    double value = 0.0;
};

// A pattern that fails while loading when its name says so, after loading its points.
class FragilePattern : public sample::Pattern
{
public:
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    bool LoadAttributes(CXmlArchive &archive) override
    {
        sample::Pattern::LoadAttributes(archive);
        if (name == "broken")
            throw std::runtime_error("broken pattern");
        return true;
    }
};

const CRuntimeClass kFragilePatternClass("FragilePattern", &CreateObjectOf<FragilePattern>,
                                         sample::Pattern::GetThisClass());

const CRuntimeClass *FragilePattern::GetThisClass()
{
    return &kFragilePatternClass;
}

// Patterns made of fragile patterns, and a list of marked points referring into them.
class FragileDocument : public CAttContainer
{
public:
    FragileDocument()
    {
        AddClassCollectionAttribute(&patterns, "Patterns", "Pattern",
                                    FragilePattern::GetThisClass(), XmlNaming::Numbered);
        AddPtrCollectionAttribute(&marked, "Marked", "Point");
    }

    COwningCollection<sample::Pattern> patterns;
    CPtrCollection<sample::Point> marked;
};

// Two collections whose elements share the element name "Pattern", and references into both.
class TwoCollections : public CAttContainer
{
public:
    TwoCollections()
    {
        AddClassCollectionAttribute(&front, "Front", "Pattern", sample::Pattern::GetThisClass(),
                                    XmlNaming::Numbered);
        AddClassCollectionAttribute(&back, "Back", "Pattern", sample::Pattern::GetThisClass(),
                                    XmlNaming::Numbered);
        AddPtrCollectionAttribute(&chosen, "Chosen", "Pattern");
    }

    COwningCollection<sample::Pattern> front;
    COwningCollection<sample::Pattern> back;
    CPtrCollection<sample::Pattern> chosen;
};

} // namespace

TEST(AttContainerTest, WritesTheExampleDocumentAndReadsItBack)
{
    sample::Document document;
    fillExample(document);
    EXPECT_EQ(saveText(document), kExampleText);

    sample::Document loaded;
    ASSERT_EQ(loadText(loaded, kExampleText), 0);
    EXPECT_EQ(loaded.version, 2121);
    EXPECT_EQ(loaded.name, "Front");
    EXPECT_EQ(loaded.posX, 12.5);
    ASSERT_EQ(loaded.patterns.GetCount(), 2);
    EXPECT_EQ(loaded.patterns.GetAt(1)->name, "B");
    ASSERT_EQ(loaded.patterns.GetAt(1)->points.GetCount(), 1);
    EXPECT_EQ(loaded.patterns.GetAt(1)->points.GetAt(0)->y, 2.0);
    EXPECT_EQ(loaded.patterns.GetAt(1)->points.GetAt(0)->id, -1) << "Id was never set";
    EXPECT_EQ(saveText(loaded), kExampleText);
}

TEST(AttContainerTest, WritesNoElementForAnEmptyOptionalCollection)
{
    sample::Document document;
    const std::string text = saveText(document);
    EXPECT_EQ(text.find("Patterns"), std::string::npos) << text;
    EXPECT_EQ(text.find("Settings"), std::string::npos) << "nothing of the settings is set";
}

TEST(AttContainerTest, ResolvesAReferenceToAnObjectLaterInTheFile)
{
    sample::Document document;
    fillExample(document);
    sample::Pattern *pattern = document.patterns.GetAt(1);
    document.favourite = pattern;
    pattern->mark = pattern->points.GetAt(0);
    document.marked.Add(pattern->points.GetAt(0));
    const std::string text = saveText(document);
    EXPECT_LT(text.find("<Favourite>1</Favourite>"), text.find("<Patterns>"));

    sample::Document loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    EXPECT_EQ(loaded.favourite, loaded.patterns.GetAt(1));
    ASSERT_EQ(loaded.marked.GetCount(), 1);
    EXPECT_EQ(loaded.marked.GetAt(0), loaded.patterns.GetAt(1)->points.GetAt(0));
    EXPECT_EQ(loaded.patterns.GetAt(1)->mark, loaded.marked.GetAt(0));
}

TEST(AttContainerTest, RedirectsEveryReferenceToAReplacedObject)
{
    sample::Document document;
    fillExample(document);
    sample::Pattern *pattern = document.patterns.GetAt(1);
    addPoint(*pattern, 3.0, 4.0);
    sample::Point *old = pattern->points.GetAt(0);
    sample::Point *replacement = pattern->points.GetAt(1);
    document.favourite = document.patterns.GetAt(0);
    pattern->mark = old;
    document.marked.Add(old);
    document.marked.Add(replacement);
    auto line = std::make_unique<sample::Line>();
    line->points.Add(old);
    line->start = old;
    sample::Line *kept = line.get();
    pattern->lines.AddOwned(std::move(line));

    document.RedirectReferences(old, replacement);

    EXPECT_EQ(pattern->mark, replacement);
    EXPECT_EQ(kept->start, replacement);
    ASSERT_EQ(kept->points.GetCount(), 1);
    EXPECT_EQ(kept->points.GetAt(0), replacement);
    EXPECT_EQ(document.marked.GetAt(0), replacement);
    EXPECT_EQ(document.favourite, document.patterns.GetAt(0));

    // A replacement of another type cannot be pointed at: references become null, and
    // reference lists drop the entry.
    document.RedirectReferences(replacement, document.patterns.GetAt(0));
    EXPECT_EQ(pattern->mark, nullptr);
    EXPECT_EQ(kept->points.GetCount(), 0);
    EXPECT_EQ(document.marked.GetCount(), 0);
}

TEST(AttContainerTest, ReferencesObjectsByTheirOwnNames)
{
    sample::Document document;
    for (const char *name : {"R1", "R2"}) {
        auto region = std::make_unique<sample::Region>();
        region->name = name;
        region->direction = 1.5707963;
        document.regions.AddOwned(std::move(region));
    }
    document.regions.GetAt(1)->type = 2;
    document.activeRegion = document.regions.GetAt(1);
    const std::string text = saveText(document);
    EXPECT_NE(text.find("<Region>"), std::string::npos) << "no identifier attribute: " << text;
    EXPECT_NE(text.find("<RegDir>1.570796</RegDir>"), std::string::npos);
    EXPECT_NE(text.find("<ActiveRegion>R2</ActiveRegion>"), std::string::npos);

    sample::Document loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    EXPECT_EQ(loaded.activeRegion, loaded.regions.GetAt(1));
    EXPECT_EQ(loaded.regions.GetAt(0)->type, 0);
    EXPECT_EQ(loaded.regions.GetAt(1)->type, 2);
}

TEST(AttContainerTest, NumbersElementsContinuouslyAcrossCollectionsSharingAnElementName)
{
    TwoCollections object;
    for (auto *collection : {&object.front, &object.back}) {
        for (const char *name : {"a", "b"}) {
            auto pattern = std::make_unique<sample::Pattern>();
            pattern->name = name;
            collection->AddOwned(std::move(pattern));
        }
    }
    object.chosen.Add(object.back.GetAt(1));
    object.chosen.Add(object.front.GetAt(0));
    const std::string text = saveText(object);
    for (const char *id :
         {"PatternID=\"0\"", "PatternID=\"1\"", "PatternID=\"2\"", "PatternID=\"3\""}) {
        EXPECT_NE(text.find(id), std::string::npos) << id << " in " << text;
    }
    EXPECT_LT(text.find("PatternID=\"1\""), text.find("<Back>"));
    EXPECT_EQ(saveText(object), text) << "a second save gives the same names";

    TwoCollections loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    ASSERT_EQ(loaded.chosen.GetCount(), 2);
    EXPECT_EQ(loaded.chosen.GetAt(0), loaded.back.GetAt(1));
    EXPECT_EQ(loaded.chosen.GetAt(1), loaded.front.GetAt(0));
}

TEST(AttContainerTest, WritesDoublesWithTheirPrecisionInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    const struct
    {
        int precision;
        double value;
        const char *text;
    } rows[] = {
        {3, 2.5, "2.500"},
        {0, 2.5, "2.500000"},
        {9, 2.5, "2.500000"},
        {1, 2.25, "2.2"},
        {7, 2.5, "2.5000000"},
        {6, -1.0 / 3, "-0.333333"},
        {3, 1234567.0, "1234567.000"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        Values object;
        object.value = row.value;
        object.AddDoubleAttribute(&object.value, "Value", XmlPresence::Required, XmlForm::Attribute,
                                  row.precision);
        const std::string text = saveText(object);
        EXPECT_NE(text.find(std::string("Value=\"") + row.text + "\""), std::string::npos) << text;
        Values loaded;
        loaded.AddDoubleAttribute(&loaded.value, "Value", XmlPresence::Required, XmlForm::Attribute,
                                  row.precision);
        ASSERT_EQ(loadText(loaded, text), 0);
        const int decimals = row.precision >= 1 && row.precision <= 7 ? row.precision : 6;
        EXPECT_NEAR(loaded.value, row.value, 0.5 * std::pow(10.0, -decimals));
    }
}

TEST(AttContainerTest, ReadsNumbersAsTheCLibraryDoes)
{
    const ScopedLocale german("de_DE.UTF-8");
    Values object;
    object.AddBoolAttribute(&object.flag, "Flag");
    object.AddIntAttribute(&object.number, "Number");
    object.AddDwordAttribute(&object.bits, "Bits");
    object.AddDoubleAttribute(&object.value, "Value");
    ASSERT_EQ(loadText(object, "<r><Flag>7</Flag><Number> 12mm</Number><Bits>-1</Bits>"
                               "<Value>2.5e1x</Value></r>"),
              0);
    EXPECT_TRUE(object.flag) << "any non-zero number is true";
    EXPECT_EQ(object.number, 12);
    EXPECT_EQ(object.bits, 0xFFFFFFFFu);
    EXPECT_EQ(object.value, 25.0);

    const std::string text = saveText(object);
    EXPECT_NE(text.find("<Flag>1</Flag>"), std::string::npos);
    EXPECT_NE(text.find("<Bits>-1</Bits>"), std::string::npos) << "the bits as a signed number";
    EXPECT_NE(text.find("<Value>25.000</Value>"), std::string::npos);
}

TEST(AttContainerTest, WritesEachPresenceAsItsRuleSays)
{
    const struct
    {
        const char *name;
        XmlPresence presence;
        bool setValues;
        bool written;
    } rows[] = {
        {"ignored", XmlPresence::Ignored, true, false},
        {"optional, not set", XmlPresence::Optional, false, true},
        {"required, not set", XmlPresence::Required, false, true},
        {"read only", XmlPresence::ReadOnly, true, false},
        {"when set, not set", XmlPresence::WhenSet, false, false},
        {"when set, set", XmlPresence::WhenSet, true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Values object;
        object.number = 5;
        object.AddIntAttribute(&object.number, "Number", row.presence);
        object.AddBoolAttribute(&object.flag, "Flag", row.presence);
        object.AddDoubleAttribute(&object.value, "Value", row.presence);
        object.AddDwordAttribute(&object.bits, "Bits", row.presence);
        if (row.setValues) {
            object.number = 6;
            object.flag = true;
            object.value = 0.5;
            object.bits = 3;
        }
        const std::string text = saveText(object);
        for (const char *key : {"<Number>", "<Flag>", "<Value>", "<Bits>"})
            EXPECT_EQ(text.find(key) != std::string::npos, row.written) << key << text;
    }
}

TEST(AttContainerTest, WritesAnOptionalStringOnlyWhenNotEmpty)
{
    for (const XmlPresence presence : {XmlPresence::Optional, XmlPresence::WhenSet}) {
        Values object;
        object.AddStringAttribute(&object.text, "Text", presence);
        EXPECT_EQ(saveText(object).find("Text"), std::string::npos);
        object.text = " spaced ";
        EXPECT_NE(saveText(object).find("<Text> spaced </Text>"), std::string::npos);
    }
    Values required;
    required.AddStringAttribute(&required.text, "Text");
    EXPECT_NE(saveText(required).find("<Text></Text>"), std::string::npos) << saveText(required);
}

TEST(AttContainerTest, PutsAWhenSetMemberBackWhenItIsAbsent)
{
    Values object;
    object.number = -1;
    object.AddIntAttribute(&object.number, "Id", XmlPresence::WhenSet);
    object.AddIntAttribute(&object.bits, "Kind", XmlPresence::Optional);
    object.number = 9;
    object.bits = 4;
    ASSERT_EQ(loadText(object, "<r/>"), 0);
    EXPECT_EQ(object.number, -1) << "absent means never set";
    EXPECT_EQ(object.bits, 4u) << "an absent optional member keeps its value";
}

TEST(AttContainerTest, ReadsAndWritesXmlAttributesAndInlineCollections)
{
    // A collection of form Attribute takes every child from its position on.
    class Inline : public CAttContainer
    {
    public:
        Inline()
        {
            AddStringAttribute(&name, "Name", XmlPresence::Required, XmlForm::Attribute);
            AddClassCollectionAttribute(&points, "Points", "Point", sample::Point::GetThisClass(),
                                        XmlNaming::None, XmlPresence::Required, XmlForm::Attribute);
        }
        std::string name;
        COwningCollection<sample::Point> points;
    };

    Inline object;
    object.name = "a\"b";
    for (int i = 0; i < 2; ++i)
        object.points.AddOwned(std::make_unique<sample::Point>());
    object.points.GetAt(1)->x = 4.0;
    const std::string text = saveText(object);
    EXPECT_NE(text.find("<Example Name=\"a&quot;b\">\n\t<Point>"), std::string::npos) << text;

    Inline loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    EXPECT_EQ(loaded.name, "a\"b");
    ASSERT_EQ(loaded.points.GetCount(), 2);
    EXPECT_EQ(loaded.points.GetAt(1)->x, 4.0);
}

TEST(AttContainerTest, MarksAnEmbeddedObjectWrittenIntoItsOwner)
{
    class Owner : public CAttContainer
    {
    public:
        Owner()
        {
            AddContainerAttribute(&settings, "Settings", XmlPresence::Optional, XmlForm::Attribute);
        }
        sample::Settings settings;
    };

    Owner object;
    EXPECT_EQ(saveText(object).find("Settings"), std::string::npos) << "nothing set";
    object.settings.snap = true;
    const std::string text = saveText(object);
    EXPECT_NE(text.find("<Example Settings=\"\">\n\t<Snap>1</Snap>"), std::string::npos) << text;

    Owner loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    EXPECT_TRUE(loaded.settings.snap);
    Owner unmarked;
    ASSERT_EQ(loadText(unmarked, "<r><Snap>1</Snap></r>"), 0);
    EXPECT_FALSE(unmarked.settings.snap) << "an embedded object without its mark is not read";
}

TEST(AttContainerTest, FindsChildrenOnlyInRegistrationOrder)
{
    const ScriptedQuestion question;
    Values object;
    double posY = 7.0;
    object.AddDoubleAttribute(&object.value, "PosX");
    object.AddDoubleAttribute(&posY, "PosY");
    ASSERT_EQ(loadText(object, "<r><PosY>2</PosY><Other/><PosX>1</PosX></r>"), 0);
    EXPECT_EQ(object.value, 1.0);
    EXPECT_EQ(posY, 7.0) << "PosY comes before PosX and is not seen";
    EXPECT_EQ(question.asked, std::vector<std::string>{"Required attribute [PosY] not found !"});
}

TEST(AttContainerTest, SkipsAnUnknownClassAndLoadsTheNextElement)
{
    const ScriptedQuestion question;
    sample::Document document;
    ASSERT_EQ(loadText(document, R"(<Example Version="1"><Name/><PosX>0</PosX><Shapes>
            <Shape ClassName="SampleTriangle"><Side>3</Side></Shape>
            <Shape ClassName="SampleSquare"><Side>2</Side><Filled>1</Filled></Shape>
            <Shape ClassName="SamplePoint"><x>1</x><y>1</y></Shape>
            <Shape><Radius>5</Radius></Shape>
        </Shapes></Example>)"),
              0);
    EXPECT_EQ(question.asked, (std::vector<std::string>{"Missing runtime class [SampleTriangle] ",
                                                        "Missing runtime class [SamplePoint] "}))
        << "a registered class outside the collection's list is refused too";
    ASSERT_EQ(document.shapes.GetCount(), 2);
    const auto *square = dynamic_cast<sample::Square *>(document.shapes.GetAt(0));
    ASSERT_NE(square, nullptr);
    EXPECT_TRUE(square->filled);
    const auto *circle = dynamic_cast<sample::Circle *>(document.shapes.GetAt(1));
    ASSERT_NE(circle, nullptr) << "no ClassName: the first class";
    EXPECT_EQ(circle->radius, 5.0);

    EXPECT_NE(saveText(document).find("<Shape ClassName=\"SampleSquare\">"), std::string::npos);
}

TEST(AttContainerTest, IgnoreOrRetryKeepsTheConstructedValue)
{
    for (const XmlErrorAnswer answer : {XmlErrorAnswer::Ignore, XmlErrorAnswer::Retry}) {
        const ScriptedQuestion question({answer});
        sample::Document document;
        document.posX = 3.5;
        EXPECT_EQ(loadText(document, "<Example Version=\"7\"><Name>n</Name></Example>"), 0);
        EXPECT_EQ(document.posX, 3.5);
        EXPECT_EQ(document.version, 7);
        EXPECT_EQ(question.asked,
                  std::vector<std::string>{"Required attribute [PosX] not found !"});
    }
}

TEST(AttContainerTest, AbortStopsTheLoadAfterOneQuestion)
{
    const ScriptedQuestion question({XmlErrorAnswer::Abort});
    sample::Document document;
    CXmlArchive archive;
    ASSERT_TRUE(archive.LoadFromText("<Example><PosX>1</PosX></Example>", "mask.msk"));
    EXPECT_EQ(archive.LoadObject(document, "Example"), 1);
    EXPECT_EQ(question.asked.size(), 1u) << "Version and Name are both missing";
    EXPECT_EQ(archive.GetLastError(), "mask.msk: loading aborted");
    EXPECT_EQ(document.posX, 0.0) << "nothing after the abort is read";
}

TEST(AttContainerTest, ResolvesOnlyTheNamesReadInTheSameLoad)
{
    // Points, references to them (also inside an embedded line), then a required member.
    class Marks : public CAttContainer
    {
    public:
        Marks()
        {
            AddClassCollectionAttribute(&points, "Points", "Point", sample::Point::GetThisClass(),
                                        XmlNaming::Numbered, XmlPresence::Optional);
            AddPtrCollectionAttribute(&marked, "Marked", "Point", XmlPresence::Optional);
            AddContainerAttribute(&line, "Line", XmlPresence::Optional);
            AddIntAttribute(&last, "Last");
        }
        COwningCollection<sample::Point> points;
        CPtrCollection<sample::Point> marked;
        sample::Line line;
        int last = 0;
    };

    Marks marks;
    {
        const ScriptedQuestion question({XmlErrorAnswer::Abort});
        ASSERT_EQ(loadText(marks, R"(<r><Points><Point PointID="0"><x>0</x><y>0</y></Point>
                </Points><Marked><Point>0</Point></Marked>
                <Line><Points><Point>0</Point></Points><Start>0</Start></Line></r>)"),
                  1);
    }
    ASSERT_EQ(loadText(marks, R"(<r><Points><Point PointID="0"><x>0</x><y>0</y></Point>
            </Points><Last>1</Last></r>)"),
              0);
    EXPECT_EQ(marks.marked.GetCount(), 0) << "the aborted load's names are not resolved now";
    EXPECT_EQ(marks.line.points.GetCount(), 0);
    EXPECT_EQ(marks.line.start, nullptr);
}

TEST(AttContainerTest, DropsUnresolvedReferencesAndReportsThem)
{
    const ScriptedQuestion question;
    sample::Document document;
    ASSERT_EQ(loadText(document, R"(<Example Version="1"><Name/><PosX>0</PosX>
            <Favourite>9</Favourite>
            <Patterns><Pattern PatternID="0"><sName>p</sName>
                <BasePoints><Point PointID="0"><x>0</x><y>0</y></Point></BasePoints>
                <Lines><Line Kind="3"><Points><Point>0</Point><Point>5</Point><Point/></Points>
                    <Start>7</Start></Line></Lines>
            </Pattern></Patterns>
            <Marked><Point>4</Point><Point>0</Point></Marked></Example>)"),
              0);
    const sample::Pattern *pattern = document.patterns.GetAt(0);
    const sample::Line *line = pattern->lines.GetAt(0);
    EXPECT_EQ(line->kind, 3);
    ASSERT_EQ(line->points.GetCount(), 1) << "no null entry is left in the list";
    EXPECT_EQ(line->points.GetAt(0), pattern->points.GetAt(0));
    ASSERT_EQ(document.marked.GetCount(), 1);
    EXPECT_EQ(document.favourite, nullptr) << "an optional reference to nothing";
    EXPECT_EQ(line->start, nullptr);
    EXPECT_EQ(question.asked, (std::vector<std::string>{"Reference [Points] not found !",
                                                        "Reference [Points] not found !",
                                                        "Reference [Marked] not found !"}));
}

TEST(AttContainerTest, ReportsARequiredReferenceThatFindsNothingOrTheWrongKind)
{
    class Holder : public CAttContainer
    {
    public:
        Holder()
        {
            AddClassCollectionAttribute(&regions, "Regions", "Point",
                                        sample::Region::GetThisClass(), XmlNaming::OwnNames);
            AddPtrAttribute(&point, "Point", "Point");
            AddPtrAttribute(&other, "Other", "Point");
        }
        COwningCollection<sample::Region> regions;
        sample::Point placeholder;
        sample::Point *point = &placeholder;
        sample::Point *other = &placeholder;
    };

    const ScriptedQuestion question;
    Holder holder;
    ASSERT_EQ(loadText(holder, "<r><Regions><Point><Name>R</Name><RegDir>0</RegDir></Point>"
                               "</Regions><Point>R</Point><Other/></r>"),
              0);
    EXPECT_EQ(holder.point, nullptr) << "the object of that name is no point";
    EXPECT_EQ(holder.other, nullptr);
    EXPECT_EQ(question.asked, (std::vector<std::string>{"Reference [Other] not found !",
                                                        "Reference [Point] not found !"}));
}

TEST(AttContainerTest, ReportsAMissingIdentifier)
{
    const ScriptedQuestion question;
    sample::Document document;
    ASSERT_EQ(loadText(document, R"(<Example Version="1"><Name/><PosX>0</PosX>
            <Favourite>0</Favourite><Patterns><Pattern><sName>p</sName></Pattern></Patterns>
            </Example>)"),
              0);
    ASSERT_EQ(document.patterns.GetCount(), 1) << "the element is kept";
    EXPECT_EQ(document.favourite, nullptr) << "but cannot be referenced";
    EXPECT_EQ(question.asked, std::vector<std::string>{"Missing runtime attribute [PatternID] "});
}

TEST(AttContainerTest, RemovesAnElementThatFailsToLoadWithEverythingItNamed)
{
    const ScriptedQuestion question;
    FragileDocument document;
    ASSERT_EQ(loadText(document, R"(<r><Patterns>
            <Pattern PatternID="0"><sName>broken</sName>
                <BasePoints><Point PointID="0"><x>1</x><y>1</y></Point></BasePoints></Pattern>
            <Pattern PatternID="1"><sName>good</sName>
                <BasePoints><Point PointID="1"><x>2</x><y>2</y></Point></BasePoints></Pattern>
            </Patterns><Marked><Point>0</Point><Point>1</Point></Marked></r>)"),
              0);
    ASSERT_EQ(document.patterns.GetCount(), 1);
    EXPECT_EQ(document.patterns.GetAt(0)->name, "good");
    ASSERT_EQ(document.marked.GetCount(), 1) << "the deleted pattern's point is not referenced";
    EXPECT_EQ(document.marked.GetAt(0), document.patterns.GetAt(0)->points.GetAt(0));
    EXPECT_EQ(question.asked, (std::vector<std::string>{"Missing runtime attribute [PatternID] ",
                                                        "Reference [Marked] not found !"}));
}

TEST(AttContainerTest, EntersNoNamesWhenNamesOnLoadAreSwitchedOff)
{
    const ScriptedQuestion question;
    sample::Document document;
    document.SetAttributeOption(document.FindAttribute("Patterns"), false);
    ASSERT_EQ(loadText(document, R"(<Example Version="1"><Name/><PosX>0</PosX>
            <Favourite>0</Favourite><Patterns><Pattern><sName>p</sName></Pattern></Patterns>
            </Example>)"),
              0);
    EXPECT_EQ(document.patterns.GetCount(), 1);
    EXPECT_EQ(document.favourite, nullptr);
    EXPECT_TRUE(question.asked.empty()) << "no identifier is looked for";
}

TEST(AttContainerTest, KeepsExtraAttributes)
{
    Values object;
    EXPECT_TRUE(object.AddExtraAttribute("SegmentCount", XmlPresence::ReadOnly));
    EXPECT_FALSE(object.AddExtraAttribute("SegmentCount")) << "the name is taken";
    object.AddStringAttribute(&object.text, "Text");
    object.SetExtraAttribute("Text", "not extra");
    EXPECT_EQ(object.text, "") << "only extra attributes are set";

    ASSERT_EQ(loadText(object, "<r><SegmentCount>4</SegmentCount><Text>t</Text></r>"), 0);
    EXPECT_EQ(object.GetExtraAttribute("SegmentCount"), "4");
    object.SetExtraAttribute("SegmentCount", "5");
    EXPECT_EQ(object.GetExtraAttribute("SegmentCount"), "5");
    EXPECT_EQ(saveText(object).find("SegmentCount"), std::string::npos) << "read only";

    object.RemoveExtraAttribute("SegmentCount");
    object.RemoveExtraAttribute("Text");
    EXPECT_EQ(object.FindAttribute("SegmentCount"), -1);
    EXPECT_EQ(object.FindAttribute("Text"), 0) << "a registered member is not extra";
    EXPECT_EQ(object.GetExtraAttribute("SegmentCount"), "");
}

TEST(AttContainerTest, NamesItsKinds)
{
    sample::Document document;
    EXPECT_EQ(document.GetAttribute("Patterns")->GetKind(), atCollectionEx);
    EXPECT_EQ(GetAttributeKindName(document.GetAttribute("Marked")->GetKind()),
              "atPtrCollectionEx");
    EXPECT_EQ(GetAttributeKindName(document.GetAttribute("Settings")->GetKind()), "atContainer");
    EXPECT_EQ(GetAttributeKindName(static_cast<XML_ATTRIBUTE_KIND>(8)), "");
    EXPECT_EQ(document.GetAttribute("Missing"), nullptr);
}
