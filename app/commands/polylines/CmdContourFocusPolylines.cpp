// Morvane editing commands.
// Building a contour line by line: "AddContourFocusPolyline" adds the clicked line and the
// lines that go on from it unambiguously; "AddFocusPolylineToContour" hands the finished
// contour to its pattern.
#include "app/commands/polylines/CmdContourFocusPolylines.h"

#include "app/commands/polylines/FocusPolylineSearch.h"
#include "app/interaction/FocusManager.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/ContourLine.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <algorithm>

using namespace morvane;

namespace {

constexpr uint32_t kContourTipId = 61484;
constexpr int kLinesToClose = 3;

DPOINT startOf(const CPolyline &line)
{
    return line.GetFirstPoint()->GetAbsPosition();
}

DPOINT endOf(const CPolyline &line)
{
    return line.GetLastPoint()->GetAbsPosition();
}

double gapBetween(DPOINT place, const CPolyline &line)
{
    return std::min(GetDPointDistance(place, startOf(line)), GetDPointDistance(place, endOf(line)));
}

/// Where the contour's last line leaves it.
DPOINT exitOf(const IContourLine &line)
{
    return line.IsBackward() ? startOf(*line.GetPolyline()) : endOf(*line.GetPolyline());
}

bool canCloseContour(const CContour &contour)
{
    const int count = contour.GetContourLineCount();
    return count >= kLinesToClose &&
           polylineGap(*contour.GetContourLineAt(count - 1)->GetPolyline(),
                       *contour.GetContourLineAt(0)->GetPolyline()) < kLinesMeetGap;
}

/// The one line of the pattern that meets the contour's last line and is not in the contour;
/// null when none or more than one does.
CPolyline *findAdjoiningLine(const CContour &contour)
{
    const int count = contour.GetContourLineCount();
    if (count == 0)
        return nullptr;
    const CPolyline *last = contour.GetContourLineAt(count - 1)->GetPolyline();
    if (last->GetPointCount() == 0)
        return nullptr;
    const CPattern &pattern = *last->GetOwner();
    CPolyline *candidate = nullptr;
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        CPolyline *line = pattern.GetPatternPolylineAt(i);
        if (line == last || line->GetPointCount() == 0 || contour.FindContourLine(line) >= 0 ||
            polylineGap(*last, *line) >= kLinesMeetGap)
            continue;
        if (candidate != nullptr)
            return nullptr;
        candidate = line;
    }
    return candidate;
}

bool formsClosedContourAlone(const CPolyline &line)
{
    CPtrCollection<CContour> contours;
    line.GetOwner()->FindContours(&line, contours);
    return std::any_of(contours.begin(), contours.end(), [](const CContour *contour) {
        return contour->IsClosed() && contour->GetContourLineCount() == 1;
    });
}

} // namespace

CCmdAddContourFocusPolyline::CCmdAddContourFocusPolyline()
{
    Create("AddContourFocusPolyline");
    SetFlags(true, true, CMT_NO_MODIFY);
    SetToolTips(kContourTipId);
    SetNeedsActiveMask();
}

CCmdAddContourFocusPolyline::~CCmdAddContourFocusPolyline() = default;

std::unique_ptr<ICommand> CCmdAddContourFocusPolyline::Clone() const
{
    return std::make_unique<CCmdAddContourFocusPolyline>(*this);
}

bool CCmdAddContourFocusPolyline::OnExecute(void *)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    const CFocusObject &active = *focus->GetActiveObject();
    m_pContour = active.GetContour();
    m_pUnfinished = active.GetUnfinishedContour();
    CPolyline *clicked = focusPolyline(*focus->GetFocusObject());
    if (m_pContour == nullptr || m_pContour->GetMaskContour() == nullptr || clicked == nullptr ||
        clicked->GetPointCount() == 0 || clicked->GetOwner() != m_pContour->GetPattern() ||
        m_pContour->FindContourLine(clicked) >= 0 || formsClosedContourAlone(*clicked))
        return false;
    for (CPolyline *line = clicked; line != nullptr; line = findAdjoiningLine(*m_pContour)) {
        Append(line);
        if (canCloseContour(*m_pContour)) {
            m_pContour->SetClosed(true);
            break;
        }
    }
    GetTask()->GetAttributes()->SetInteger("bContourFinished", m_pContour->IsClosed() ? 1 : 0);
    return true;
}

void CCmdAddContourFocusPolyline::Append(CPolyline *line)
{
    IMaskContour &editing = *m_pContour->GetMaskContour();
    const int count = m_pContour->GetContourLineCount();
    bool backward = false;
    if (count == 1) {
        // A lone first line runs towards the line that follows it.
        const IContourLine &first = *m_pContour->GetContourLineAt(0);
        const CPolyline *firstLine = first.GetPolyline();
        const bool leavesAtStart =
            gapBetween(startOf(*firstLine), *line) < gapBetween(endOf(*firstLine), *line);
        if (leavesAtStart != first.IsBackward()) {
            editing.RemoveContourLineAt(0);
            editing.AddContourLine(const_cast<CPolyline *>(firstLine), leavesAtStart);
        }
    }
    if (count > 0) {
        const DPOINT entry = exitOf(*m_pContour->GetContourLineAt(count - 1));
        backward =
            GetDPointDistance(endOf(*line), entry) < GetDPointDistance(startOf(*line), entry);
    }
    editing.AddContourLine(line, backward);
    m_aAdded.push_back({line, backward});
}

void CCmdAddContourFocusPolyline::OnUndo()
{
    for (size_t k = 0; k < m_aAdded.size(); ++k)
        m_pContour->GetMaskContour()->RemoveContourLineAt(m_pContour->GetContourLineCount() - 1);
}

void CCmdAddContourFocusPolyline::OnRedo()
{
    for (const AddedLine &added : m_aAdded)
        m_pContour->GetMaskContour()->AddContourLine(added.polyline, added.backward);
}

CCmdAddFocusPolylineToContour::CCmdAddFocusPolylineToContour()
{
    Create("AddFocusPolylineToContour");
    SetFlags(true, true, CMT_MODIFY);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdAddFocusPolylineToContour::Clone() const
{
    return std::make_unique<CCmdAddFocusPolylineToContour>(*this);
}

bool CCmdAddFocusPolylineToContour::OnExecute(void *)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    const CFocusObject &active = *focus->GetActiveObject();
    CPattern *pattern = active.GetPattern();
    const CContour *built = active.GetContour();
    if (pattern == nullptr || pattern->GetMaskPattern() == nullptr || built == nullptr ||
        built->GetContourLineCount() == 0 || pattern->FindContour(built) >= 0)
        return false;
    IMaskPattern &editing = *pattern->GetMaskPattern();
    std::unique_ptr<CMaskContour> contour = editing.CreateMaskContour();
    for (int k = 0; k < built->GetContourLineCount(); ++k) {
        const IContourLine &line = *built->GetContourLineAt(k);
        contour->AddContourLine(line.GetPolyline(), line.IsBackward());
    }
    contour->SetClosed(built->IsClosed());
    return RecordInHistory([&](IGradeMask &) {
        editing.InsertContour(pattern->GetContourCount(), std::move(contour));
    });
}
