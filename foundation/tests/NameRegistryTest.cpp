// Morvane foundation library tests.
// Name finds, unique names and the name array.
#include "foundation/NameRegistry.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A name source in which some entries do not take part in finds.
class PartialSource : public INameSource
{
public:
    PartialSource(std::vector<std::string> names, std::vector<bool> valid)
        : m_names(std::move(names)), m_valid(std::move(valid))
    {}
    int GetCount() const override { return static_cast<int>(m_names.size()); }
    void GetAt(std::string &out, int i) const override { out = m_names[static_cast<size_t>(i)]; }
    bool IsValid(int i) const override { return m_valid[static_cast<size_t>(i)]; }

private:
    std::vector<std::string> m_names;
    std::vector<bool> m_valid;
};

} // namespace

TEST(NameRegistryTest, MakesUniqueNamesFromBaseAndCounter)
{
    const struct {
        const char *name;
        CNameArray existing;
        bool caseSensitive;
        int counter;
        const char *expected;
        int counterAfter;
    } cases[] = {
        {"taken base and first number", {"Point", "Point1"}, true, -1, "Point2", 3},
        {"no names", {}, true, -1, "Point", 1},
        {"counter starts the name", {"Point"}, true, 4, "Point4", 4},
        {"counter taken twice", {"Point0"}, true, 0, "Point1", 2},
        {"case ignored", {"POINT", "point1"}, false, -1, "Point2", 3},
        {"case kept", {"POINT", "point1"}, true, -1, "Point", 1},
        {"later numbers found again", {"Point2", "Point", "Point1"}, true, -1, "Point3", 4},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        int counter = row.counter;
        EXPECT_EQ(row.existing.GetRegistry().MakeUniqueName("Point", counter, row.caseSensitive),
                  row.expected);
        EXPECT_EQ(counter, row.counterAfter);
    }
}

TEST(NameRegistryTest, FindsOnlyValidEntries)
{
    const PartialSource source({"A", "b", "a", "B", "a"}, {true, true, false, true, true});
    const CNameRegistry registry(source);

    EXPECT_EQ(registry.FindName("a", true), 4) << "entry 2 does not take part";
    EXPECT_EQ(registry.FindName("a", false), 0);
    EXPECT_EQ(registry.FindNext("a", false, 0), 4);
    EXPECT_EQ(registry.FindNext("a", false, 4), -1);
    EXPECT_EQ(registry.FindName("c", false), -1);

    std::vector<int> found{99};
    EXPECT_EQ(registry.FindAll("B", false, found), 3);
    EXPECT_EQ(found, (std::vector<int>{99, 1, 3}));

    std::vector<std::string> names{"old"};
    EXPECT_EQ(registry.GetAllNames(names), 5);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "a", "B", "a"}));
    EXPECT_EQ(registry.GetNames({3, 2}, names), 2);
    EXPECT_EQ(names, (std::vector<std::string>{"B", "a"}));
}

TEST(NameArrayTest, MergesMissingNamesAndCopiesItsRegistry)
{
    CNameArray names{"width", "Height"};
    names.Merge({"WIDTH", "depth", "Depth", "height"}, false);
    EXPECT_EQ(names, (std::vector<std::string>{"width", "Height", "depth"}));
    names.Merge({"WIDTH"}, true);
    EXPECT_EQ(names.FindName("WIDTH", true), 3);

    CNameArray copy = names;
    copy.push_back("extra");
    EXPECT_EQ(copy.FindName("extra", true), 4) << "the copy's registry reads the copy";
    EXPECT_EQ(names.FindName("extra", true), -1);

    names = copy;
    EXPECT_EQ(names.FindName("extra", true), 4);
}
