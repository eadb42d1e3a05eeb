// Morvane editing commands.
// "ClearPatternsGrading": the graded sizes of patterns go back to their base size.
#include "app/commands/CmdClearPatternsGrading.h"

#include "app/documents/IDocumentServices.h"
#include "model/BasePoint.h"
#include "model/InputPoint.h"
#include "model/Pattern.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"

#include <vector>

namespace {

/// The number of sizes of each table of the set: the sizes a point's grading is kept for.
std::vector<int> sizeCounts(const IBrismond *tableSet)
{
    std::vector<int> counts;
    for (int t = 0; tableSet != nullptr && t < tableSet->GetTableCount(); ++t)
        counts.push_back(tableSet->GetTableAt(t)->GetSizeCount());
    return counts;
}

void clearPointGrading(IInputPoint &point, const std::vector<int> &sizeCounts)
{
    for (size_t table = 0; table < sizeCounts.size(); ++table) {
        for (int size = 0; size < sizeCounts[table]; ++size) {
            const GradeSize key{static_cast<int>(table), size};
            const DPOINT shift = point.GetGradeShift({}, key);
            point.MoveGradePoint(key, -shift.x, -shift.y);
        }
    }
}

} // namespace

void ClearPatternGrading(const CPtrCollection<CPattern> &patterns, IDocumentServices &document)
{
    const std::vector<int> counts = sizeCounts(document.GetTableSet());
    document.BeginBulkChange();
    for (const CPattern *pattern : patterns) {
        for (int i = 0; i < pattern->GetBasePointCount(); ++i) {
            if (IInputPoint *point = pattern->GetBasePointAt(i)->GetInputPoint())
                clearPointGrading(*point, counts);
        }
    }
    document.EndBulkChange();
}

CCmdClearPatternsGrading::CCmdClearPatternsGrading()
{
    Create("ClearPatternsGrading");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdClearPatternsGrading::Clone() const
{
    return std::make_unique<CCmdClearPatternsGrading>(*this);
}

bool CCmdClearPatternsGrading::OnExecute(void *data)
{
    const auto *patterns = static_cast<const CPtrCollection<CPattern> *>(data);
    IDocumentServices *document = GetDocument();
    if (patterns == nullptr || document == nullptr)
        return false;
    ClearPatternGrading(*patterns, *document);
    return true;
}

bool CCmdClearPatternsGrading::IsEnabled(void *data)
{
    const auto *patterns = static_cast<const CPtrCollection<CPattern> *>(data);
    return patterns != nullptr && patterns->GetCount() > 0;
}
