// Morvane Brismond table-set library.
// Reading a "*.mst" file: every element checked, every refusal naming the file and the reason.
#include "foundation/NumberText.h"
#include "platform/brismond/MstContents.h"
#include "platform/brismond/MstNames.h"
#include "platform/scrivel/Scrivel.h"

#include <cmath>
#include <unordered_map>

using namespace brismond;

namespace {

// Walks the document of one file; every refusal throws MstFileError "<source>: <reason>".
class MstReader
{
public:
    MstReader(CScrivel &xml, std::string_view source)
        : m_xml(xml)
        , m_source(source)
    {
    }

    MstContents read()
    {
        if (!m_xml.SelectRootItem() || m_xml.GetActiveItemName() != "MeasurementTableSet")
            fail("not a measurement table set (the root element is <" +
                 std::string(m_xml.GetActiveItemName()) + ">)");
        const std::string version = requiredText("Version", "the table set");
        if (version != kMstVersion)
            fail("version \"" + version + "\" is not supported (only \"" +
                 std::string(kMstVersion) + "\")");
        MstContents contents;
        contents.imageFileName = optionalText("ImageFile");
        contents.imageDirectory = optionalText("ImageDirectory");
        forEachChild("Table", "the table set", [&] {
            if (static_cast<int>(contents.tables.size()) == kMaxTables)
                fail("more than " + std::to_string(kMaxTables) + " tables");
            contents.tables.push_back(readTable());
        });
        if (const std::string fault = findNameFault(contents); !fault.empty())
            fail(fault);
        return contents;
    }

private:
    MstTable readTable()
    {
        MstTable table;
        table.name = requiredText("Name", "a table");
        const std::string where = "table \"" + table.name + "\"";
        table.kind = integer("Kind", where, 0, 3);
        table.sizeNaming = integer("SizeNaming", where, 0, 2);
        // Checked against the sizes with the other names and indexes, once all are read.
        const int baseSize = integer("BaseSize", where, -1, kMaxSizes - 1);
        std::unordered_map<std::string, int> sizeIndexes;
        for (int i = 0; i < m_xml.GetChildsCount(); ++i) {
            const std::string_view name = m_xml.GetChildName(i);
            if (name != "Size" && name != "Measurement")
                fail("unexpected element <" + std::string(name) + "> in " + where);
            select(i);
            if (name == "Size")
                readSize(table, where, sizeIndexes);
            else
                readMeasurement(table, where, sizeIndexes);
            m_xml.ReturnBack();
        }
        table.baseSize = baseSize;
        return table;
    }

    void readSize(MstTable &table, const std::string &where,
                  std::unordered_map<std::string, int> &sizeIndexes)
    {
        if (!table.measurements.empty())
            fail("a size of " + where + " follows its measurements");
        if (static_cast<int>(table.sizes.size()) == kMaxSizes)
            fail("more than " + std::to_string(kMaxSizes) + " sizes in " + where);
        MstSize size;
        size.name = requiredText("Name", "a size of " + where);
        size.number =
            m_xml.HasAttribute("Number")
                ? integer("Number", "size \"" + size.name + "\" of " + where, INT32_MIN, INT32_MAX)
                : 0;
        sizeIndexes.emplace(nameKey(size.name), static_cast<int>(table.sizes.size()));
        table.sizes.push_back(std::move(size));
    }

    void readMeasurement(MstTable &table, const std::string &tableWhere,
                         const std::unordered_map<std::string, int> &sizeIndexes)
    {
        if (static_cast<int>(table.measurements.size()) == kMaxMeasurements)
            fail("more than " + std::to_string(kMaxMeasurements) + " measurements in " +
                 tableWhere);
        MstMeasurement measurement;
        measurement.name = requiredText("Name", "a measurement of " + tableWhere);
        const std::string where = "measurement \"" + measurement.name + "\" of " + tableWhere;
        measurement.comment = optionalText("Comment");
        for (int i = 0; i < static_cast<int>(measurement.lengths.size()); ++i)
            measurement.lengths[static_cast<size_t>(i)] =
                number("Length" + std::to_string(i + 1), where);
        if (m_xml.HasAttribute("OwnSize"))
            measurement.ownSize = sizeIndex(requiredText("OwnSize", where), sizeIndexes, where);
        readValues(measurement, table.sizes, where, sizeIndexes);
        table.measurements.push_back(std::move(measurement));
    }

