// Morvane foundation library tests.
// Value members described once for all the objects of a class, and attributes of an object's own.
#include "foundation/AttributeLayout.h"

#include "SampleModel.h"
#include "XmlTestSupport.h"
#include "foundation/AttContainer.h"
#include "foundation/TextFormat.h"

#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace morvane;

namespace {

// An object whose Id takes its value at registration from the constructor, and whose Outside
// member is held outside the object.
class Counter : public CAttContainer
{
public:
    explicit Counter(int firstId = -1)
        : id(firstId)
    {
        AddIntAttribute(&id, "Id", XmlPresence::WhenSet);
        AddStringAttribute(&label, "Label", XmlPresence::Optional);
        AddDoubleAttribute(&length, "Length");
        AddDoubleAttribute(outside.get(), "Outside");
    }

    int id;
    std::string label;
    double length = 0.0;
    std::unique_ptr<double> outside = std::make_unique<double>(0.0);
};

// A double written with one decimal, through an attribute class of its own.
class TenthsAttribute final : public CDoubleAttribute
{
public:
    using CDoubleAttribute::CDoubleAttribute;

    std::string GetValueText() const override { return formatFixed(member(), 1); }
};

// Attributes of the object's own between shared values, and a name attribute.
class Mixed : public CAttContainer
{
public:
    Mixed()
    {
        AddStringAttribute(&name, "Name");
        AddAttribute(std::make_unique<TenthsAttribute>(&tenths, "Tenths"), XmlPresence::Required,
                     XmlForm::Element);
        AddBoolAttribute(&flag, "Flag", XmlPresence::Required, XmlForm::Attribute);
        AddPtrAttribute(&next, "Next", "Mixed", XmlPresence::Optional);
        AddDwordAttribute(&bits, "Bits");
        SetNameAttribute("Name");
    }

    std::string name;
    double tenths = 0.0;
    bool flag = false;
    Mixed *next = nullptr;
    uint32_t bits = 0;
};

// A double and a string registered as the constructor says, at the same places in every object.
class Reading : public CAttContainer
{
public:
    Reading(int precision, double initial, XmlForm form, std::string initialLabel)
        : value(initial)
        , label(std::move(initialLabel))
    {
        AddDoubleAttribute(&value, "Value", XmlPresence::WhenSet, form, precision);
        AddStringAttribute(&label, "Label", XmlPresence::WhenSet);
    }

