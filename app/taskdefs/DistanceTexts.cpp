// Morvane interactive tasks.
// The texts of how far the pointer or a dragged point is from the last point picked.
#include "app/taskdefs/DistanceTexts.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/extras/NumberFormat.h"
#include "app/extras/UnitConverter.h"
#include "app/interaction/FocusObject.h"
#include "lang/ResourceText.h"
#include "model/GradePlace.h"

#include <cmath>

namespace morvane {

namespace {

constexpr int kDecimals = 2;

const CFocusObject *lastEntry(IDocumentServices &services)
{
    const int count = services.GetItemCount();
    return count > 0 ? dynamic_cast<const CFocusObject *>(services.GetItemAt(count - 1)) : nullptr;
}

std::string itemName(const CFocusObject &entry)
{
    const auto *item = dynamic_cast<const IGradePlace *>(entry.GetItem());
    return item != nullptr ? item->GetFormatName() : std::string();
}

} // namespace

DistanceTexts FormatDistanceTexts(IDocumentServices &services, DPOINT position)
{
    const CFocusObject *entry = lastEntry(services);
    if (entry == nullptr)
        return {};
    const DPOINT from = entry->GetHitPosition();
    const double dx = position.x - from.x;
    const double dy = position.y - from.y;
    const CUnitConverter unit(
        GetDisplayUnitChoice(services.GetOptions().GetIntOption("USER_UNITS")).converterUnit);
    const std::string label = unit.GetUnitLabel();
    const auto text = [&](const char *name, double millimetres) {
        return fillArguments("%1=%2 %3",
                             {name, FormatDouble(unit.FromMillimetres(millimetres), kDecimals), label});
    };
    return {text("d", std::hypot(dx, dy)), text("dx", dx), text("dy", dy), itemName(*entry)};
}

DistanceTexts FocusPointTexts(IDocumentServices &services)
{
    const CFocusObject *entry = lastEntry(services);
    if (entry == nullptr)
        return {};
    return FormatDistanceTexts(services, entry->GetPosition());
}

} // namespace morvane
