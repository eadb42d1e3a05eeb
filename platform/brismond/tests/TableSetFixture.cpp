// Morvane Brismond table-set library tests.
// A small set of two tables built through the library's own operations.
#include "TableSetFixture.h"

#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"

#include <fstream>
#include <sstream>

std::unique_ptr<IBrismond> makeTwoTableSet()
{
    CEventHandler *handler = nullptr;
    std::unique_ptr<IBrismond> set = CTableSetFactory::Make("Untitled", handler);
    set->SetImageFileName("chart.jpg");
    set->SetImageDirectory("/srv/images/");

    IMeasureTable *women = set->GetTableAt(set->InsertTable(0, 1, "Women", -1));
    women->InsertSizesAt({"S", "M", "L"}, 0, -1, 1);
    IMeasurement *chest = women->GetMeasurementAt(women->InsertMeasurement("CHEST", 10, 0, 0, -1));
    chest->SetComment("around the bust, <under> the arms & level");
    const double chestValues[] = {880, 920, 960.25};
    for (int i = 0; i < 3; ++i)
        chest->SetValue(i, chestValues[i], false);
    chest->SetOwnSizeIndex(1);
    IMeasurement *waist = women->GetMeasurementAt(women->InsertMeasurement("WAIST", 0, 0, 0, -1));
    for (int i = 0; i < 3; ++i)
        waist->SetValue(i, 700 + 40 * i, false);

    IMeasureTable *height = set->GetTableAt(set->InsertTable(2, 2, "Height", -1));
    height->InsertSizesAt({"164", "170"}, 0, -1, 1);
    height->GetSizeAt(0)->SetNumberName(164);
    height->GetSizeAt(1)->SetNumberName(170);
    IMeasurement *length =
        height->GetMeasurementAt(height->InsertMeasurement("LENGTH", 1.5, 2.5, 0.125, -1));
    length->SetValue(0, 1020, false);
    length->SetValue(1, 1060, false);
    return set;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