    double value;
    std::string label;
};

bool writes(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(AttributeLayoutTest, AnAttributeAskedForConcernsItsObjectAlone)
{
    Counter changed;
    Counter other;
    changed.length = other.length = 1.5;
    changed.GetAttribute("Length")->SetPresence(XmlPresence::Ignored);
    const std::string changedText = saveText(changed);
    EXPECT_FALSE(writes(changedText, "<Length>")) << changedText;
    EXPECT_TRUE(writes(changedText, "<Outside>0.000</Outside>")) << changedText;
    EXPECT_TRUE(writes(saveText(other), "<Length>1.500</Length>")) << saveText(other);
    Counter fresh;
    EXPECT_TRUE(writes(saveText(fresh), "<Length>0.000</Length>"));
}

// The same member registered under the name the constructor is given.
class Measure : public CAttContainer
{
public:
    explicit Measure(MemberName name) { AddDoubleAttribute(&value, name); }

    double value = 0.0;
};

TEST(AttributeLayoutTest, AMemberIsStoredUnderTheNameItWasRegisteredWith)
{
    // The same text at another address is the same name; another text at the same place is not.
    static constexpr char kWidthElsewhere[] = "Width";
    Measure width("Width");
    Measure sameWidth(kWidthElsewhere);
    Measure height("Height");
    EXPECT_TRUE(writes(saveText(width), "<Width>")) << saveText(width);
    EXPECT_TRUE(writes(saveText(sameWidth), "<Width>")) << saveText(sameWidth);
    EXPECT_TRUE(writes(saveText(height), "<Height>")) << saveText(height);
    EXPECT_FALSE(writes(saveText(height), "<Width>")) << saveText(height);
    ASSERT_EQ(loadText(height, "<r><Width>1.5</Width><Height>2.5</Height></r>"), 0);
    EXPECT_EQ(height.value, 2.5);
}

TEST(AttributeLayoutTest, KeepsTheValueAtRegistrationWhenTheObjectTakesItsOwnAttributes)
{
    Counter counter(7);
    counter.id = 9;
    ASSERT_EQ(counter.GetAttributeAt(0)->GetName(), "Id");
    EXPECT_TRUE(writes(saveText(counter), "<Id>9</Id>"));
    counter.id = 7;
    EXPECT_FALSE(writes(saveText(counter), "<Id>")) << "7 is the value at registration";
    counter.id = 3;
    ASSERT_EQ(loadText(counter, "<r/>"), 0);
    EXPECT_EQ(counter.id, 7);
}

TEST(AttributeLayoutTest, EachObjectKeepsItsOwnValueAtRegistration)
{
    // More values than a layout has ways on: the later objects keep attributes of their own.
    for (int first = 0; first < 40; ++first) {
        SCOPED_TRACE(first);
        Counter counter(first);
        EXPECT_FALSE(writes(saveText(counter), "<Id>"));
        counter.id = first + 1;
        EXPECT_TRUE(writes(saveText(counter), "<Id>" + std::to_string(first + 1) + "</Id>"));
        ASSERT_EQ(loadText(counter, "<r><Label>x</Label></r>"), 0);
        EXPECT_EQ(counter.id, first);
        EXPECT_EQ(counter.label, "x");
    }
}

TEST(AttributeLayoutTest, ObjectsRegisteringAMemberOtherwiseStoreItTheirOwnWay)
{
    const struct
    {
        int precision;
        double initial;
        XmlForm form;
        const char *initialLabel;
        double value;
        const char *label;
        const char *written;
    } rows[] = {
        {3, 0.0, XmlForm::Element, "", 1.5, "", "<Value>1.500</Value>"},
        {1, 0.0, XmlForm::Element, "", 1.5, "", "<Value>1.5</Value>"},
        {3, 1.5, XmlForm::Element, "", 1.5, "", "<Example />"},
        {3, 0.0, XmlForm::Attribute, "", 1.5, "", "<Example Value=\"1.500\" />"},
        {3, 0.0, XmlForm::Element, "a", 0.0, "b", "<Label>b</Label>"},
        {3, 0.0, XmlForm::Element, "b", 0.0, "b", "<Example />"},
        {3, 0.0, XmlForm::Element, "bb", 0.0, "b", "<Label>b</Label>"},
    };
    // The second round finds the layouts that the first one made.
    for (int round = 0; round < 2; ++round) {
        for (const auto &row : rows) {
            SCOPED_TRACE(row.written);
            Reading reading(row.precision, row.initial, row.form, row.initialLabel);
            reading.value = row.value;
            reading.label = row.label;
            const std::string text = saveText(reading);
            EXPECT_TRUE(writes(text, row.written)) << text;
        }
    }
}

TEST(AttributeLayoutTest, ReadsAndWritesMembersHeldOutsideTheObject)
{
    Counter first;
    Counter second;
    *first.outside = 1.0;
    *second.outside = 2.0;
    EXPECT_TRUE(writes(saveText(first), "<Outside>1.000</Outside>"));
    EXPECT_TRUE(writes(saveText(second), "<Outside>2.000</Outside>"));
    ASSERT_EQ(loadText(second, "<r><Length>3</Length><Outside>4.5</Outside></r>"), 0);
    EXPECT_EQ(*second.outside, 4.5);
    EXPECT_EQ(second.length, 3.0);
    EXPECT_EQ(*first.outside, 1.0);
}

TEST(AttributeLayoutTest, AttributesOfTheObjectsOwnKeepTheirPlaceAmongSharedValues)
{
    Mixed object;
    object.name = "m";
    object.tenths = 2.25;
    object.flag = true;
    object.next = &object;
    object.bits = 5;
    const char *const expected = R"(<?xml version="1.0"?>
<Example Flag="1">
	<Name>m</Name>
	<Tenths>2.2</Tenths>
	<Next>m</Next>
	<Bits>5</Bits>
</Example>
)";
    EXPECT_EQ(saveText(object), expected);
    EXPECT_EQ(object.GetObjectName(), "m");
    EXPECT_EQ(object.GetAttributeCount(), 5);
    EXPECT_EQ(object.FindAttribute("Flag"), 2);
    EXPECT_EQ(object.FindAttribute("Bits"), 4);
    EXPECT_NE(dynamic_cast<TenthsAttribute *>(object.GetAttributeAt(1)), nullptr)
        << "an attribute of the object's own is handed out as it is";

    Mixed loaded;
    ASSERT_EQ(
        loadText(loaded, R"(<r Flag="1"><Name>n</Name><Tenths>0.5</Tenths><Bits>6</Bits></r>)"), 0);
    EXPECT_EQ(loaded.name, "n");
    EXPECT_EQ(loaded.tenths, 0.5);
    EXPECT_TRUE(loaded.flag);
    EXPECT_EQ(loaded.bits, 6u);

    // The same after the object has taken attributes of its own for every member.
    ASSERT_EQ(object.GetAttribute("Bits")->GetKind(), atPtrDword);
    EXPECT_EQ(saveText(object), expected);
    EXPECT_EQ(object.GetObjectName(), "m");
    EXPECT_EQ(object.FindAttribute("Bits"), 4);
}

TEST(AttributeLayoutTest, ObjectsMadeOnSeveralThreadsStoreAlike)
{
    const auto fill = [](Counter &counter, int i) {
        counter.id = i;
        counter.length = i * 0.5;
    };
    constexpr int kThreads = 4;
    constexpr int kObjects = 300;
    std::vector<std::vector<std::unique_ptr<Counter>>> made(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&made, &fill, t] {
            for (int i = 0; i < kObjects; ++i) {
                auto counter = std::make_unique<Counter>(i % 12);
                fill(*counter, i);
                made[static_cast<size_t>(t)].push_back(std::move(counter));
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int i = 0; i < kObjects; ++i) {
        Counter expected(i % 12);
        fill(expected, i);
        for (int t = 0; t < kThreads; ++t) {
            ASSERT_EQ(saveText(*made[static_cast<size_t>(t)][static_cast<size_t>(i)]),
                      saveText(expected))
                << t << " " << i;
        }
    }
}

namespace {

// An object with a value and, below the given number of levels, an embedded object like it.
class Nest : public CAttContainer
{
public:
    explicit Nest(int levels)
    {
        AddDoubleAttribute(&value, "v");
        if (levels == 0)
            return;
        inner = std::make_unique<Nest>(levels - 1);
        AddContainerAttribute(inner.get(), "Inner");
    }

    double value = 0.0;
    std::unique_ptr<Nest> inner;
};

std::string nestText(int levels)
{
    std::string text = "<r><v>1</v>";
    for (int i = 0; i < levels; ++i)
        text += "<Inner><v>1</v>";
    for (int i = 0; i < levels; ++i)
        text += "</Inner>";
    return text + "</r>";
}

} // namespace

TEST(AttributeLayoutTest, RefusesAValueDeeperThanTheFilerGoes)
{
    // The deepest value lies one level below its object: at the deepest level allowed, then
    // one further.
    const int deepestAllowed = CScrivel::kMaxDepth - 2;
    Nest allowed(deepestAllowed);
    ASSERT_EQ(loadText(allowed, nestText(deepestAllowed)), 0);
    const Nest *deepest = &allowed;
    while (deepest->inner != nullptr)
        deepest = deepest->inner.get();
    EXPECT_EQ(deepest->value, 1.0);

    Nest tooDeep(deepestAllowed + 1);
    CXmlArchive archive;
    ASSERT_TRUE(archive.LoadFromText(nestText(deepestAllowed + 1)));
    EXPECT_EQ(archive.LoadObject(tooDeep, "r"), 1);
    EXPECT_NE(archive.GetLastError().find("elements nested deeper than 256 levels"),
              std::string::npos)
        << archive.GetLastError();
}

namespace {

// A collection of points in the object, and one held outside it.
class Lists : public CAttContainer
{
public:
    Lists()
    {
        AddClassCollectionAttribute(&inside, "Inside", "Point", sample::Point::GetThisClass(),
                                    XmlNaming::Numbered, XmlPresence::Optional);
        AddClassCollectionAttribute(outside.get(), "Outside", "Point",
                                    sample::Point::GetThisClass(), XmlNaming::None,
                                    XmlPresence::WhenSet);
    }

    void add(COwningCollection<sample::Point> &points, double x)
    {
        auto point = std::make_unique<sample::Point>();
        point->x = x;
        points.AddOwned(std::move(point));
    }

    COwningCollection<sample::Point> inside;
    std::unique_ptr<COwningCollection<sample::Point>> outside =
        std::make_unique<COwningCollection<sample::Point>>();
};

} // namespace

TEST(AttributeLayoutTest, EachObjectLoadsAndSavesItsOwnCollections)
{
    Lists first;
    first.add(first.inside, 1.0);
    first.add(*first.outside, 2.0);
    Lists second;
    second.add(second.inside, 3.0);
    second.add(second.inside, 4.0);
    const std::string firstText = saveText(first);
    const std::string secondText = saveText(second);
    EXPECT_TRUE(writes(firstText, "<Outside>")) << firstText;
    EXPECT_FALSE(writes(secondText, "<Outside>")) << "an empty WhenSet collection" << secondText;
    EXPECT_TRUE(writes(secondText, "<Point PointID=\"1\">\n\t\t\t<x>4.000</x>")) << secondText;

    Lists loaded;
    loaded.add(*loaded.outside, 9.0);
    ASSERT_EQ(loadText(loaded, secondText), 0);
    ASSERT_EQ(loaded.inside.GetCount(), 2);
    EXPECT_EQ(loaded.inside.GetAt(1)->x, 4.0);
    EXPECT_EQ(loaded.outside->GetCount(), 0) << "a WhenSet collection absent from the file";
    ASSERT_EQ(loadText(loaded, firstText), 0);
    ASSERT_EQ(loaded.outside->GetCount(), 1);
    EXPECT_EQ(loaded.outside->GetAt(0)->x, 2.0);
    EXPECT_EQ(saveText(loaded), firstText);
}

TEST(AttributeLayoutTest, ACollectionAttributeAskedForConcernsItsObjectAlone)
{
    Lists changed;
    Lists other;
    changed.add(changed.inside, 1.0);
    other.add(other.inside, 1.0);
    auto *inside = dynamic_cast<CNestedAttribute *>(changed.GetAttribute("Inside"));
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(inside->GetCount(), 1);
    EXPECT_EQ(inside->GetElementContainer(0), changed.inside.GetAt(0));
    inside->SetPresence(XmlPresence::Ignored);
    EXPECT_FALSE(writes(saveText(changed), "<Inside>"));
    EXPECT_TRUE(writes(saveText(other), "<Inside>"));
}

namespace {

// A named object referring to another of its kind, which takes attributes of its own in the
// middle of a load when its name says so: after reading, before its references are resolved.
class Linked : public CObject, public CAttContainer
{
public:
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    Linked()
    {
        AddStringAttribute(&name, "Name");
        AddPtrAttribute(&next, "Next", "Linked", XmlPresence::Optional);
        AddPtrAttribute(&back, "Back", "Linked", XmlPresence::Optional);
        SetNameAttribute("Name");
    }

    bool LoadAttributes(CXmlArchive &archive) override
    {
        CAttContainer::LoadAttributes(archive);
        if (name.starts_with("own"))
            GetAttribute("Name");
        return true;
    }

    std::string name;
    Linked *next = nullptr;
    Linked *back = nullptr;
};

const CRuntimeClass kLinkedClass("Linked", &CreateObjectOf<Linked>, CObject::GetThisClass());

const CRuntimeClass *Linked::GetThisClass()
{
    return &kLinkedClass;
}

class Chain : public CAttContainer
{
public:
    Chain()
    {
        AddClassCollectionAttribute(&links, "Links", "Linked", Linked::GetThisClass(),
                                    XmlNaming::OwnNames);
    }

    COwningCollection<Linked> links;
};

} // namespace

TEST(AttributeLayoutTest, AReferenceReadBeforeTheObjectTakesItsOwnAttributesIsResolved)
{
    const char *const text = R"(<r><Links>
        <Linked><Name>own a</Name><Next>b</Next></Linked>
        <Linked><Name>b</Name><Next>own a</Next></Linked>
    </Links></r>)";
    Chain chain;
    ASSERT_EQ(loadText(chain, text), 0);
    ASSERT_EQ(chain.links.GetCount(), 2);
    Linked *a = chain.links.GetAt(0);
    Linked *b = chain.links.GetAt(1);
    EXPECT_EQ(a->next, b) << "read before the object took attributes of its own";
    EXPECT_EQ(b->next, a);
    EXPECT_EQ(a->GetObjectName(), "own a");

    b->RedirectReferences(a, b);
    a->RedirectReferences(b, a);
    EXPECT_EQ(b->next, b);
    EXPECT_EQ(a->next, a);
}

TEST(AttributeLayoutTest, EachReferenceOfAnObjectResolvesToTheObjectItNames)
{
    const char *const text = R"(<r><Links>
        <Linked><Name>a</Name><Next>b</Next><Back>own c</Back></Linked>
        <Linked><Name>b</Name><Back>a</Back></Linked>
        <Linked><Name>own c</Name><Next>a</Next><Back>b</Back></Linked>
    </Links></r>)";
    Chain chain;
    ASSERT_EQ(loadText(chain, text), 0);
    ASSERT_EQ(chain.links.GetCount(), 3);
    Linked *a = chain.links.GetAt(0);
    Linked *b = chain.links.GetAt(1);
    Linked *c = chain.links.GetAt(2);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(a->back, c);
    EXPECT_EQ(b->next, nullptr) << "not in the file";
    EXPECT_EQ(b->back, a);
    EXPECT_EQ(c->next, a) << "read before the object took attributes of its own";
    EXPECT_EQ(c->back, b);
}
