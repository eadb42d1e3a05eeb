// Morvane program grading tests.
// A document in memory to grade: one input piece on a mask, a measurement table, the manager.
#include "SquareOnMask.h"

#include "MaskFixtures.h"
#include "app/grading/testing/MaskFormulas.h"
#include "formulas/PointFormulaIncrement.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MaskPointList.h"
#include "model/MorvaneFactory.h"
#include "model/PatternLocation.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"

using testmodel::FakePoint;
using testmodel::maskPointAt;

namespace testgrading {

SquareOnMask::SquareOnMask(SquareExtras extras)
{
    m_patterns = CMorvaneFactory::MakeInputPatterns(m_patternsHandler);
    FakePoint *a = m_source.addPoint(0, 0);
    FakePoint *b = m_source.addPoint(40, 0);
    FakePoint *c = m_source.addPoint(40, 40);
    FakePoint *d = m_source.addPoint(0, 40);
    testmodel::FakeCurve *outline = nullptr;
    if (extras.sidesAsLines) {
        outline = m_source.addCurve({a, b});
        m_source.addCurve({b, c});
        m_source.addCurve({c, d});
        m_source.addCurve({d, a});
    } else {
        outline = m_source.addCurve({a, b, c, d, a});
    }
    if (extras.slider) {
        FakePoint *slider = m_source.addPoint(20, 0);
        slider->slideCurve = outline;
        slider->sliderIndex = extras.sliderAnchor;
    }
    if (extras.markPoint)
        m_source.addPoint(20, 30)->isMark = true;
    if (extras.innerLine)
        m_source.addCurve(
            {m_source.addPoint(10, 10), m_source.addPoint(20, 10), m_source.addPoint(30, 10)});
    m_patterns->AddPattern(&m_source);
    m_patterns->Update();
    m_maskItf = CMorvaneFactory::MakeGradeMask(m_maskHandler, m_patterns.get());
    m_mask = static_cast<CGradeMask *>(m_maskItf.get());
    m_patterns->SetGradeMask(m_mask);
    m_square = testmodel::placeSquare(*m_mask, "Front");
    m_patterns->GetPatternAt(0)->SetFlagged();
    for (int i = 0; i < (extras.slider ? 5 : 4); ++i)
        m_mask->GetPointAssociationMap()->AddAssociation(maskPointAt(*m_square, i)->GetMaskPoint(),
                                                         inputPoint(i));

    m_tableSet = CTableSetFactory::Make("Women", m_tableSetHandler);
    m_tableSet->InsertTable(0, 0, "Women", -1);
    IMeasureTable *table = m_tableSet->GetTableAt(0);
    table->InsertSizesAt({"S", "M", "L", "XL", "XXL"}, 0, -1, 1);
    IMeasurement *waist = table->GetMeasurementAt(table->InsertMeasurement("waist", 0, 0, 0, -1));
    for (int s = 0; s < 5; ++s)
        waist->SetValue(s, 70.0 + 4.0 * s, false);

    m_services.activeMask = m_mask;
    m_services.inputPatterns = m_patterns.get();
    m_services.tableSet = m_tableSet.get();
    m_manager.Rebuild();
    m_manager.SetGradePointOptions({false, false});
}

SquareOnMask::~SquareOnMask()
{
    m_patterns->SetGradeMask(nullptr);
}

CBasePoint *SquareOnMask::inputPoint(int i) const
{
    return m_patterns->GetPatternAt(0)->GetBasePointAt(i);
}

DPOINT SquareOnMask::shiftOf(int i, int size) const
{
    return inputPoint(i)->GetInputPoint()->GetGradeShift({}, {0, size});
}

DPOINT SquareOnMask::absShiftOf(int i, int size) const
{
    return inputPoint(i)->GetInputPoint()->GetAbsGradeShift({}, {0, size});
}

CBaseFormula *SquareOnMask::addIncrement(int i, const std::string &x, const std::string &y)
{
    CBaseFormula *formula =
        testgrading::addIncrement(m_mask->GetFormulas(), maskPointAt(*m_square, i), x, y);
    m_manager.Invalidate();
    return formula;
}

CBaseFormula *SquareOnMask::addLikePoint(int i, int reference)
{
    CBaseFormula *formula = testgrading::addLikePoint(
        m_mask->GetFormulas(), maskPointAt(*m_square, i), maskPointAt(*m_square, reference));
    m_manager.Invalidate();
    return formula;
}

void SquareOnMask::place(double angleDegrees, bool flipped)
{
    CInputPattern *pattern = m_patterns->GetPatternAt(0);
    IPatternLocation *location = pattern->GetPatternLocation();
    location->Set(location->GetPosition(), angleDegrees, flipped);
    m_manager.Invalidate();
}

} // namespace testgrading
