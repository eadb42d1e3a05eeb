// Morvane Brismond table-set library tests.
// Reading "*.mst" text: a hand-written file, and every kind of damaged or hostile file refused
// with the file's name and the reason.
#include "ExpectThrowMessage.h"
#include "platform/brismond/MstContents.h"

#include <gtest/gtest.h>

using namespace brismond;

namespace {

// A table "T" with sizes A and B (base B) whose measurement rows are body.
std::string tableFile(const std::string &body, const std::string &table = "T")
{
    return "<MeasurementTableSet Version=\"1\"><Table Name=\"" + table +
           "\" Kind=\"0\" SizeNaming=\"1\" BaseSize=\"1\"><Size Name=\"A\"/><Size Name=\"B\"/>" +
           body + "</Table></MeasurementTableSet>";
}

const char *const kLengths = " Length1=\"0\" Length2=\"0\" Length3=\"0\"";

std::string measurement(const std::string &name, const std::string &values)
{
    return "<Measurement Name=\"" + name + "\"" + kLengths + ">" + values + "</Measurement>";
}

const std::string kTwoValues = "<Value Size=\"A\">1</Value><Value Size=\"b\">2</Value>";

struct BadFile
{
    const char *name;
    std::string text;
    const char *reason;
};

} // namespace

TEST(MstFileTest, ReadsAHandWrittenFile)
{
    const MstContents contents =
        readMstText("<?xml version=\"1.0\"?>\n<!-- written by hand -->\n"
                    "<MeasurementTableSet Version=\"1\" ImageFile=\"a.jpg\">\n"
                    "  <Table Name=\"T\" Kind=\"3\" SizeNaming=\"2\" BaseSize=\"0\">\n"
                    "    <Size Name=\"36\" Number=\"36\"/><Size Name=\"38\" Number=\"38\"/>\n"
                    "    <Measurement Name=\"HIP\" Comment=\"c\" Length1=\" 1.5 \" Length2=\"0\" "
                    "Length3=\"-2\" OwnSize=\"38\">\n"
                    "      <Value Size=\"38\">950.5</Value><Value Size=\"36\">930</Value>\n"
                    "    </Measurement>\n"
                    "  </Table>\n"
                    "</MeasurementTableSet>\n",
                    "hand.mst");
    ASSERT_EQ(contents.tables.size(), 1u);
    const MstTable &table = contents.tables[0];
    EXPECT_EQ(contents.imageFileName, "a.jpg");
    EXPECT_EQ(table.kind, 3);
    EXPECT_EQ(table.sizes[1].number, 38);
    ASSERT_EQ(table.measurements.size(), 1u);
    EXPECT_EQ(table.measurements[0].values, (std::vector<double>{930, 950.5}));
    EXPECT_EQ(table.measurements[0].ownSize, 1);
    EXPECT_EQ(table.measurements[0].lengths[0], 1.5);
}

