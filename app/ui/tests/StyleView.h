// Morvane main window, view and interaction, tests.
// The main view in a host window over the main document holding a graded style on its active
// grade mask.
#pragma once

#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/grading/testing/RecordingMessages.h"
#include "app/ui/view/MorvaneView.h"

#include <QColor>
#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <functional>

class CDisplayFlags;
class CGradeMask;

namespace testview {

/// What a StyleView is made with.
struct StyleViewSetup
{
    /// Without it, the document holds no style and its one grade mask is empty.
    bool withStyle = true;
    /// Makes the view over the document; a plain CMorvaneView when empty.
    std::function<CMorvaneView *(CMorvaneDoc &)> makeView;
    /// Makes the mask's task manager; a CMaskTaskManager when empty.
    CGradeMaskDocArray::TaskManagerFactory makeTasks;
};

/// The main document holding the style of shirt.dxf (FRONT, a 20 x 12 pentagon at the origin;
/// BACK, a 10 mm square at (30, 0)) with the sizes of women.mst, placed on its one grade mask,
/// which is active. FRONT is graded by formulas that move every point 10 mm along x a size; the
/// mask patterns lie 40 mm higher than the input patterns. 17 sizes are shown, the table's six
/// sizes over and over (shown size i is size i % 6). The view fills a 900 x 700 host window,
/// listens to the document and shows everything; the options are at their defaults.
class StyleView
{
public:
    static constexpr int kShownSizes = 17;
    static constexpr double kMaskShift = 40.0;
    static constexpr double kSizeStep = 10.0;

    explicit StyleView(StyleViewSetup setup = {});
    ~StyleView();
    StyleView(const StyleView &) = delete;
    StyleView &operator=(const StyleView &) = delete;

    /// The table size shown as shown size i.
    static int tableSize(int shown) { return shown % 6; }
    /// Where a base-size point of FRONT lies in table size s (s - 2 steps along x).
    static DPOINT inSize(DPOINT base, int size)
    {
        return {base.x + kSizeStep * (size - 2), base.y};
    }

    CGradeMaskDoc &maskDoc() { return *m_pMaskDoc; }
    CGradeMask &mask();
    CDisplayFlags &flags() { return *document.GetDisplayFlags(); }
    CPattern *inputPattern(int i);
    CPattern *maskPattern(int i);
    /// Makes a focus object of the item and kind the active object.
    void select(CObject *item, int32_t kind);

    QImage render();
    QColor colourAt(const QImage &image, DPOINT world) const;
    /// Whether some pixel of the image in the rectangle of pixels placed relative to the world
    /// point's pixel passes the test.
    bool anyPixel(const QImage &image, DPOINT world, QRect pixels,
                  const std::function<bool(const QColor &)> &test) const;

    morvane::FakeOptions options;
    testgrading::RecordingMessages prompt;
    CMorvaneDoc document{options, prompt};
    QMainWindow window;
    CMorvaneView *view = nullptr;

private:
    void gradeFront();
    void showSizes();
    /// A new empty grade mask, made active.
    CGradeMaskDoc &activateEmptyMask();

    CGradeMaskDoc *m_pMaskDoc = nullptr;
};

/// The colour as Qt gives it, from 0x00BBGGRR.
QColor qtColour(uint32_t colour);

} // namespace testview
