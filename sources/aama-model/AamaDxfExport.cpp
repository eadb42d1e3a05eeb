// Morvane AAMA grade model.
// The patterns of an AAMA grade model as the document of an AAMA DXF file, with its rule labels.
#include "sources/aama-model/AamaDxfExport.h"

#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaGradeModel.h"

namespace morvane {

namespace {

class ExportBuilder
{
public:
    ExportBuilder(AamaDxfExport &result, double millimetresPerFileUnit)
        : m_result(result)
        , m_millimetresPerFileUnit(millimetresPerFileUnit)
    {
    }

    void addPattern(CAamaGradePattern &pattern)
    {
        AamaPiece piece;
        piece.m_sName = pattern.GetPatternName();
        const AamaPieceExtras &extras = pattern.GetExtras();
        piece.m_oDrawing = extras.drawing;
        for (AamaDrawingItem &item : piece.m_oDrawing)
            toFileUnits(item);
        piece.m_sAnnotation = extras.annotation;
        piece.m_nQuantity = extras.quantity;
        piece.m_sCategory = extras.category;
        piece.m_bHasNameText = extras.hasNameText;
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        std::size_t outlinePointCount = 0;
        for (int c = 0; c < curveCount; ++c)
            outlinePointCount += static_cast<std::size_t>(pattern.GetCurveAt(c)->GetPointCount());
        piece.m_oBoundaryPoints.reserve(outlinePointCount);
        for (int c = 0; c < curveCount; ++c) {
            const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
            for (int i = 0; i + 1 < curve.GetPointCount(); ++i)
                piece.m_oBoundaryPoints.push_back(outlinePoint(*curve.GetPointAt(i)));
        }
        const auto &internalPoints = pattern.GetInternalPoints();
        if (!internalPoints.empty()) {
            piece.m_oLines.push_back(
                {static_cast<int>(internalPoints.size()), 0, morvane::kAamaDrillHoleLineKind});
            for (const CAamaGradePoint &point : internalPoints)
                piece.m_oInternalPoints.push_back(written(point, kAamaDrillHolePointKind));
        }
        const auto &looseNotches = pattern.GetNotchesOffOutline();
        for (std::size_t i = 0; i < looseNotches.size(); ++i) {
            const CAamaGradePoint &point = looseNotches[i];
            piece.m_oLooseNotches.push_back(
                {withDirection(written(point, kAamaNotchPointKind), point.GetNotch()),
                 pattern.GetNotchDrawingItem(i)});
        }
        m_result.document.m_oPieces.push_back(std::move(piece));
    }

private:
    AamaPiecePoint outlinePoint(const CAamaGradePoint &point)
    {
        switch (point.GetKind()) {
        case kAamaTurnPoint:
            return written(point, kAamaTurnPointKind);
        case kAamaNotchPoint:
            return withDirection(written(point, kAamaNotchPointKind), point.GetNotch());
        default:
            return written(point, kAamaCurvePointKind);
        }
    }

    AamaPiecePoint withDirection(AamaPiecePoint written, const CAamaNotch *notch) const
    {
        if (notch != nullptr) {
            written.m_dDirectionX = written.m_dX + inFileUnits(notch->m_oVector.x);
            written.m_dDirectionY = written.m_dY + inFileUnits(notch->m_oVector.y);
        }
        return written;
    }

    double inFileUnits(double millimetres) const { return millimetres / m_millimetresPerFileUnit; }

    void toFileUnits(AamaDrawingItem &item) const
    {
        for (AamaPosition &point : item.points)
            point = {inFileUnits(point.x), inFileUnits(point.y)};
        item.textHeight = inFileUnits(item.textHeight);
    }

    // The point as written with that kind, labelled when it has a rule number.
    AamaPiecePoint written(const CAamaGradePoint &point, int kind)
    {
        AamaPiecePoint result;
        result.m_nKind = kind;
        result.m_dX = inFileUnits(point.GetBasePosition().x);
        result.m_dY = inFileUnits(point.GetBasePosition().y);
        if (point.HasRule()) {
            const auto label = static_cast<long long>(m_result.rulePoints.size()) + 1;
            m_result.rulePoints.push_back({formatInteger(label), &point});
            result.m_nRuleNumber = static_cast<int>(label);
        }
        return result;
    }

    AamaDxfExport &m_result;
    double m_millimetresPerFileUnit;
};

} // namespace

AamaDxfExport buildAamaDxfExport(CAamaGradeModel &model, const std::string &gradeRuleTable)
{
    AamaDxfExport result;
    result.document.m_sStyleName = model.GetStyleName();
    result.document.m_sCodePage = model.GetCodePage();
    result.document.m_sGradeRuleTable = gradeRuleTable;
    result.document.m_sSampleSize = model.GetSampleSize();
    result.document.m_sUnits = model.IsInInches() ? "ENGLISH" : "METRIC";
    ExportBuilder builder(result, model.GetMillimetresPerFileUnit());
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    // The labelled points are rule points of their patterns.
    std::size_t rulePointCount = 0;
    for (int i = 0; i < patternCount; ++i) {
        int count = 0;
        model.GetPatternAt(i)->GetInternalPointCount(count);
        rulePointCount += static_cast<std::size_t>(count);
    }
    result.rulePoints.reserve(rulePointCount);
    result.document.m_oPieces.reserve(static_cast<std::size_t>(patternCount));
    for (int i = 0; i < patternCount; ++i)
        builder.addPattern(*model.GetPatternAt(i));
    return result;
}

} // namespace morvane