TEST(MstFileTest, RefusesDamagedAndHostileFilesWithTheReason)
{
    const BadFile files[] = {
        {"empty", "", "set.mst: line 1"},
        {"not XML", "chest 880 900", "set.mst: line 1"},
        {"truncated", tableFile(measurement("X", kTwoValues)).substr(0, 150), "set.mst: line 1"},
        {"other root", "<Workspace Version=\"1\"/>",
         "set.mst: not a measurement table set (the root element is <Workspace>)"},
        {"no version", "<MeasurementTableSet/>", "set.mst: the table set has no attribute Version"},
        {"wrong version", "<MeasurementTableSet Version=\"2\"/>",
         "set.mst: version \"2\" is not supported"},
        {"unknown element", "<MeasurementTableSet Version=\"1\"><Tabel/></MeasurementTableSet>",
         "set.mst: unexpected element <Tabel> in the table set"},
        {"table without name",
         "<MeasurementTableSet Version=\"1\"><Table Kind=\"0\"/></MeasurementTableSet>",
         "set.mst: a table has no attribute Name"},
        {"kind out of range",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"4\" SizeNaming=\"1\" "
         "BaseSize=\"-1\"/></MeasurementTableSet>",
         "set.mst: Kind \"4\" of table \"T\" is not a whole number from 0 to 3"},
        {"base size not a number",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" SizeNaming=\"1\" "
         "BaseSize=\"1x\"/></MeasurementTableSet>",
         "set.mst: BaseSize \"1x\" of table \"T\" is not a whole number"},
        {"base size without sizes",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" SizeNaming=\"1\" "
         "BaseSize=\"0\"/></MeasurementTableSet>",
         "set.mst: base size 0 of table \"T\" is not one of its 0 sizes"},
        {"duplicate tables",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" SizeNaming=\"1\" "
         "BaseSize=\"-1\"/><Table Name=\"t\" Kind=\"0\" SizeNaming=\"1\" BaseSize=\"-1\"/>"
         "</MeasurementTableSet>",
         "set.mst: the table set has two tables named \"t\""},
        {"duplicate sizes",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" SizeNaming=\"1\" "
         "BaseSize=\"0\"><Size Name=\"M\"/><Size Name=\"M\"/></Table></MeasurementTableSet>",
         "set.mst: table \"T\" has two sizes named \"M\""},
        {"empty size name",
         "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" SizeNaming=\"1\" "
         "BaseSize=\"0\"><Size Name=\"\"/></Table></MeasurementTableSet>",
         "set.mst: a size of table \"T\" has no name"},
        {"duplicate measurements",
         tableFile(measurement("X", kTwoValues) + measurement("x", kTwoValues)),
         "set.mst: table \"T\" has two measurements named \"x\""},
        {"missing value", tableFile(measurement("X", "<Value Size=\"A\">1</Value>")),
         "set.mst: measurement \"X\" of table \"T\" has no value for size \"B\""},
        {"value twice", tableFile(measurement("X", kTwoValues + "<Value Size=\"A\">3</Value>")),
         "set.mst: measurement \"X\" of table \"T\" has two values for size \"A\""},
        {"value of an unknown size",
         tableFile(measurement("X", kTwoValues + "<Value Size=\"C\">3</Value>")),
         "set.mst: measurement \"X\" of table \"T\" names size \"C\""},
        {"value not a number",
         tableFile(measurement("X", "<Value Size=\"A\">1,5</Value><Value Size=\"B\">2</Value>")),
         "set.mst: the value of measurement \"X\" of table \"T\" is not a number: \"1,5\""},
        {"value not finite",
         tableFile(measurement("X", "<Value Size=\"A\">inf</Value><Value Size=\"B\">2</Value>")),
         "is not a number: \"inf\""},
        {"length missing",
         tableFile("<Measurement Name=\"X\" Length1=\"0\">" + kTwoValues + "</Measurement>"),
         "set.mst: measurement \"X\" of table \"T\" has no attribute Length2"},
        {"own size unknown",
         tableFile("<Measurement Name=\"X\" OwnSize=\"Z\"" + std::string(kLengths) + ">" +
                   kTwoValues + "</Measurement>"),
         "names size \"Z\", which its table does not have"},
        {"size after measurements", tableFile(measurement("X", kTwoValues) + "<Size Name=\"C\"/>"),
         "set.mst: a size of table \"T\" follows its measurements"},
    };
    for (const BadFile &file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_THROW_MSG(readMstText(file.text, "set.mst"), MstFileError, file.reason);
    }
}

TEST(MstFileTest, RefusesCountsBeyondTheLimits)
{
    std::string sizes;
    for (int i = 0; i <= kMaxSizes; ++i)
        sizes += "<Size Name=\"" + std::to_string(i) + "\"/>";
    EXPECT_THROW_MSG(readMstText("<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" "
                                 "SizeNaming=\"1\" BaseSize=\"0\">" +
                                     sizes + "</Table></MeasurementTableSet>",
                                 "big.mst"),
                     MstFileError, "big.mst: more than 1000 sizes in table \"T\"");
    std::string tables;
    for (int i = 0; i <= kMaxTables; ++i)
        tables += "<Table Name=\"" + std::to_string(i) +
                  "\" Kind=\"0\" SizeNaming=\"1\" BaseSize=\"-1\"/>";
    EXPECT_THROW_MSG(
        readMstText("<MeasurementTableSet Version=\"1\">" + tables + "</MeasurementTableSet>",
                    "many.mst"),
        MstFileError, "many.mst: more than 1000 tables");
}
