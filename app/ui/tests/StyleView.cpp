// Morvane main window, view and interaction, tests.
// The main view in a host window over a graded style on its mask, with the grade-mask document's
// focus manager, modes, pivot, measure line and the display switches of the document.
#include "StyleView.h"

#include "app/grading/testing/MaskFormulas.h"
#include "app/interaction/FocusObject.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/ColourRef.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "platform/brismond/TableSetFactory.h"

#include <QApplication>

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace testview {

namespace {

/// The options of the tests come from a folder of their own, with their defaults.
class OptionsFolder : public testing::Environment
{
public:
    void SetUp() override { setenv("XDG_CONFIG_HOME", m_folder.path().c_str(), 1); }
    void TearDown() override
    {
        COptions::DeleteInstance();
        unsetenv("XDG_CONFIG_HOME");
    }

private:
    TemporaryFolder m_folder{"view-options"};
};

[[maybe_unused]] testing::Environment *const kOptionsFolder =
    testing::AddGlobalTestEnvironment(new OptionsFolder);

} // namespace

std::filesystem::path sourcePath(const std::string &relative)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    return std::filesystem::path(root != nullptr ? root : ".") / relative;
}

QColor qtColour(uint32_t colour)
{
    return colourFromRef(colour);
}

StyleView::StyleView()
    : document(sourcePath("sources/aama-model/tests/data/shirt.dxf"),
               sourcePath("app/grading/tests/data/women.mst"), scratch.path())
{
    EXPECT_EQ(document.GetProblem(), "");
    // Every view starts from the options' defaults.
    COptions::DeleteInstance();
    const int count = inputPattern(0)->GetBasePointCount();
    for (int i = 0; i < count; ++i) {
        if (CBasePoint *maskPoint = style().maskPoint(0, i))
            testgrading::addIncrement(style().formulas(), maskPoint, "hip/4", "0");
    }
    EXPECT_TRUE(style().grade());
    for (int p = 0; p < style().mask().GetPatternCount(); ++p) {
        IPatternLocation *location = maskPattern(p)->GetPatternLocation();
        location->SetPosition(location->GetPosX(), location->GetPosY() + kMaskShift);
    }

    std::vector<std::unique_ptr<IComplexGradeSize>> shown;
    std::vector<const IComplexGradeSize *> list;
    for (int i = 0; i < kShownSizes; ++i) {
        shown.push_back(CTableSetFactory::MakeComplexGradeSize(1));
        shown.back()->SetPlaceAt(0, tableSize(i));
        list.push_back(shown.back().get());
    }
    document.sizes.SetCustomSizes(list);
    document.sizes.SetCustomSelection(true);
    services().rotationPivot = &document.pivot;
    services().measureLine = &document.measureLine;
    document.start();

    view = new CMorvaneView(services());
    window.setCentralWidget(view);
    window.resize(900, 700);
    window.show();
    view->ResetView();
    view->OnInitialUpdate();
    view->ZoomAll();
}

StyleView::~StyleView() = default;

CPattern *StyleView::inputPattern(int i)
{
    return style().inputPatterns().GetPatternAt(i);
}

CPattern *StyleView::maskPattern(int i)
{
    return style().mask().GetPatternAt(i);
}

void StyleView::select(CObject *item, int32_t kind)
{
    document.focus.SetActiveObject(CFocusObject::Create(item, kind));
}

QImage StyleView::render()
{
    return view->viewport()->grab().toImage();
}

QColor StyleView::colourAt(const QImage &image, DPOINT world) const
{
    const QPoint pixel = view->WorldToClient(world.x, world.y);
    return image.pixelColor(pixel);
}

bool StyleView::anyPixel(const QImage &image, DPOINT world, QRect pixels,
                         const std::function<bool(const QColor &)> &test) const
{
    const QRect area = pixels.translated(view->WorldToClient(world.x, world.y));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.valid(x, y) && test(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

} // namespace testview
