// Morvane program interaction.
// The grade path that the path tools build, point by point, along a pattern's contour.
#include "app/interaction/GradePathEditor.h"

#include "app/documents/IDocumentServices.h"
#include "model/Contour.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"

CGradePathEditor::CGradePathEditor() = default;

CGradePathEditor::~CGradePathEditor() = default;

void CGradePathEditor::SetPath(CPattern *pattern, const GradePathPointRef &point)
{
    m_oPath.Clear();
    m_pPattern = pattern;
    m_nStart = resolve(point);
    m_nEnd = m_nStart;
    m_bDirection = false;
}

void CGradePathEditor::ExtendPath(const GradePathPointRef &point)
{
    const int index = resolve(point);
    if (index < 0 || m_nStart < 0)
        return;
    if (!keepsDirection(point, index)) {
        double backLength = 0.0;
        double forthLength = 0.0;
        const bool back = MeasurePath(m_pPattern, m_nStart, index, false, backLength);
        const bool forth = MeasurePath(m_pPattern, m_nStart, index, true, forthLength);
        if (back != forth)
            m_bDirection = forth;
        else if (back)
            m_bDirection = forthLength < backLength;
    }
    m_oPath.FillPath(m_pPattern->GetBasePointAt(m_nStart), m_pPattern->GetBasePointAt(index),
                     effectiveDirection(*m_pPattern, m_bDirection));
    m_nEnd = index;
    notifyOwner();
}

bool CGradePathEditor::MeasurePath(CPattern *pattern, int from, int to, bool direction,
                                   double &length) const
{
    length = 0.0;
    if (pattern == nullptr)
        return false;
    CGradePath path;
    path.FillPath(pattern->GetBasePointAt(from), pattern->GetBasePointAt(to),
                  effectiveDirection(*pattern, direction));
    length = path.GetPathLength(nullptr);
    return path.GetSegmentCount() > 0;
}

void CGradePathEditor::SetActive(bool active)
{
    m_oPath.Clear();
    m_oEditedSize.reset();
    if (active == m_bActive)
        return;
    m_bActive = active;
    notifyOwner();
}

int CGradePathEditor::resolve(const GradePathPointRef &point) const
{
    if (m_pPattern == nullptr || point.polyline < 0 ||
        point.polyline >= m_pPattern->GetPolylineCount())
        return -1;
    const CPolyline *line = m_pPattern->GetPatternPolylineAt(point.polyline);
    if (point.vertex < 0 || point.vertex >= line->GetPointCount())
        return -1;
    return m_pPattern->FindBasePoint(line->GetBasePointAt(point.vertex));
}

bool CGradePathEditor::effectiveDirection(const CPattern &pattern, bool direction) const
{
    return pattern.GetPatternLocation()->IsFlipped() ? !direction : direction;
}

// The direction stays for the start point itself, and on a closed contour once the path has
// two different ends.
bool CGradePathEditor::keepsDirection(const GradePathPointRef &point, int index) const
{
    if (index == m_nStart)
        return true;
    bool reversed = false;
    int line = -1;
    const CPolyline *polyline = m_pPattern->GetPatternPolylineAt(point.polyline);
    const int contour = m_pPattern->FindContour(polyline, reversed, line);
    const bool closed = contour >= 0 && m_pPattern->GetContourAt(contour)->IsClosed();
    return closed && m_nStart != m_nEnd;
}

void CGradePathEditor::notifyOwner()
{
    if (m_pOwner != nullptr)
        m_pOwner->NotifyChanged0();
}
