// Morvane AAMA grade model.
// Writes a graded R12 DXF file: one block per pattern and size, with the shapes in that size.
#include "sources/aama-model/AamaR12DxfWriter.h"

#include "foundation/TextFormat.h"
#include "platform/fallowby/JwcaComment.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/aama-model/DxfText.h"
#include "sources/aama-model/FixedWidthText.h"
#include "sources/dxf-groups/DxfCodePage.h"

#include <cassert>
#include <cmath>
#include <utility>

using namespace morvane;

namespace {

constexpr DxfGroup kHeaderStart[] = {
    {0, "SECTION"},
    {2, "HEADER"},
    {9, "$ACADVER"},
    {1, "AC1009"},
};

constexpr DxfGroup kTablesSection[] = {
    {0, "SECTION"},  {2, "TABLES"}, {0, "TABLE"}, {2, "STYLE"},  {70, "1"},     {0, "STYLE"},
    {2, "STANDARD"}, {70, "64"},    {40, "0"},    {41, "1"},     {50, "0"},     {71, "0"},
    {42, "0"},       {3, "txt"},    {4, ""},      {0, "ENDTAB"}, {0, "ENDSEC"},
};

std::string blockName(int pattern, int size)
{
    return "P" + zeroPadded(pattern + 1, 4) + "_" + zeroPadded(size + 1, 2);
}

int32_t pointClass(int32_t kind)
{
    switch (kind) {
    case kAamaTurnPoint:
    case kAamaNotchPoint:
        return kJwcaTurnPointClass;
    case kAamaCurvePoint:
        return kJwcaCurvePointClass;
    default:
        return kJwcaOtherPointClass;
    }
}

void comment(DxfText &dxf, const JwcaComment &value)
{
    dxf.group(999, formatJwcaComment(value));
}

// The start of a TEXT at the origin, up to its text value.
void startText(DxfText &dxf)
{
    dxf.group(0, "TEXT");
    dxf.layer(1);
    dxf.position(0.0, 0.0);
    dxf.group(40, "0.0");
}

class BlockWriter
{
public:
    BlockWriter(DxfText &dxf, CAamaGradePattern &pattern, GradeSize size,
                double millimetresPerUnit)
        : m_dxf(dxf)
        , m_pattern(pattern)
        , m_size(size)
        , m_millimetresPerUnit(millimetresPerUnit)
    {
    }

    void write(const std::string &name, const std::string &sizeName)
    {
        m_dxf.group(0, "BLOCK");
        m_dxf.layer(1);
        m_dxf.group(2, name);
        m_dxf.group(70, "64");
        m_dxf.group(10, "0.0");
        m_dxf.group(20, "0.0");
        writeTexts(sizeName);
        int curveCount = 0;
        m_pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            if (!m_pattern.GetCurveAt(c)->IsStraightLine())
                writePolyline(*m_pattern.GetCurveAt(c));
        }
        for (int c = 0; c < curveCount; ++c) {
            if (m_pattern.GetCurveAt(c)->IsStraightLine())
                writeLine(*m_pattern.GetCurveAt(c));
        }
        writeInternalPoints();
        writeNotchesOffOutline();
        m_dxf.group(0, "ENDBLK");
    }

private:
    // Each text's style group stands before its TEXT, so it ends the entity before.
    void writeTexts(const std::string &sizeName)
    {
        const std::string texts[] = {"PIECE: " + m_pattern.GetPatternName(), "SIZE: " + sizeName,
                                     "FABRIC: A", "QUANTITY: 1"};
        for (const std::string &text : texts) {
            m_dxf.group(7, "STANDARD");
            startText(m_dxf);
            m_dxf.group(50, "90.0");
            m_dxf.group(1, text);
        }
    }

