// Morvane client grade model fuzz target.
// Drives a client model with the calls and indexes an automation client could send.
#include "sources/client-model/ClientGradeModel.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

// Mostly small indexes, in and out of range on both sides, now and then any 32-bit value.
int consumeIndex(FuzzedDataProvider &input)
{
    if (input.ConsumeBool())
        return input.ConsumeIntegral<int32_t>();
    return input.ConsumeIntegralInRange<int>(-2, 9);
}

double consumeCoordinate(FuzzedDataProvider &input)
{
    if (input.ConsumeBool())
        return input.ConsumeFloatingPoint<double>();
    return input.ConsumeIntegralInRange<int>(-100, 100);
}

morvane::FakeGradeData consumeGradeData(FuzzedDataProvider &input)
{
    morvane::FakeGradeData data;
    const int tables = input.ConsumeIntegralInRange<int>(0, 3);
    for (int table = 0; table < tables; ++table) {
        const auto sizes = input.ConsumeIntegralInRange<size_t>(0, 4);
        data.addTable(std::vector<std::string>(sizes, "M"), 0);
    }
    return data;
}

class ClientModelDriver
{
public:
    explicit ClientModelDriver(FuzzedDataProvider &input)
        : m_input(input)
        , m_gradeData(consumeGradeData(input))
    {
    }

    void run()
    {
        while (m_input.remaining_bytes() > 0)
            step();
    }

private:
    CGeomPattern *pattern() { return m_model.GetGeomPatternAt(consumeIndex(m_input)); }

    CGeomPolyline *polyline()
    {
        CGeomPattern *owner = pattern();
        return owner != nullptr ? owner->GetPatternPolylineAt(consumeIndex(m_input)) : nullptr;
    }

    CGeomPoint *point()
    {
        CGeomPattern *owner = pattern();
        return owner != nullptr ? owner->GetBasePointAt(consumeIndex(m_input)) : nullptr;
    }

    GradeSize size() { return {consumeIndex(m_input), consumeIndex(m_input)}; }

    void step()
    {
        switch (m_input.ConsumeIntegralInRange<int>(0, 15)) {
        case 0:
            m_model.AddPattern(m_input.ConsumeRandomLengthString(8));
            break;
        case 1:
            if (CGeomPattern *owner = pattern())
                owner->AddBasePoint(consumeCoordinate(m_input), consumeCoordinate(m_input),
                                    m_input.ConsumeIntegralInRange<int>(-1, 2));
            break;
        case 2:
            if (CGeomPattern *owner = pattern())
                owner->AddPolyline(consumeIndex(m_input), consumeIndex(m_input),
                                   consumeIndex(m_input));
            break;
        case 3:
            if (CGeomPattern *owner = pattern())
                owner->AddMarkPoint(consumeIndex(m_input));
            break;
        case 4:
            if (CGeomPolyline *line = polyline())
                line->AddPoint(consumeIndex(m_input));
            break;
        case 5:
            if (CGeomPolyline *line = polyline())
                line->AddNotch(consumeIndex(m_input), consumeCoordinate(m_input),
                               consumeCoordinate(m_input));
            break;
        case 6:
            m_model.PrepareData();
            break;
        case 7:
            m_model.BeginGrading();
            break;
        case 8:
            m_model.OnAttach(m_input.ConsumeBool() ? &m_gradeData : nullptr);
            break;
        case 9:
            if (CGeomPoint *target = point())
                target->SetPosition(consumeIndex(m_input), consumeIndex(m_input),
                                    consumeCoordinate(m_input), consumeCoordinate(m_input));
            break;
        case 10:
            readShape();
            break;
        case 11:
            readNotch();
            break;
        case 12:
            readPatternElements();
            break;
        case 13:
            touchRuleData();
            break;
        case 14:
            m_model.ClearPatterns();
            break;
        case 15:
            readPoint();
            break;
        }
    }

    void readShape()
    {
        CGeomPolyline *line = polyline();
        if (line == nullptr)
            return;
        std::vector<DPOINT> shape;
        std::vector<int> gradeIndex;
        line->GetShape(size(), &shape, m_input.ConsumeBool() ? &gradeIndex : nullptr);
        line->GetPointAt(consumeIndex(m_input));
        line->GetGradePointAt(consumeIndex(m_input));
    }

    void readNotch()
    {
        CGeomPolyline *line = polyline();
        if (line == nullptr)
            return;
        DPOINT vector;
        float distance = 0.0f;
        int kind = 0;
        line->GetNotchAt(consumeIndex(m_input), size(), vector, distance, kind);
        line->GetNotchPointAt(consumeIndex(m_input));
    }

    void readPatternElements()
    {
        CGeomPattern *owner = pattern();
        if (owner == nullptr)
            return;
        owner->GetCurveAt(consumeIndex(m_input));
        owner->GetInternalPointAt(consumeIndex(m_input));
        owner->GetMarkPointAt(consumeIndex(m_input));
        owner->FindBasePoint(point());
        owner->UpdateOrigin();
    }

    void readPoint()
    {
        CGeomPoint *target = point();
        if (target == nullptr)
            return;
        DPOINT position;
        target->GetPosition(size(), position);
        bool isMark = false;
        target->IsMarkPoint(position, isMark);
        int isSlider = 0;
        IGradeCurve *curve = nullptr;
        int reserved = 0;
        target->GetSliderInfo(isSlider, curve, reserved);
        target->SetRuleValue(consumeIndex(m_input), consumeIndex(m_input),
                             consumeCoordinate(m_input), consumeCoordinate(m_input));
        target->GetRuleValue(consumeIndex(m_input), consumeIndex(m_input));
    }

    void touchRuleData()
    {
        CGradeRuleData *rules = m_model.GetGradeRuleData();
        if (m_input.ConsumeBool()) {
            rules->InsertAt(consumeIndex(m_input), m_input.ConsumeIntegralInRange<int>(-1, 4));
            return;
        }
        CGradeRuleTable *table = rules->GetGradeRuleTableAt(consumeIndex(m_input));
        if (table == nullptr)
            return;
        IGradeRule *rule = table->GetRule(consumeIndex(m_input));
        if (IGradeRuleValue *value = rule->GetValueAt(consumeIndex(m_input)))
            value->SetX(consumeCoordinate(m_input));
        table->GetRuleList()->GetAt(consumeIndex(m_input));
        table->GetRuleList()->RemoveAt(consumeIndex(m_input));
    }

    FuzzedDataProvider &m_input;
    morvane::FakeGradeData m_gradeData;
    CClientGradeModel m_model;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    ClientModelDriver(input).run();
    return 0;
}
