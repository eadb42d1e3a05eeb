// Morvane program documents fuzz target.
// Drives the main document's automation face as a client program could: any call of the
// document, its pattern, polyline, table and measurement objects and its batch, with any codes,
// positions, indexes and texts. A refused call throws AutomationError and changes nothing;
// anything else that goes wrong is a fault.
#include "app/documents/AutomationError.h"
#include "app/documents/DocumentAutomation.h"
#include "app/documents/IBatchOperationRunner.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "model/IInputPatterns.h"
#include "model/MorvaneFactory.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/client-model/ClientGradeModel.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <string>

using namespace morvane;

namespace {

/// Document services that make input patterns of the grade model they are given, as the main
/// document does, so that the pattern objects reach input polylines and slider points.
class DocumentWithInputs : public FakeDocumentServices
{
public:
    DocumentWithInputs()
    {
        tableSet = m_tableSet.get();
        inputPatterns = m_inputs.get();
    }

    void SetGradeModel(IGradeModel *model, int kind) override
    {
        FakeDocumentServices::SetGradeModel(model, kind);
        gradeModel = model;
        m_inputs->RemoveAll();
        int count = 0;
        if (model != nullptr)
            model->GetPatternCount(count);
        for (int i = 0; i < count; ++i)
            m_inputs->AddPattern(model->GetPatternAt(i));
        m_inputs->Update();
    }

private:
    CEventHandler *m_tableSetHandler = nullptr;
    std::unique_ptr<IBrismond> m_tableSet = CTableSetFactory::Make("set", m_tableSetHandler);
    CEventHandler *m_inputsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_inputs = CMorvaneFactory::MakeInputPatterns(m_inputsHandler);
};

/// Grading begins in the client's model, which then holds rule tables for the table set.
class GradingEvents : public FakeGradingEvents
{
public:
    explicit GradingEvents(CClientGradeModel &model) : m_model(model) {}
    void OnBeginGrading() override { m_model.BeginGrading(); }

private:
    CClientGradeModel &m_model;
};

/// Carries out BO_EXIT as the document does; the other operations succeed or fail as the input
/// says, recording error 2 when they fail.
class Runner : public IBatchOperationRunner
{
public:
    Runner(IDocumentAutomation &document, FuzzedDataProvider &input)
        : m_document(document)
        , m_input(input)
    {
    }

    bool ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation) override
    {
        if (operation.GetCode() == BO_EXIT) {
            m_document.Exit();
            return true;
        }
        if (m_input.ConsumeBool())
            return true;
        batch.AddError(&operation, BE_OPERATION_FAILED);
        return false;
    }

private:
    IDocumentAutomation &m_document;
    FuzzedDataProvider &m_input;
};

class QuietClient : public IMorvaneClient
{
public:
    void OnReturn() override {}
};

// Mostly small indexes, in and out of range on both sides, now and then any 32-bit value.
int32_t consumeIndex(FuzzedDataProvider &input)
{
    if (input.ConsumeBool())
        return input.ConsumeIntegral<int32_t>();
    return input.ConsumeIntegralInRange<int32_t>(-2, 9);
}

double consumeNumber(FuzzedDataProvider &input)
{
    if (input.ConsumeBool())
        return input.ConsumeFloatingPoint<double>();
    return input.ConsumeIntegralInRange<int>(-500, 500);
}

class FaceDriver
{
public:
    explicit FaceDriver(FuzzedDataProvider &input)
        : m_input(input)
    {
        m_face.SetMainWindow(&m_window);
        m_face.GetBatchProcess().SetRunner(&m_runner);
    }

    void run()
    {
        while (m_input.remaining_bytes() > 0) {
            try {
                step();
            } catch (const AutomationError &) {
                // Refused: the call names nothing the document can act on.
            }
        }
    }

private:
    std::string text() { return m_input.ConsumeRandomLengthString(12); }

    void step()
    {
        switch (m_input.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            return documentCall();
        case 1:
            return patternCall();
        case 2:
            return polylineCall();
        case 3:
            return tableCall();
        default:
            return batchCall();
        }
    }

    void documentCall()
    {
        switch (m_input.ConsumeIntegralInRange<int>(0, 12)) {
        case 0:
            m_face.Run(m_input.ConsumeBool() ? std::make_unique<QuietClient>() : nullptr);
            return;
        case 1:
            m_face.AddMeasureTable(m_input.ConsumeIntegralInRange<int32_t>(-1, 6),
                                   m_input.ConsumeIntegralInRange<int32_t>(-1, 4));
            return;
        case 2:
            m_face.GetIMeasureTableAt(consumeIndex(m_input));
            return;
        case 3:
            m_face.AddPattern(text());
            return;
        case 4:
            m_face.GetPatternAt(consumeIndex(m_input));
            return;
        case 5:
            m_face.ClearPatterns();
            return;
        case 6:
            m_face.ClearMeasureTables();
            return;
        case 7:
            m_face.SetMaskFile(text());
            return;
        case 8:
            m_face.Exit();
            return;
        case 9:
            m_face.SetModelName(text());
            return;
        case 10:
            m_face.OnRunException();
            return;
        case 11:
            m_window.ProcessPostedCloses();
            return;
        default:
            m_face.GetMeasureTableCount();
            m_face.GetPatternCount();
            return;
        }
    }