    void writePolyline(CAamaGradeCurve &curve)
    {
        curve.GetShape(m_size, &m_shape, &m_gradeIndex);
        if (m_shape.empty())
            return;
        const int32_t kind = curve.GetLineType();
        m_dxf.group(0, "POLYLINE");
        comment(m_dxf, {kind, 0, 0, 0});
        m_dxf.layer(1);
        m_dxf.group(66, "1");
        m_dxf.group(70, "   1");
        for (std::size_t i = 0; i < m_shape.size(); ++i) {
            const CAamaGradePoint *gradePoint =
                m_gradeIndex[i] < 0 ? nullptr : curve.GetGradePointAt(m_gradeIndex[i]);
            assert((m_gradeIndex[i] < 0 || gradePoint != nullptr) && "grade index without a point");
            const CAamaGradePoint &point = *curve.GetPointAt(static_cast<int>(i));
            const CAamaNotch *notch = curve.HoldsNotch(point.GetNotch()) ? point.GetNotch() : nullptr;
            writeVertex(kind, m_shape[i], gradePoint, notch);
        }
        m_dxf.group(0, "SEQEND");
    }

    // A grade point carries its class, notch and rule in its comment; any other point only the
    // line kind, and its notch when it is one, so that no notch is lost. A point that ends one
    // curve and starts another carries its notch only in the curve that holds the notch.
    void writeVertex(int32_t kind, const DPOINT &position, const CAamaGradePoint *gradePoint,
                     const CAamaNotch *notch)
    {
        m_dxf.group(0, "VERTEX");
        if (gradePoint != nullptr) {
            comment(m_dxf, {kind, pointClass(gradePoint->GetKind()), notch != nullptr ? 1 : 0,
                            gradePoint->GetRuleNumber()});
        } else {
            comment(m_dxf, {kind, 0, notch != nullptr ? 1 : 0, 0});
        }
        m_dxf.layer(1);
        writePosition(position);
        if (notch != nullptr) {
            m_dxf.coordinate(38, inFileUnits(std::hypot(notch->m_oVector.x, notch->m_oVector.y)));
            m_dxf.coordinate(50, notch->m_dAngle);
        }
    }

    // A straight line lies at its base position in every size.
    void writeLine(const CAamaGradeCurve &curve)
    {
        if (curve.GetPointCount() == 0)
            return;
        const DPOINT start = curve.GetPointAt(0)->GetBasePosition();
        const DPOINT end = curve.GetPointAt(curve.GetPointCount() - 1)->GetBasePosition();
        m_dxf.group(0, "LINE");
        comment(m_dxf, {curve.GetLineType(), kJwcaStraightLineClass, 0, 0});
        m_dxf.layer(1);
        writePosition(start);
        m_dxf.coordinate(11, inFileUnits(end.x));
        m_dxf.coordinate(21, inFileUnits(end.y));
    }

    void writeInternalPoints()
    {
        int count = 0;
        m_pattern.GetInternalPointCount(count);
        for (int i = 0; i < count; ++i) {
            const CAamaGradePoint &point = *m_pattern.GetInternalPointAt(i);
            if (point.GetKind() != kAamaInternalPoint)
                continue;
            const DPOINT position = point.GetGradedPosition(m_size);
            m_dxf.group(0, "POINT");
            // Without a rule, no point class: "9,1" would read as rule 0.
            comment(m_dxf, {kJwcaDrillHoleKind, point.HasRule() ? 1 : 0, 0, point.GetRuleNumber()});
            m_dxf.layer(1);
            writePosition(position);
        }
    }

    // A notch off the outline: a POINT in its place in the size, with its depth and angle.
    void writeNotchesOffOutline()
    {
        for (const CAamaGradePoint &point : m_pattern.GetNotchesOffOutline()) {
            const CAamaNotch &notch = *point.GetNotch();
            m_dxf.group(0, "POINT");
            comment(m_dxf, {kJwcaNotchOffOutlineKind, point.HasRule() ? kJwcaOtherPointClass : 0,
                            1, point.GetRuleNumber()});
            m_dxf.layer(1);
            writePosition(point.GetGradedPosition(m_size));
            m_dxf.coordinate(38, inFileUnits(std::hypot(notch.m_oVector.x, notch.m_oVector.y)));
            m_dxf.coordinate(50, notch.m_dAngle);
        }
    }

