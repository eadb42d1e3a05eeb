// Morvane program documents tests.
// A real main document without windows, a quiet prompt, and the test style ready to load.
#pragma once

#include "SourcePath.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/documents/testing/ShirtStyle.h"
#include "app/grading/testing/RecordingMessages.h"
#include "app/grading/testing/StyleOnMask.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "platform/brismond/IBrismond.h"
#include "sources/grade-model/IGradeModel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testdocuments {

/// One event as it passed a handler: its kind, the low 16 bits of its sender's id, its two
/// arguments.
struct HeardEvent
{
    uint32_t kind;
    uint32_t sender;
    uint32_t first;
    uintptr_t second;
    bool operator==(const HeardEvent &) const = default;
};

/// Writes down every event that passes the handler it listens at.
class EventRecorder : public CEventSink
{
public:
    explicit EventRecorder(CEventHandler &handler) : m_handler(handler)
    {
        m_handler.AddListener(this);
    }
    ~EventRecorder() override { m_handler.RemoveListener(this); }

    void OnEvent(CEventHandler *, EventRecord *record) override
    {
        const EventData &data = *record->m_pData;
        events.push_back({record->m_nKind, data.m_aIds[0] & 0xFFFF, data.m_nFirst, data.m_nSecond});
    }
    /// The events heard with that first argument, the rest dropped.
    std::vector<HeardEvent> with(uint32_t first) const
    {
        std::vector<HeardEvent> kept;
        for (const HeardEvent &event : events)
            if (event.first == first)
                kept.push_back(event);
        return kept;
    }

    std::vector<HeardEvent> events;

private:
    CEventHandler &m_handler;
};

/// The main document over options in memory and a prompt that records; the shirt style and the
/// women's sizes to load into it.
class MainDocumentFixture : public ::testing::Test
{
protected:
    ~MainDocumentFixture() override { SetGradeModelSavePathProvider({}); }

    /// The AAMA style loaded through the loader, attached to the document's table set (the
    /// women's sizes) and handed to the document as kind 2.
    IGradeModel *loadStyle() { return morvane::loadShirtStyle(m_doc); }

    /// A new mask named as new masks are, appended to the open masks.
    CGradeMaskDoc *addMask()
    {
        CGradeMaskDocArray &masks = *m_doc.GetMaskDocs();
        std::unique_ptr<CGradeMaskDoc> doc = masks.CreateMaskDoc();
        doc->SetTitle(masks.MakeUniqueName("Mask"));
        CGradeMaskDoc *added = doc.get();
        masks.InsertAt(masks.GetCount(), std::move(doc));
        return added;
    }

    /// Activates mask and puts every input pattern on it.
    CGradeMask &placeStyleOn(CGradeMaskDoc &mask)
    {
        m_doc.SetActiveMaskDoc(&mask);
        auto &gradeMask = static_cast<CGradeMask &>(*mask.GetGradeMask());
        testgrading::placeInputPatterns(gradeMask, *m_doc.GetInputPatterns());
        return gradeMask;
    }

    CBasePoint *inputPoint(int pattern, int i)
    {
        return m_doc.GetInputPatterns()->GetPatternAt(pattern)->GetBasePointAt(i);
    }

    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CMorvaneDoc m_doc{m_options, m_prompt};
};

} // namespace testdocuments
