// Morvane examples.
// The shirt example: a style, its sizes, a grade mask with formulas, a workspace and a context,
// all made by the program's own code.
#include "ShirtExample.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/MvContext.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/PointFormulaIncrement.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/MorvaneFactory.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-model/AamaGradeModel.h"

#include <fstream>
#include <numbers>
#include <stdexcept>

namespace example {

namespace {

AamaPiecePoint point(int kind, double x, double y, int rule = -1)
{
    AamaPiecePoint made;
    made.m_nKind = kind;
    made.m_dX = x;
    made.m_dY = y;
    made.m_nRuleNumber = rule;
    return made;
}

AamaPiecePoint notch(double x, double y, double towardsX, double towardsY)
{
    AamaPiecePoint made = point(morvane::kAamaNotchPointKind, x, y);
    made.m_dDirectionX = towardsX;
    made.m_dDirectionY = towardsY;
    return made;
}

CAamaDxfDocument shirtStyle()
{
    using namespace morvane;
    AamaPiece front;
    front.m_sName = "FRONT";
    front.m_oBoundaryPoints = {
        point(kAamaTurnPointKind, 0, 0, 1),     point(kAamaCurvePointKind, 100, 0),
        point(kAamaTurnPointKind, 200, 0, 2),   notch(200, 100, 194, 100),
        point(kAamaTurnPointKind, 100, 120, 3), point(kAamaCurvePointKind, 0, 100)};
    front.m_oInternalPoints = {point(kAamaDrillHolePointKind, 50, 50, 4)};
    AamaPieceLine holes;
    holes.m_nKind = kAamaDrillHoleLineKind;
    holes.m_nPointCount = 1;
    front.m_oLines = {holes};

    AamaPiece back;
    back.m_sName = "BACK";
    back.m_oBoundaryPoints = {
        point(kAamaTurnPointKind, 300, 0, 5), point(kAamaTurnPointKind, 400, 0),
        point(kAamaTurnPointKind, 400, 100, 6), point(kAamaTurnPointKind, 300, 100)};

    CAamaDxfDocument style;
    style.m_sStyleName = "SHIRT";
    style.m_sGradeRuleTable = "SHIRT";
    style.m_sSampleSize = "M";
    style.m_oPieces = {front, back};
    return style;
}

std::tm exampleClock()
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 14;
    time.tm_min = 7;
    time.tm_sec = 9;
    return time;
}

IMeasurement *addMeasurement(IMeasureTable &table, const std::string &name,
                             const std::string &comment, double first, double step)
{
    IMeasurement *measurement = table.GetMeasurementAt(table.InsertMeasurement(name, 0, 0, 0, -1));
    measurement->SetComment(comment);
    for (int size = 0; size < table.GetSizeCount(); ++size)
        measurement->SetValue(size, first + step * size, false);
    return measurement;
}

/// The style's pieces on a grade mask made from them as they lie, each mask grade point tied to
/// the style's point it was made from, with the example's formulas.
class ShirtOnMask
{
public:
    explicit ShirtOnMask(const std::filesystem::path &style)
        : m_model([](const morvane::SaveFileRequest &) { return std::nullopt; })
    {
        if (m_model.Load(style.string()) != GM_NO_ERROR)
            throw std::runtime_error(m_model.GetLastError());
        m_tableSet = CTableSetFactory::Make("Sizes", m_tableSetHandler);
        m_model.OnAttach(&m_tableSet->GetGradeData());
        m_patterns = CMorvaneFactory::MakeInputPatterns(m_patternsHandler);
        int count = 0;
        m_model.GetPatternCount(count);
        for (int p = 0; p < count; ++p)
            m_patterns->AddPattern(m_model.GetPatternAt(p));
        m_patterns->Update();
        m_maskItf = CMorvaneFactory::MakeGradeMask(m_maskHandler, m_patterns.get());
        m_mask = static_cast<CGradeMask *>(m_maskItf.get());
        m_patterns->SetGradeMask(m_mask);
        for (int p = 0; p < m_patterns->GetPatternCount(); ++p)
            placeOnMask(*m_patterns->GetPatternAt(p));
        addFormulas();
    }
    ~ShirtOnMask() { m_patterns->SetGradeMask(nullptr); }
    ShirtOnMask(const ShirtOnMask &) = delete;
    ShirtOnMask &operator=(const ShirtOnMask &) = delete;

    CGradeMask &mask() { return *m_mask; }
    IInputPatterns &patterns() { return *m_patterns; }

private:
    void placeOnMask(CInputPattern &input)
    {
        std::unique_ptr<CMaskPattern> made = m_mask->MakePattern();
        made->CreateFromInput(input);
        CMaskPattern *pattern = made.get();
        m_mask->InsertPatternAt(m_mask->GetPatternCount(), std::move(made));
        for (int i = 0; i < input.GetBasePointCount(); ++i) {
            CBasePoint *point = input.GetBasePointAt(i);
            const int found =
                pattern->FindBasePoint({point->GetX(), point->GetY()}, 1e-9, GRADE_POINT_GRADE);
            if (found >= 0)
                m_mask->GetPointAssociationMap()->AddAssociation(
                    pattern->GetBasePointAt(found)->GetMaskPoint(), point);
        }
        input.SetFlagged();
    }

