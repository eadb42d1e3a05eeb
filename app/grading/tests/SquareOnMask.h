// Morvane program grading tests.
// A document in memory to grade: one input piece on a mask, a measurement table, the manager.
#pragma once

#include "FakeGradeSource.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "app/grading/GradingManager.h"
#include "app/grading/testing/RecordingMessages.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "platform/brismond/IBrismond.h"

#include <memory>
#include <string>
#include <vector>

class CBaseFormula;
class CMaskPattern;

namespace testgrading {

/// The input piece "Front", a square of grade points P1 (0, 0), P2 (40, 0), P3 (40, 40) and
/// P4 (0, 40) that no grade rule moves, shown on a mask that holds the square "Front" with each
/// point associated with the input point of the same index. The table set has one table of the
/// five sizes S, M (base), L, XL and XXL with the measurement "waist" 70, 74, 78, 82 and 86.
/// Grade points that nothing grades keep their grading unless a test asks for runtime formulas.
/// The extras add input points after the square's, in this order, none on the mask.
struct SquareExtras
{
    /// The input outline drawn as four lines, one a side, so that each corner ends two lines.
    bool sidesAsLines = false;
    /// A point (20, 0) that slides on the outline, associated with the square's ordinary point
    /// 4 (20, -1); the slider information names the outline's grade point sliderAnchor as its
    /// anchor (none when that is not one of the outline's four).
    bool slider = false;
    int sliderAnchor = 0;
    /// A mark point (20, 30).
    bool markPoint = false;
    /// A line (10, 10), (20, 10), (30, 10) inside the square.
    bool innerLine = false;
};

class SquareOnMask
{
public:
    explicit SquareOnMask(SquareExtras extras = {});
    ~SquareOnMask();
    SquareOnMask(const SquareOnMask &) = delete;
    SquareOnMask &operator=(const SquareOnMask &) = delete;

    /// Input point i (from 0).
    CBasePoint *inputPoint(int i) const;
    /// Its grading in size s in the pattern's own frame.
    DPOINT shiftOf(int i, int size) const;
    /// Its grading in size s on the mask.
    DPOINT absShiftOf(int i, int size) const;

    /// An increment formula on mask point i, moving it by (x, y) (texts) on the axes it grades.
    CBaseFormula *addIncrement(int i, const std::string &x, const std::string &y);
    /// A like-point formula on mask point i, grading it like mask point reference.
    CBaseFormula *addLikePoint(int i, int reference);
    /// Places the input piece on the mask turned by angle degrees, flipped when asked.
    void place(double angleDegrees, bool flipped);

    testmodel::FakePattern m_source{"Front"};
    CEventHandler *m_patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns;
    CEventHandler *m_maskHandler = nullptr;
    std::unique_ptr<IGradeMask> m_maskItf;
    CGradeMask *m_mask = nullptr;
    CMaskPattern *m_square = nullptr;
    CEventHandler *m_tableSetHandler = nullptr;
    std::unique_ptr<IBrismond> m_tableSet;
    morvane::FakeDocumentServices m_services;
    RecordingMessages m_messages;
    CGradingManager m_manager{m_services, m_messages};
};

} // namespace testgrading
