// Morvane main window, view and interaction, tests.
// The main view in a host window over a graded style on its mask, with the grade-mask document's
// focus manager, modes, pivot, measure line and the display switches of the document.
#pragma once

#include "TemporaryFolder.h"
#include "app/interaction/testing/MaskDocumentOnStyle.h"
#include "app/ui/view/MorvaneView.h"

#include <QColor>
#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <filesystem>
#include <functional>

namespace testview {

/// The style of shirt.dxf (FRONT, a 20 x 12 pentagon at the origin; BACK, a 10 mm square at
/// (30, 0)) with the sizes of women.mst, on the grade-mask document of the interaction tests.
/// FRONT is graded by formulas that move every point 10 mm along x a size; the mask patterns
/// made from the style lie 40 mm higher. 17 sizes are shown, the table's six sizes over and
/// over (shown size i is size i % 6). The view fills a 900 x 700 host window and shows
/// everything; the options are at their defaults.
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
    /// Where a base-size point of FRONT lies in table size s (s - 2 steps along x).
    static DPOINT inSize(DPOINT base, int size)
    {
        return {base.x + kSizeStep * (size - 2), base.y};
    }

    morvane::FakeDocumentServices &services() { return document.services; }
    testgrading::StyleOnMask &style() { return document.style(); }
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

    TemporaryFolder scratch{"view-style"};
    testinteraction::MaskDocumentOnStyle document;
    QMainWindow window;
    CMorvaneView *view;
};

/// The colour as Qt gives it, from 0x00BBGGRR.
QColor qtColour(uint32_t colour);
/// The file beside the sources.
std::filesystem::path sourcePath(const std::string &relative);

} // namespace testview
