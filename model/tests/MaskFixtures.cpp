// Morvane model library tests.
// Small mask patterns and an event log that tells the senders apart, for the grade-mask tests.
#include "MaskFixtures.h"

namespace testmodel {

CMaskPoint *maskPointAt(const CPattern &pattern, int i)
{
    return static_cast<CMaskPoint *>(pattern.GetBasePointAt(i));
}

CMaskPolyline *addLine(CMaskPattern &pattern, std::initializer_list<int> points)
{
    CPtrCollection<CBasePoint> linePoints;
    for (const int i : points)
        linePoints.Add(pattern.GetBasePointAt(i));
    return pattern.InsertNewPolyline(-1, GRADE_LINE_TYPE{}, linePoints);
}

std::unique_ptr<CMaskPattern> makeSquare(CGradeMask &mask, const std::string &name)
{
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    pattern->SetPatternName(name);
    pattern->AddPoint({0, 0}, GRADE_POINT_GRADE);
    pattern->AddPoint({40, 0}, GRADE_POINT_GRADE);
    pattern->AddPoint({40, 40}, GRADE_POINT_GRADE);
    pattern->AddPoint({0, 40}, GRADE_POINT_GRADE);
    pattern->AddPoint({20, -1}, GRADE_POINT_INTERMEDIATE);
    addLine(*pattern, {0, 4, 1})->AddNotch(12.5, 0.0, 1.5);
    addLine(*pattern, {1, 2, 3, 0});
    pattern->BuildContours();
    return pattern;
}

CMaskPattern *placeSquare(CGradeMask &mask, const std::string &name)
{
    std::unique_ptr<CMaskPattern> pattern = makeSquare(mask, name);
    CMaskPattern *placed = pattern.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(pattern));
    return placed;
}

std::vector<std::string> describeLines(const CPattern &pattern)
{
    std::vector<std::string> texts;
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        const CPolyline *line = pattern.GetPatternPolylineAt(i);
        std::string text;
        for (int k = 0; k < line->GetPointCount(); ++k)
            text += (k > 0 ? " " : "") + line->GetBasePointAt(k)->GetFormatName();
        texts.push_back(text);
    }
    return texts;
}

void SourceLog::OnEvent(CEventHandler *, EventRecord *record)
{
    const EventData &data = *record->m_pData;
    events.push_back(std::to_string(record->m_nKind) + ":" +
                     std::to_string(data.m_aIds[0] & 0xFFFF) + ":" +
                     std::to_string(static_cast<int32_t>(data.m_nFirst)));
}

} // namespace testmodel
