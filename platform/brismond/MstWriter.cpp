// Morvane Brismond table-set library.
// Writing a "*.mst" file: numbers in the "C" locale, the file replaced only when complete.
#include "platform/brismond/MstContents.h"
#include "platform/brismond/MstNames.h"
#include "platform/scrivel/FileReplace.h"
#include "platform/scrivel/Scrivel.h"

#include <charconv>

namespace brismond {

namespace {

// The shortest text that reads back as exactly value, whatever the process locale.
std::string numberText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void writeMeasurement(CScrivel &xml, const MstTable &table, const MstMeasurement &measurement)
{
    xml.AddItem("Measurement");
    xml.AddItemVal("Name", measurement.name);
    if (!measurement.comment.empty())
        xml.AddItemVal("Comment", measurement.comment);
    for (size_t i = 0; i < measurement.lengths.size(); ++i)
        xml.AddItemVal("Length" + std::to_string(i + 1), numberText(measurement.lengths[i]));
    if (measurement.ownSize >= 0)
        xml.AddItemVal("OwnSize", table.sizes[static_cast<size_t>(measurement.ownSize)].name);
    for (size_t i = 0; i < table.sizes.size(); ++i) {
        xml.AddItem("Value");
        xml.AddItemVal("Size", table.sizes[i].name);
        xml.SetValue(numberText(measurement.values[i]));
        xml.ReturnBack();
    }
    xml.ReturnBack();
}

void writeTable(CScrivel &xml, const MstTable &table)
{
    xml.AddItem("Table");
    xml.AddItemVal("Name", table.name);
    xml.AddItemVal("Kind", std::to_string(table.kind));
    xml.AddItemVal("SizeNaming", std::to_string(table.sizeNaming));
    xml.AddItemVal("BaseSize", std::to_string(table.baseSize));
    for (const MstSize &size : table.sizes) {
        xml.AddItem("Size");
        xml.AddItemVal("Name", size.name);
        if (size.number != 0)
            xml.AddItemVal("Number", std::to_string(size.number));
        xml.ReturnBack();
    }
    for (const MstMeasurement &measurement : table.measurements)
        writeMeasurement(xml, table, measurement);
    xml.ReturnBack();
}

} // namespace

std::string writeMstText(const MstContents &contents, std::string_view sourceName)
{
    if (const std::string fault = findNameFault(contents); !fault.empty())
        throw MstFileError(std::string(sourceName) + ": cannot be saved: " + fault);
    CScrivel xml;
    xml.AddItem("MeasurementTableSet");
    xml.AddItemVal("Version", kMstVersion);
    if (!contents.imageFileName.empty())
        xml.AddItemVal("ImageFile", contents.imageFileName);
    if (!contents.imageDirectory.empty())
        xml.AddItemVal("ImageDirectory", contents.imageDirectory);
    for (const MstTable &table : contents.tables)
        writeTable(xml, table);
    return xml.GetXmlContents();
}

void writeMstFile(const std::filesystem::path &path, const MstContents &contents)
{
    const std::string text = writeMstText(contents, path.string());
    std::string error;
    if (!morvane::replaceFileContents(path, text, error))
        throw MstFileError(error);
}

} // namespace brismond