    double inFileUnits(double millimetres) const { return millimetres / m_millimetresPerUnit; }

    void writePosition(const DPOINT &position)
    {
        m_dxf.position(inFileUnits(position.x), inFileUnits(position.y));
    }

    DxfText &m_dxf;
    CAamaGradePattern &m_pattern;
    GradeSize m_size;
    double m_millimetresPerUnit;
    // The shape of the curve being written and its grade indices, their room kept for the next.
    std::vector<DPOINT> m_shape;
    std::vector<int> m_gradeIndex;
};

} // namespace

CAamaR12DxfWriter::CAamaR12DxfWriter(CAamaGradeModel &model, LocalClock clock)
    : m_pModel(&model)
    , m_fnClock(std::move(clock))
{
}

void CAamaR12DxfWriter::Write(const std::filesystem::path &path)
{
    DxfText dxf;
    dxf.groups(kHeaderStart);
    if (!m_pModel->GetCodePage().empty()) {
        dxf.group(9, "$DWGCODEPAGE");
        dxf.group(3, m_pModel->GetCodePage());
    }
    dxf.group(0, "ENDSEC");
    dxf.groups(kTablesSection);
    const IGradeData *data = m_pModel->GetGradeData();
    if (data != nullptr && data->GetTableCount() >= 1) {
        WriteBlocks(dxf, *data);
        WriteEntities(dxf, *data);
    }
    dxf.group(0, "EOF");
    saveFileAtomically(path, dxf.text(), "Cannot create file");
}

void CAamaR12DxfWriter::WriteBlocks(DxfText &dxf, const IGradeData &data)
{
    int patternCount = 0;
    m_pModel->GetPatternCount(patternCount);
    const DxfCodePage codePage = m_pModel->GetTextCodePage();
    dxf.group(0, "SECTION");
    dxf.group(2, "BLOCKS");
    for (int i = 0; i < patternCount; ++i) {
        for (int j = 0; j < data.GetSizeCount(0); ++j) {
            BlockWriter(dxf, *m_pModel->GetPatternAt(i), {0, j},
                        m_pModel->GetMillimetresPerFileUnit())
                .write(blockName(i, j), codePage.fromUtf8(data.GetSizeName(0, j)));
        }
    }
    dxf.group(0, "ENDSEC");
}

// The header texts, each a TEXT whose style group follows its text, then the INSERTs.
void CAamaR12DxfWriter::WriteEntities(DxfText &dxf, const IGradeData &data)
{
    const std::tm now = m_fnClock();
    const DxfCodePage codePage = m_pModel->GetTextCodePage();
    const std::string texts[] = {
        "DESIGN: " + m_pModel->GetStyleName(),
        "DATE: " + yearMonthDayMinuteText(now),
        "AUTHOR: VELMORA",
        "MASTER SIZE: " + codePage.fromUtf8(data.GetSizeName(0, data.GetSampleSize(0))),
        m_pModel->IsInInches() ? "UNITS: ENGLISH" : "UNITS: METRIC",
        "VERSION: 1.00",
    };
    dxf.group(0, "SECTION");
    dxf.group(2, "ENTITIES");
    for (const std::string &text : texts) {
        startText(dxf);
        dxf.group(1, text);
        dxf.group(7, "STANDARD");
    }
    int patternCount = 0;
    m_pModel->GetPatternCount(patternCount);
    for (int i = 0; i < patternCount; ++i) {
        for (int j = 0; j < data.GetSizeCount(0); ++j) {
            dxf.group(0, "INSERT");
            dxf.layer(1);
            dxf.group(2, blockName(i, j));
            dxf.position(0.0, 0.0);
        }
    }
    dxf.group(0, "ENDSEC");
}
