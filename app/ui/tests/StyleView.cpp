// Morvane main window, view and interaction, tests.
// The main view in a host window over the main document holding a graded style on its active
// grade mask.
#include "StyleView.h"

#include "TemporaryFolder.h"
#include "app/documents/testing/ShirtStyle.h"
#include "app/grading/IGradingInterface.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "app/interaction/FocusObject.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/ColourRef.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "platform/brismond/TableSetFactory.h"

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

QColor qtColour(uint32_t colour)
{
    return colourFromRef(colour);
}

StyleView::StyleView(StyleViewSetup setup)
{
    if (setup.makeTasks)
        document.GetMaskDocs()->SetTaskManagerFactory(std::move(setup.makeTasks));
    if (setup.withStyle)
        morvane::loadShirtStyle(document);
    m_pMaskDoc = &activateEmptyMask();
    if (setup.withStyle) {
        testgrading::placeInputPatterns(mask(), *document.GetInputPatterns());
        gradeFront();
        for (int p = 0; p < mask().GetPatternCount(); ++p) {
            IPatternLocation *location = maskPattern(p)->GetPatternLocation();
            location->SetPosition(location->GetPosX(), location->GetPosY() + kMaskShift);
        }
        showSizes();
    }

    // Every view starts from the options' defaults.
    COptions::DeleteInstance();
    view = setup.makeView ? setup.makeView(document) : new CMorvaneView(document);
    window.setCentralWidget(view);
    window.resize(900, 700);
    window.show();
    // Taken into the document's listeners, the view resets itself.
    document.GetListenerList().Add(view, document.GetEventHandler());
    view->OnInitialUpdate();
    view->ZoomAll();
}

StyleView::~StyleView()
{
    document.GetListenerList().Remove(view);
}

void StyleView::gradeFront()
{
    CPattern *front = inputPattern(0);
    for (int i = 0; i < front->GetBasePointCount(); ++i) {
        if (CBasePoint *maskPoint = front->GetBasePointAt(i)->GetAssociatedPoint())
            testgrading::addIncrement(mask().GetFormulas(), maskPoint, "hip/4", "0");
    }
    document.OnBeginGrading();
    EXPECT_TRUE(document.GetGradingInterface()->ApplyGradeRules());
}

void StyleView::showSizes()
{
    std::vector<std::unique_ptr<IComplexGradeSize>> shown;
    std::vector<const IComplexGradeSize *> list;
    for (int i = 0; i < kShownSizes; ++i) {
        shown.push_back(CTableSetFactory::MakeComplexGradeSize(1));
        shown.back()->SetPlaceAt(0, tableSize(i));
        list.push_back(shown.back().get());
    }
    CGradeSizeSelection &sizes = *document.GetSizeSelection();
    sizes.SetCustomSizes(list);
    sizes.SetCustomSelection(true);
}

CGradeMaskDoc &StyleView::activateEmptyMask()
{
    CGradeMaskDocArray &masks = *document.GetMaskDocs();
    std::unique_ptr<CGradeMaskDoc> made = masks.CreateMaskDoc();
    made->SetTitle(masks.MakeUniqueName("Mask"));
    CGradeMaskDoc &added = *made;
    masks.InsertAt(masks.GetCount(), std::move(made));
    document.SetActiveMaskDoc(&added);
    return added;
}

CGradeMask &StyleView::mask()
{
    return static_cast<CGradeMask &>(*m_pMaskDoc->GetGradeMask());
}

CPattern *StyleView::inputPattern(int i)
{
    return document.GetInputPatterns()->GetPatternAt(i);
}

CPattern *StyleView::maskPattern(int i)
{
    return mask().GetPatternAt(i);
}

void StyleView::select(CObject *item, int32_t kind)
{
    document.GetFocusManager()->SetActiveObject(CFocusObject::Create(item, kind));
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