    void readValues(MstMeasurement &measurement, const std::vector<MstSize> &sizes,
                    const std::string &where,
                    const std::unordered_map<std::string, int> &sizeIndexes)
    {
        std::vector<bool> given(sizes.size(), false);
        measurement.values.assign(sizes.size(), 0.0);
        forEachChild("Value", where, [&] {
            const int index =
                sizeIndex(requiredText("Size", "a value of " + where), sizeIndexes, where);
            if (given[static_cast<size_t>(index)])
                fail(where + " has two values for size \"" +
                     sizes[static_cast<size_t>(index)].name + "\"");
            given[static_cast<size_t>(index)] = true;
            measurement.values[static_cast<size_t>(index)] =
                numberText(m_xml.GetValue(), "the value of " + where);
        });
        for (size_t i = 0; i < sizes.size(); ++i) {
            if (!given[i])
                fail(where + " has no value for size \"" + sizes[i].name + "\"");
        }
    }

    int sizeIndex(const std::string &name, const std::unordered_map<std::string, int> &sizeIndexes,
                  const std::string &where)
    {
        const auto found = sizeIndexes.find(nameKey(name));
        if (found == sizeIndexes.end())
            fail(where + " names size \"" + name + "\", which its table does not have");
        return found->second;
    }

    // Calls read with each child element current, after checking that it is named name.
    template <typename Read>
    void forEachChild(std::string_view name, const std::string &where, Read read)
    {
        for (int i = 0; i < m_xml.GetChildsCount(); ++i) {
            if (m_xml.GetChildName(i) != name)
                fail("unexpected element <" + std::string(m_xml.GetChildName(i)) + "> in " + where);
            select(i);
            read();
            m_xml.ReturnBack();
        }
    }

    void select(int child)
    {
        if (!m_xml.SelectChild(child))
            throw MstFileError(m_xml.GetLastError());
    }

    std::string optionalText(const std::string &attribute) const
    {
        std::string_view value;
        m_xml.GetItemVal(attribute, value);
        return std::string(value);
    }

    std::string requiredText(const std::string &attribute, const std::string &where) const
    {
        std::string_view value;
        if (!m_xml.GetItemVal(attribute, value))
            fail(where + " has no attribute " + attribute);
        return std::string(value);
    }

    int integer(const std::string &attribute, const std::string &where, int least, int most) const
    {
        const std::string text = requiredText(attribute, where);
        int value = 0;
        if (!morvane::tryParseInt(text, value) || value < least || value > most)
            fail(attribute + " \"" + text + "\" of " + where + " is not a whole number from " +
                 std::to_string(least) + " to " + std::to_string(most));
        return value;
    }

    double number(const std::string &attribute, const std::string &where) const
    {
        return numberText(requiredText(attribute, where), attribute + " of " + where);
    }

    double numberText(std::string_view text, const std::string &what) const
    {
        double value = 0.0;
        if (!morvane::tryParseDouble(text, value) || !std::isfinite(value))
            fail(what + " is not a number: \"" + std::string(text) + "\"");
        return value;
    }

    [[noreturn]] void fail(const std::string &reason) const
    {
        throw MstFileError(std::string(m_source) + ": " + reason);
    }

    CScrivel &m_xml;
    std::string_view m_source;
};

} // namespace

namespace brismond {

MstContents readMstFile(const std::filesystem::path &path)
{
    CScrivel xml;
    if (!xml.LoadFromFile(path))
        throw MstFileError(xml.GetLastError());
    const std::string source = path.string();
    return MstReader(xml, source).read();
}

MstContents readMstText(std::string_view text, std::string_view sourceName)
{
    CScrivel xml;
    if (!xml.LoadFromText(text, sourceName))
        throw MstFileError(xml.GetLastError());
    return MstReader(xml, sourceName).read();
}

} // namespace brismond
