// Morvane benchmarks.
// The main view redrawing the grading benchmarks' 30-piece style, held by a main document, on
// its mask with 12 sizes shown, offscreen into an image, beside the same polylines drawn with
// bare QPainter::drawPolyline into the same image.
#include "ComparingReporter.h"
#include "StyleDocument.h"
#include "app/interaction/DisplayFlags.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/MorvaneView.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace benchstyle;

constexpr QSize kViewSize(1200, 800);

/// The graded style held by a main document, shown in the view that listens to it: every size
/// of its table shown, the whole style in view.
struct RedrawScene
{
    RedrawScene()
    {
        std::vector<std::unique_ptr<IComplexGradeSize>> shown;
        std::vector<const IComplexGradeSize *> list;
        for (int i = 0; i < kSizeCount; ++i) {
            shown.push_back(CTableSetFactory::MakeComplexGradeSize(1));
            shown.back()->SetPlaceAt(0, i);
            list.push_back(shown.back().get());
        }
        CMorvaneDoc &document = style.document();
        document.GetSizeSelection()->SetCustomSizes(list);
        document.GetSizeSelection()->SetCustomSelection(true);
        document.GetDisplayFlags()->SetShowGrading(true);
        view.resize(kViewSize);
        view.show();
        document.GetListenerList().Add(&view, document.GetEventHandler());
        view.OnInitialUpdate();
        view.ZoomAll();
    }
    ~RedrawScene() { style.document().GetListenerList().Remove(&view); }

    /// Every line the view draws for the patterns, in window pixels: the input patterns in the
    /// base size and each shown size, and the mask's patterns.
    std::vector<QPolygon> patternLines()
    {
        std::vector<const IGradeSize *> drawnSizes{nullptr};
        for (const auto &size : style.document().GetSizeSelection()->GetShownSizes())
            drawnSizes.push_back(size.get());
        std::vector<QPolygon> lines;
        std::vector<DPOINT> shape;
        const auto addLines = [&](CPattern *pattern, const IGradeSize *size) {
            for (int i = 0; i < pattern->GetPolylineCount(); ++i) {
                pattern->GetPatternPolylineAt(i)->GetShape(size, shape, nullptr);
                QPolygon line;
                for (const DPOINT &point : shape)
                    line << view.WorldToClient(point.x, point.y);
                lines.push_back(line);
            }
        };
        IInputPatterns *patterns = style.document().GetInputPatterns();
        for (int p = 0; p < patterns->GetPatternCount(); ++p) {
            for (const IGradeSize *size : drawnSizes)
                addLines(patterns->GetPatternAt(p), size);
        }
        for (int p = 0; p < style.mask().GetPatternCount(); ++p)
            addLines(style.mask().GetPatternAt(p), nullptr);
        return lines;
    }

    StyleDocument style;
    CMorvaneView view{style.document()};
};

/// Made and destroyed by main, inside the application's lifetime.
std::unique_ptr<RedrawScene> g_pScene;

RedrawScene &scene()
{
    return *g_pScene;
}

QImage blankImage()
{
    return QImage(scene().view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
}

void redrawMask(benchmark::State &state)
{
    if (!scene().style.IsGraded()) {
        state.SkipWithError("the style did not load or grade in the document");
        return;
    }
    QImage image = blankImage();
    for (auto _ : state)
        scene().view.viewport()->render(&image);
    state.SetLabel(std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                   " pixels");
}

void drawPolylines(benchmark::State &state)
{
    const std::vector<QPolygon> lines = scene().patternLines();
    QImage image = blankImage();
    const QColor background = Qt::white;
    const std::array<QColor, 3> colours = {Qt::black, Qt::red, Qt::blue};
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), background);
        for (size_t i = 0; i < lines.size(); ++i) {
            painter.setPen(colours[i % colours.size()]);
            painter.drawPolyline(lines[i]);
        }
    }
    state.SetLabel(std::to_string(lines.size()) + " polylines");
}

BENCHMARK(redrawMask)->Unit(benchmark::kMillisecond);
BENCHMARK(drawPolylines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<char *> arguments = withSteadyRepetitions(argc, argv);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&argumentCount, arguments.data());
    std::printf("style: %d pieces of %d points on their mask, graded over %d sizes, all shown\n",
                kPieceCount, kPointCount, kSizeCount);
    g_pScene = std::make_unique<RedrawScene>();
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("redrawMask", "drawPolylines");
    benchmark::Shutdown();
    g_pScene.reset();
    COptions::DeleteInstance();
    return 0;
}