    void patternCall()
    {
        CTrgPattern &pattern = m_face.GetPatternObject();
        double dx = 0.0;
        double dy = 0.0;
        switch (m_input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            pattern.AddMarkPoint(consumeIndex(m_input));
            return;
        case 1:
            pattern.AddPolyline(consumeIndex(m_input), consumeIndex(m_input),
                                consumeIndex(m_input));
            return;
        case 2:
            pattern.GetPolylineAt(consumeIndex(m_input));
            return;
        case 3:
            pattern.AddBasePoint(consumeNumber(m_input), consumeNumber(m_input),
                                 consumeIndex(m_input));
            return;
        case 4:
            pattern.GetPointRuleValue(consumeIndex(m_input), consumeIndex(m_input),
                                      consumeIndex(m_input), dx, dy);
            return;
        case 5:
            pattern.SetOutlineColor(consumeIndex(m_input));
            return;
        default:
            pattern.GetPolylineCount();
            pattern.GetBasePointCount();
            return;
        }
    }

    void polylineCall()
    {
        CTrgPolyline &line = m_face.GetPatternObject().GetPolyline();
        switch (m_input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
            line.AddNotch(consumeIndex(m_input), consumeNumber(m_input), consumeNumber(m_input));
            return;
        case 1:
            line.GetPointAt(consumeIndex(m_input));
            return;
        case 2:
            line.AddPoint(consumeIndex(m_input));
            return;
        case 3:
            line.GetNotchRefGradePoint(consumeIndex(m_input));
            return;
        case 4:
            line.GetNotchDistanceValue(consumeIndex(m_input), consumeIndex(m_input),
                                       consumeIndex(m_input));
            return;
        default:
            line.GetPointCount();
            line.GetNotchCount();
            return;
        }
    }

    void tableCall()
    {
        CTrgMeasureTable &table = m_face.GetMeasureTableObject();
        CTrgMeasurement &measurement = table.GetMeasurement();
        switch (m_input.ConsumeIntegralInRange<int>(0, 11)) {
        case 0:
            table.SetOriginalGradeSize(consumeIndex(m_input));
            return;
        case 1:
            table.SetGradeSizeName(consumeIndex(m_input), text());
            return;
        case 2:
            table.GetGradeSizeName(consumeIndex(m_input));
            return;
        case 3:
            table.GetIMeasurementAt(consumeIndex(m_input));
            return;
        case 4:
            table.SetName(text());
            return;
        case 5:
            table.SetTableType(consumeIndex(m_input));
            return;
        case 6:
            measurement.SetName(text());
            return;
        case 7:
            measurement.SetComment(text());
            return;
        case 8:
            measurement.GetMeasureSizeValueAt(consumeIndex(m_input), m_input.ConsumeBool());
            return;
        case 9:
            measurement.SetMeasureSizeValueAt(consumeIndex(m_input), consumeNumber(m_input),
                                              m_input.ConsumeBool());
            return;
        case 10:
            measurement.GetName();
            measurement.GetComment();
            measurement.GetMeasureSizeValueCount();
            return;
        default:
            table.GetOriginalGradeSize();
            table.GetGradeSizeCount();
            table.GetMeasurementCount();
            table.GetTableType();
            return;
        }
    }

    void batchCall()
    {
        CMvBatchProcess &batch = m_face.GetBatchProcess();
        int32_t position = 0;
        switch (m_input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            batch.AddOperation(m_input.ConsumeBool() ? m_input.ConsumeIntegralInRange(-1, 11)
                                                     : m_input.ConsumeIntegral<int32_t>());
            return;
        case 1:
            batch.AddOperationParam(consumeIndex(m_input), consumeIndex(m_input), text());
            return;
        case 2:
            batch.GetLastError(position);
            return;
        default:
            batch.RunCloseOperations();
            return;
        }
    }

    FuzzedDataProvider &m_input;
    // The model outlives the input patterns made of its patterns.
    CClientGradeModel m_model;
    DocumentWithInputs m_document;
    GradingEvents m_grading{m_model};
    DocumentAutomation m_face{m_document, m_grading, m_model};
    FakeMainWindow m_window{m_face};
    Runner m_runner{m_face, m_input};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    FaceDriver(input).run();
    return 0;
}
