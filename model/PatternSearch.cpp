// Morvane model library.
// A pattern's searches: points by id, name, place and membership, line ends and walks.
#include "foundation/Geometry.h"
#include "model/Pattern.h"

#include <cmath>

using namespace morvane;

int CPattern::GetNearestEndPoint(double x, double y, int exclude, int &polyline,
                                 double &distance) const
{
    int bestLine = -1;
    int bestPosition = -1;
    double bestDistance = 0.0;
    auto consider = [&](int line, int position) {
        const DPOINT p = m_oPolylines.GetAt(line)->GetBasePointAt(position)->GetAbsPosition();
        const double d = std::hypot(p.x - x, p.y - y);
        if (bestLine < 0 || d < bestDistance) {
            bestLine = line;
            bestPosition = position;
            bestDistance = d;
        }
    };
    for (int i = 0; i < m_oPolylines.GetCount(); ++i) {
        const int count = m_oPolylines.GetAt(i)->GetPointCount();
        if (i == exclude || count == 0)
            continue;
        consider(i, 0);
        if (count >= 2)
            consider(i, count - 1);
    }
    if (bestLine < 0)
        return -1;
    polyline = bestLine;
    distance = bestDistance;
    return bestPosition;
}

int CPattern::GetNextContourPoint(int point, int polyline, int &outPolyline, bool backward) const
{
    outPolyline = polyline;
    const CPolyline *line = m_oPolylines.GetAt(polyline);
    const int position = line->FindBasePoint(GetBasePointAt(point));
    if (position < 0)
        return -1;
    const int lineCount = m_oPolylines.GetCount();
    if (!backward && position == line->GetPointCount() - 1) {
        outPolyline = (polyline + 1) % lineCount;
        return FindBasePoint(m_oPolylines.GetAt(outPolyline)->GetFirstPoint());
    }
    if (backward && position == 0) {
        outPolyline = (polyline + lineCount - 1) % lineCount;
        return FindBasePoint(m_oPolylines.GetAt(outPolyline)->GetLastPoint());
    }
    return FindBasePoint(line->GetBasePointAt(backward ? position - 1 : position + 1));
}

int CPattern::GetNextPoint(int point, int, int &out, bool backward) const
{
    out = -1;
    const int count = m_oBasePoints.GetCount();
    if (count == 0)
        return point;
    int index = point;
    for (int steps = 0; steps < count; ++steps) {
        index = ((index + (backward ? -1 : 1)) % count + count) % count;
        if (m_oBasePoints.GetAt(index)->GetGradeType() != GRADE_POINT_INTERMEDIATE)
            break;
    }
    return index;
}

bool CPattern::HasContourPoint(const CBasePoint *point) const
{
    for (const CPolyline *line : m_oPolylines) {
        if (line->ContaintsShapePoint(point))
            return true;
    }
    return false;
}

bool CPattern::HasEndPolylinePoint(const CBasePoint *point) const
{
    for (const CPolyline *line : m_oPolylines) {
        if (line->ContaintsEndShapePoint(point))
            return true;
    }
    return false;
}

CBasePoint *CPattern::FindGradePoint(int id) const
{
    for (CBasePoint *point : m_oBasePoints) {
        if (point->GetGradeType() == GRADE_POINT_GRADE && point->GetPointId() == id)
            return point;
    }
    return nullptr;
}

int CPattern::FindBasePoint(DPOINT p, double tolerance, GRADE_POINT_TYPE type) const
{
    for (int i = 0; i < m_oBasePoints.GetCount(); ++i) {
        const CBasePoint *point = m_oBasePoints.GetAt(i);
        if (point->GetGradeType() == type &&
            IsNearPoint(point->GetX(), point->GetY(), p.x, p.y, tolerance))
            return i;
    }
    return -1;
}

int CPattern::FindBasePoint(const std::string &name) const
{
    for (int i = 0; i < m_oBasePoints.GetCount(); ++i) {
        if (m_oBasePoints.GetAt(i)->GetFormatName() == name)
            return i;
    }
    return -1;
}

int CPattern::FindPolyline(const CPolyline *polyline) const
{
    return m_oPolylines.Find(polyline);
}

int CPattern::FindMarkPoint(const CBasePoint *point) const
{
    return m_oMarkPoints.Find(point);
}

void CPattern::FindPointPolylines(const CBasePoint *point, CPtrCollection<CPolyline> &out) const
{
    out.RemoveAll();
    for (CPolyline *line : m_oPolylines) {
        if (line->ContaintsShapePoint(point))
            out.Add(line);
    }
}

int CPattern::FindPolyPoint(const CBasePoint *point, int &polyline, bool &isEnd) const
{
    for (int i = 0; i < m_oPolylines.GetCount(); ++i) {
        const CPolyline *line = m_oPolylines.GetAt(i);
        const int position = line->FindBasePoint(point);
        if (position < 0)
            continue;
        polyline = i;
        isEnd = position == 0 || position == line->GetPointCount() - 1;
        return position;
    }
    return -1;
}

int CPattern::FindPolyPoint(const CBasePoint *point, int &polyline) const
{
    bool isEnd = false;
    return FindPolyPoint(point, polyline, isEnd);
}

void CPattern::GetPolylinePoints(int &polyline, CPtrCollection<CBasePoint> &out, bool single) const
{
    while (polyline >= 0 && polyline < m_oPolylines.GetCount()) {
        m_oPolylines.GetAt(polyline)->AppendBasePonts(out);
        ++polyline;
        if (single)
            return;
    }
}

void CPattern::RemoveDrills(CPtrCollection<CBasePoint> &out)
{
    for (int i = out.GetCount() - 1; i >= 0; --i) {
        const CBasePoint *point = out.GetAt(i);
        if (point != nullptr && point->GetParent() != nullptr &&
            point->GetParent()->FindMarkPoint(point) >= 0)
            out.RemoveAt(i);
    }
}

bool CPattern::IsUsedBasePoint(const CBasePoint *point) const
{
    return FindMarkPoint(point) >= 0 || HasContourPoint(point);
}
