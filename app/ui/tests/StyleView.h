// Morvane main window, view and interaction, tests.
// The main view in a host window over a graded style on its mask, with the interaction state
// the test sets.
#pragma once

#include "app/grading/testing/StyleOnMask.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/view/MorvaneView.h"

#include <QColor>
#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <filesystem>
#include <functional>

namespace testview {

/// The main view drawing with the state that the test sets.
class StateView : public CMorvaneView
{
public:
    using CMorvaneView::CMorvaneView;
    MaskViewState ReadViewState() override { return state; }

    MaskViewState state;
};

/// The style of shirt.dxf (FRONT, a 20 x 12 pentagon at the origin; BACK, a 10 mm square at
/// (30, 0)) with the sizes of women.mst, graded by formulas that move every point 10 mm along x
/// a size; the mask patterns made from it lie 40 mm higher. 17 sizes are shown, the table's six
/// sizes over and over (shown size i is size i % 6). The view fills a 900 x 700 host window
/// and shows everything; the options are at their defaults.
class StyleView
{
public:
    static constexpr int kShownSizes = 17;
    static constexpr double kMaskShift = 40.0;
    static constexpr double kSizeStep = 10.0;

    StyleView();
    ~StyleView();
    StyleView(const StyleView &) = delete;
    StyleView &operator=(const StyleView &) = delete;

    /// The table size shown as shown size i.
    static int tableSize(int shown) { return shown % 6; }
    /// Where a base-size point of the style lies in table size s (s - 2 steps along x).
    static DPOINT inSize(DPOINT base, int size)
    {
        return {base.x + kSizeStep * (size - 2), base.y};
    }

    QImage render();
    QColor colourAt(const QImage &image, DPOINT world) const;
    /// Whether some pixel of the image in the rectangle of width x height pixels whose top-left
    /// corner lies (dx, dy) pixels from the world point's pixel passes the test.
    bool anyPixel(const QImage &image, DPOINT world, QRect pixels,
                  const std::function<bool(const QColor &)> &test) const;

    testgrading::StyleOnMask style;
    CGradeSizeSelection sizes;
    QMainWindow window;
    StateView *view;
};

/// The colour as Qt gives it, from 0x00BBGGRR.
QColor qtColour(uint32_t colour);
/// The file beside the sources.
std::filesystem::path sourcePath(const std::string &relative);

} // namespace testview
