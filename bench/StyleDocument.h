// Morvane benchmarks.
// The generated style held by a real main document, on one active grade mask, graded once.
#pragma once

#include "GradedStyle.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/grading/IGradingInterface.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/RecordingMessages.h"
#include "model/GradeMask.h"
#include "platform/brismond/IBrismond.h"
#include "sources/grade-model/IGradeModel.h"

namespace benchstyle {

/// The generated style held as the program holds it: a main document that loads it by kind, one
/// grade mask made active with every piece on it and the formulas of addFormulas, graded once.
/// Every change reaches the grading through the document's notifications.
class StyleDocument
{
public:
    StyleDocument()
    {
        IGradeModel *model = nullptr;
        if (!m_doc.GetMeasureTableDoc()->LoadFromFile(styleFolder().tableSet()) ||
            !GetGradeModel(GMK_AAMA, &model) ||
            model->Load(styleFolder().style().string()) != GM_NO_ERROR)
            return;
        model->OnAttach(&m_doc.GetTableSet()->GetGradeData());
        m_doc.SetGradeModel(model, GMK_AAMA);
        CGradeMaskDocArray &masks = *m_doc.GetMaskDocs();
        masks.InsertAt(0, masks.CreateMaskDoc());
        m_doc.SetActiveMaskDoc(masks.GetAt(0));
        auto &mask = static_cast<CGradeMask &>(*m_doc.GetActiveGradeMask());
        IInputPatterns &patterns = *m_doc.GetInputPatterns();
        testgrading::placeInputPatterns(mask, patterns);
        addFormulas(mask.GetFormulas(), patterns);
        m_doc.OnBeginGrading();
        m_bGraded = m_doc.GetGradingInterface()->ApplyGradeRules();
    }

    bool IsGraded() const { return m_bGraded; }
    CMorvaneDoc &document() { return m_doc; }
    CGradeMask &mask() { return static_cast<CGradeMask &>(*m_doc.GetActiveGradeMask()); }
    /// Grade point i of piece p.
    IInputPoint *inputPoint(int p, int i)
    {
        return m_doc.GetInputPatterns()->GetPatternAt(p)->GetBasePointAt(i)->GetInputPoint();
    }
    /// How many pieces must grade again.
    int staleGradings()
    {
        int stale = 0;
        const CGradingManager &manager = m_doc.GetGradingManager();
        for (int p = 0; p < manager.GetPatternGradingCount(); ++p)
            stale += manager.GetPatternGradingAt(p)->NeedsGrading() ? 1 : 0;
        return stale;
    }

private:
    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CMorvaneDoc m_doc{m_options, m_prompt};
    bool m_bGraded = false;
};

} // namespace benchstyle