    /// The mask point tied to base point i of piece p.
    CBasePoint *maskPoint(int p, int i) const
    {
        return m_patterns->GetPatternAt(p)->GetBasePointAt(i)->GetAssociatedPoint();
    }

    void addFormulas()
    {
        CFormulaManager &formulas = m_mask->GetFormulas();
        auto *like =
            static_cast<CPointFormulaLikePoint *>(formulas.AddFormula(formulas.MakePointFormula(
                CPointFormulaLikePoint::kFormulaType, nullptr, maskPoint(0, 1))));
        like->SetReferencePoint(maskPoint(0, 0));
        addIncrement(maskPoint(0, 0), "waist/40", "%INC(0.5)");
        addIncrement(maskPoint(1, 0), "1.25", "-0.75");

        std::unique_ptr<CGradeRegion> made = m_mask->MakeRegion();
        made->SetPosition({200, 90});
        made->SetDirection(std::numbers::pi / 2, true);
        made->SetLimLeft90(true);
        made->SetLeft90(-210);
        made->SetLimRight90(true);
        made->SetRight90(210);
        made->SetLimMaxHeight(true);
        made->SetMaxHeight(40);
        made->SetType(REGION_GRADE);
        CGradeRegion *region = made.get();
        m_mask->InsertGradeRegionAt(m_mask->GetGradeRegionCount(), std::move(made));
        auto *across = static_cast<CGradeRegionFormula *>(
            formulas.AddNewRegionFormula(CGradeRegionFormula::kFormulaType, nullptr, region));
        across->GetParam(0)->SetValue("hip/80");
    }

    void addIncrement(CBasePoint *point, const std::string &x, const std::string &y)
    {
        CFormulaManager &formulas = m_mask->GetFormulas();
        auto *increment = static_cast<CPointFormulaIncrement *>(formulas.AddFormula(
            formulas.MakePointFormula(CPointFormulaIncrement::kFormulaType, nullptr, point)));
        increment->SetXIncrement(x);
        increment->SetYIncrement(y);
    }

    CAamaGradeModel m_model;
    CEventHandler *m_tableSetHandler = nullptr;
    std::unique_ptr<IBrismond> m_tableSet;
    CEventHandler *m_patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns;
    CEventHandler *m_maskHandler = nullptr;
    std::unique_ptr<IGradeMask> m_maskItf;
    CGradeMask *m_mask = nullptr;
};

} // namespace

void writeShirtStyle(const std::filesystem::path &file)
{
    WriteAamaDxf(shirtStyle(), file, exampleClock);
}

void writeShirtSizes(const std::filesystem::path &file)
{
    CEventHandler *handler = nullptr;
    std::unique_ptr<IBrismond> tableSet = CTableSetFactory::Make("Sizes", handler);
    IMeasureTable *table =
        tableSet->GetTableAt(tableSet->InsertTable(0, IMeasureTable::kPlainSizeNames, "Women", -1));
    table->InsertSizesAt({"34", "36", "38", "40", "42", "44"}, 0, -1, 2);
    addMeasurement(*table, "waist", "around the natural waist", 660, 30)->SetOwnSizeIndex(2);
    addMeasurement(*table, "hip", "", 880, 40);
    if (!tableSet->Save(file))
        throw std::runtime_error(tableSet->GetLastError());
}

void writeShirtMask(const std::filesystem::path &style, const std::filesystem::path &file)
{
    ShirtOnMask shirt(style);
    if (!shirt.mask().Save(file))
        throw std::runtime_error(shirt.mask().GetLastError());
}

void writeShirtWorkspace(const std::filesystem::path &file)
{
    CMorvaneWorkspace workspace;
    workspace.SetGradeModelType(GMK_AAMA);
    workspace.SetInputPatternFile(kStyleFile);
    workspace.SetTableSetFile(kTableSetFile);
    workspace.SetMaskFiles({kMaskFile});
    if (!workspace.Save(file))
        throw std::runtime_error(workspace.GetLastError());
}

void writeShirtContext(const std::filesystem::path &style, const std::filesystem::path &file)
{
    ShirtOnMask shirt(style);
    CMvContext context;
    context.GatherMask(shirt.mask(), shirt.patterns());
    context.GetMaskAt(0)->SetName(kMaskFile);
    if (!context.Save(file))
        throw std::runtime_error(context.GetLastError());
}

void writeShirtOptions(const std::filesystem::path &file)
{
    std::ofstream out(file, std::ios::binary);
    out << "[FAVOURITES]\nAUTO_RECALC=1\n";
    if (!out.flush())
        throw std::runtime_error(file.string() + ": the options cannot be written");
}

void writeShirtExample(const std::filesystem::path &folder)
{
    std::filesystem::create_directories(folder);
    writeShirtStyle(folder / kStyleFile);
    writeShirtSizes(folder / kTableSetFile);
    writeShirtMask(folder / kStyleFile, folder / kMaskFile);
    writeShirtWorkspace(folder / kWorkspaceFile);
    writeShirtContext(folder / kStyleFile, folder / kContextFile);
    writeShirtOptions(folder / kOptionsFile);
}

} // namespace example
