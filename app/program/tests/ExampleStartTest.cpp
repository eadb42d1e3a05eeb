// Morvane program tests.
// The program started on the shirt example, as the README's first command starts it: once the
// idle pass has graded the style, every size of every piece shows on the mask.
#include "ExampleProgramTest.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/MorvaneDoc.h"
#include "app/interaction/DisplayFlags.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "app/ui/main/MainFrame.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/ColourRef.h"
#include "app/ui/view/MorvaneView.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

/// Whether a pixel within two of the point has one of the colours.
bool drawnNear(const QImage &image, QPoint point, const std::set<QRgb> &colours)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint at = point + QPoint(dx, dy);
            if (image.valid(at) && colours.count(image.pixel(at) | 0xFF000000u) != 0)
                return true;
        }
    }
    return false;
}

TEST_F(ExampleProgramTest, StartedOnTheExampleItShowsEverySizeOfEveryPieceOnTheMask)
{
    CMorvaneApp &app = startOnExample();
    ASSERT_TRUE(app.InitInstance());
    CMorvaneDoc &document = *app.GetDocument();
    ASSERT_NE(document.GetActiveGradeMask(), nullptr);
    EXPECT_EQ(app.GetMainFrame()->windowTitle().toStdString(),
              "Morvane-[" + (m_shirt / example::kMaskFile).string() + "]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.GetDisplayFlags()->GetShowGrading(); },
                                5000))
        << "the idle pass grades the example";

    CMorvaneView &view = *app.GetMainFrame()->GetView();
    const QImage image = view.viewport()->grab().toImage();
    const auto &sizes = document.GetSizeSelection()->GetShownSizes();
    ASSERT_EQ(sizes.size(), 6u);
    // Each shown size is drawn in its own colour.
    std::set<QRgb> sizeColours;
    for (size_t s = 0; s < sizes.size(); ++s)
        sizeColours.insert(colourFromRef(COptions::GetInstance()->m_aPatternColours[s]).rgb());
    IInputPatterns &pieces = *document.GetInputPatterns();
    ASSERT_EQ(pieces.GetPatternCount(), 2);
    for (int p = 0; p < pieces.GetPatternCount(); ++p) {
        CPattern &piece = *pieces.GetPatternAt(p);
        int gradedPoints = 0;
        for (int i = 0; i < piece.GetGradePointCount(); ++i) {
            CBasePoint *point = piece.GetGradePointAt(i);
            std::vector<QPoint> pixels;
            for (const auto &size : sizes) {
                const DPOINT at = point->GetPosition(size.get());
                pixels.push_back(view.WorldToClient(at.x, at.y));
            }
            // A point that the formulas leave in place may lie below the mask's own marks.
            if (std::count(pixels.begin(), pixels.end(), pixels.front()) ==
                static_cast<std::ptrdiff_t>(pixels.size()))
                continue;
            ++gradedPoints;
            for (size_t s = 0; s < pixels.size(); ++s) {
                SCOPED_TRACE(piece.GetPatternName() + " point " + std::to_string(i) + " size " +
                             std::to_string(s));
                EXPECT_TRUE(drawnNear(image, pixels[s], sizeColours));
            }
        }
        EXPECT_GT(gradedPoints, 0) << piece.GetPatternName() << " is graded";
    }

    // The mask's tools let go of the mouse that the view captured for them.
    auto *tasks = dynamic_cast<CMaskTaskManager *>(document.GetActiveMaskDoc()->GetTaskManager());
    ASSERT_NE(tasks, nullptr);
    ASSERT_NE(tasks->GetMouseCapture(), nullptr);
    view.viewport()->grabMouse();
    tasks->GetMouseCapture()->ReleaseCapture();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
