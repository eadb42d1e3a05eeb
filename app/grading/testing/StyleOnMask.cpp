// Morvane program grading test support.
// A style to grade without windows: an AAMA file's pieces on a mask made from them, with sizes
// and measures from a table-set file, and the grading manager over them.
#include "app/grading/testing/StyleOnMask.h"

#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/MorvaneFactory.h"
#include "model/PatternLocation.h"
#include "platform/brismond/TableSetFactory.h"

#include <algorithm>

namespace testgrading {

StyleOnMask::StyleOnMask(const std::filesystem::path &style, const std::filesystem::path &tableSet,
                         const std::filesystem::path &savedAs,
                         const std::vector<PiecePlacement> &placements)
    : model(std::make_unique<CAamaGradeModel>(
          [savedAs](const morvane::SaveFileRequest &) { return savedAs; }))
{
    m_tableSet = CTableSetFactory::Make("Sizes", m_tableSetHandler);
    m_patterns = CMorvaneFactory::MakeInputPatterns(m_patternsHandler);
    if (model->Load(style.string()) != GM_NO_ERROR)
        m_problem = model->GetLastError();
    else if (!m_tableSet->Load(tableSet))
        m_problem = m_tableSet->GetLastError();
    if (!m_problem.empty())
        messages.ReportProblem(m_problem);
    model->OnAttach(&m_tableSet->GetGradeData());
    int count = 0;
    model->GetPatternCount(count);
    for (int p = 0; p < count; ++p)
        m_patterns->AddPattern(model->GetPatternAt(p));
    m_patterns->Update();
    makeMask(placements);

    m_services.activeMask = m_mask;
    m_services.inputPatterns = m_patterns.get();
    m_services.tableSet = m_tableSet.get();
    m_services.gradeModel = model.get();
    m_manager.Rebuild();
    for (CEventHandler *handler : {m_maskHandler, m_patternsHandler, m_tableSetHandler})
        handler->AddListener(&m_manager);
}

StyleOnMask::~StyleOnMask()
{
    for (CEventHandler *handler : {m_maskHandler, m_patternsHandler, m_tableSetHandler})
        handler->RemoveListener(&m_manager);
    m_patterns->SetGradeMask(nullptr);
}

void placeInputPatterns(IGradeMask &mask, IInputPatterns &patterns)
{
    for (int p = 0; p < patterns.GetPatternCount(); ++p) {
        CInputPattern *input = patterns.GetPatternAt(p);
        std::unique_ptr<CMaskPattern> made = mask.MakePattern();
        made->CreateFromInput(*input);
        CMaskPattern *pattern = made.get();
        mask.InsertPatternAt(mask.GetPatternCount(), std::move(made));
        for (int i = 0; i < input->GetBasePointCount(); ++i) {
            CBasePoint *point = input->GetBasePointAt(i);
            const int found =
                pattern->FindBasePoint({point->GetX(), point->GetY()}, 1e-9, GRADE_POINT_GRADE);
            if (found >= 0)
                mask.GetPointAssociationMap()->AddAssociation(
                    pattern->GetBasePointAt(found)->GetMaskPoint(), point);
        }
        input->SetFlagged();
    }
}

void StyleOnMask::place(const std::vector<PiecePlacement> &placements)
{
    const int count = std::min(m_patterns->GetPatternCount(), static_cast<int>(placements.size()));
    for (int p = 0; p < count; ++p) {
        IPatternLocation *location = m_patterns->GetPatternAt(p)->GetPatternLocation();
        const PiecePlacement &placement = placements[static_cast<std::size_t>(p)];
        location->Set(location->GetPosition(), placement.angleDegrees, placement.flipped);
    }
}

void StyleOnMask::makeMask(const std::vector<PiecePlacement> &placements)
{
    m_maskItf = CMorvaneFactory::MakeGradeMask(m_maskHandler, m_patterns.get());
    m_mask = static_cast<CGradeMask *>(m_maskItf.get());
    m_patterns->SetGradeMask(m_mask);
    place(placements);
    placeInputPatterns(*m_mask, *m_patterns);
}

CBasePoint *StyleOnMask::inputPoint(int p, int i) const
{
    return m_patterns->GetPatternAt(p)->GetBasePointAt(i);
}

CBasePoint *StyleOnMask::maskPoint(int p, int i) const
{
    return inputPoint(p, i)->GetAssociatedPoint();
}

DPOINT StyleOnMask::filePosition(int p, int i) const
{
    DPOINT position;
    inputPoint(p, i)->GetInputPoint()->GetGradePoint()->GetPosition({}, position);
    return position;
}

bool StyleOnMask::grade()
{
    m_manager.Invalidate();
    return m_manager.RestartGrading() && m_manager.ApplyGradeRules();
}

} // namespace testgrading
