// Morvane program interaction tests.
// The focus search on a real style finds what a visit of every reference finds, although it
// places its shapes on a grid and measures only those near the pointer.
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/testing/ShirtMaskTest.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

using namespace testinteraction;

namespace {

/// The view's zoom for the focus searches, installed while it lives.
class InstalledScale : public morvane::IViewZoomSource
{
public:
    explicit InstalledScale(double scale) : m_zoom(1.0 / scale)
    {
        CFocusShapeSet::SetViewZoomSource(this);
    }
    ~InstalledScale() override { CFocusShapeSet::SetViewZoomSource(nullptr); }
    double GetZoom() const override { return m_zoom; }

private:
    double m_zoom;
};

/// A position shape read anew at every search.
class MovablePosition : public IPositionShape
{
public:
    explicit MovablePosition(const IPositionShape &shape) : m_shape(shape) {}
    void GetElementPosition(int32_t element, double &x, double &y) const override
    {
        m_shape.GetElementPosition(element, x, y);
    }

private:
    const IPositionShape &m_shape;
};

/// A point-set shape read anew at every search.
class MovablePointSet : public IPointSetShape
{
public:
    explicit MovablePointSet(const IPointSetShape &shape) : m_shape(shape) {}
    int GetElementPointCount(int32_t element) const override
    {
        return m_shape.GetElementPointCount(element);
    }
    void GetElementPoint(int32_t element, int i, double &x, double &y) const override
    {
        m_shape.GetElementPoint(element, i, x, y);
    }
    bool GetElementBounds(int32_t element, CDRect &bounds) const override
    {
        return m_shape.GetElementBounds(element, bounds);
    }

private:
    const IPointSetShape &m_shape;
};

/// The references of a focus search over shapes that are never placed, so that every search
/// visits every reference, at the focus search's scale.
class VisitingSearch : public CShapeHitTest
{
public:
    explicit VisitingSearch(const CFocusShapeSet &shapes) : m_shapes(shapes)
    {
        for (int i = 0; i < shapes.GetShapeCount(); ++i)
            AddShape(movableCopy(shapes.GetShapeAt(i)));
    }
    double GetScale() const override { return m_shapes.GetScale(); }

private:
    CShapeRef movableCopy(const CShapeRef &ref)
    {
        if (const IPositionShape *shape = ref.GetPositionShape()) {
            m_positions.push_back(std::make_unique<MovablePosition>(*shape));
            return CShapeRef(ref.GetId(), m_positions.back().get(), ref.GetKind(),
                             ref.GetElement(), ref.GetGroup(), ref.GetTolerance());
        }
        if (const IPointSetShape *shape = ref.GetPointSetShape()) {
            m_pointSets.push_back(std::make_unique<MovablePointSet>(*shape));
            return CShapeRef(ref.GetId(), m_pointSets.back().get(), ref.GetKind(),
                             ref.GetElement(), ref.GetGroup(), ref.GetTolerance());
        }
        return ref;
    }

    const CFocusShapeSet &m_shapes;
    std::vector<std::unique_ptr<MovablePosition>> m_positions;
    std::vector<std::unique_ptr<MovablePointSet>> m_pointSets;
};

/// The place of a hit's reference among the search's references; -1 for no hit.
int placeOf(const CShapeHitTest &search, const CShapeHit *hit)
{
    if (hit == nullptr)
        return -1;
    for (int i = 0; i < search.GetShapeCount(); ++i) {
        if (&search.GetShapeAt(i) == hit->GetRef())
            return i;
    }
    return -2;
}

/// Where the references' shapes lie, and the positions of the point references.
struct Scene
{
    CDRect bounds;
    std::vector<DPOINT> positions;
};

Scene sceneOf(const CShapeHitTest &search)
{
    Scene scene;
    for (int i = 0; i < search.GetShapeCount(); ++i) {
        const CShapeRef &ref = search.GetShapeAt(i);
        CDRect bounds;
        if (const IPositionShape *shape = ref.GetPositionShape()) {
            DPOINT position;
            shape->GetElementPosition(ref.GetElement(), position.x, position.y);
            scene.positions.push_back(position);
            bounds.Include(position.x, position.y);
        } else if (const IPointSetShape *shape = ref.GetPointSetShape()) {
            shape->GetElementBounds(ref.GetElement(), bounds);
        }
        scene.bounds.Union(bounds);
    }
    return scene;
}

class FocusShapeSetTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        // Beside the shirt, squares in a row a little apart, so that the tolerances of
        // neighbours meet.
        for (int i = 0; i < 8; ++i)
            placeSquare(mask, "S" + std::to_string(i), {60.0 + 50.0 * i, 20.0 * (i % 3)});
        document.start();
        document.displayFlags.SetShowGrading(true);
        document.focus.SetActiveObject(
            CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
        shapes.SetOwner(&document.services, &document);
    }

    /// Rules of the idle tool's kinds and levels, the pattern rules in the point mode given.
    void addRules(int32_t pointMode)
    {
        CFocusFilterList &rules = shapes.GetFilterList();
        rules.AddFilter(CFocusFilter::kRotationPivot, 0, 5, 5, 0, 2, 0);
        rules.AddFilter(CFocusFilter::kMaskCentre, 1, 7, 7, 0, 0, 0);
        rules.AddFilter(CFocusFilter::kPatternPoints, 1, 3, 100, 0, 2, pointMode);
        rules.AddFilter(CFocusFilter::kPatternLines, 2, 3, 100, 4, 2, pointMode);
        rules.AddFilter(CFocusFilter::kPatternLines, 3, 3, 100, 3, 2, pointMode);
        rules.AddFilter(CFocusFilter::kMaskCentre, 4, 7, 7, 1, 0, 0);
        rules.AddFilter(CFocusFilter::kPatternPoints, 5, 3, 3, 1, 2, pointMode);
        rules.AddFilter(CFocusFilter::kPatternLines, 6, 3, 3, 1, 2, pointMode);
    }

    CFocusShapeSet shapes;
};

} // namespace

TEST_F(FocusShapeSetTest, FindsWhatAVisitOfEveryReferenceFinds)
{
    document.tasks().GetMainTask()->GetAttributes()->SetInteger("bAutoRotate", 1);
    std::mt19937 random(36);
    for (const int32_t pointMode : {CFocusFilter::kBaseShape, CFocusFilter::kEveryShownSize}) {
        shapes.GetFilterList().RemoveAll();
        addRules(pointMode);
        shapes.Rebuild();
        VisitingSearch visiting(shapes);
        const Scene scene = sceneOf(shapes);
        ASSERT_GT(scene.positions.size(), 50u);
        std::uniform_real_distribution<double> x(scene.bounds.minX - 20, scene.bounds.maxX + 20);
        std::uniform_real_distribution<double> y(scene.bounds.minY - 20, scene.bounds.maxY + 20);
        std::uniform_int_distribution<size_t> position(0, scene.positions.size() - 1);
        std::uniform_real_distribution<double> offset(-4.0, 4.0);
        int hits = 0;
        for (const double scale : {0.5, 1.0, 4.0}) {
            const InstalledScale installed(scale);
            for (int i = 0; i < 2000; ++i) {
                // Anywhere on the style, or near one of its points.
                DPOINT probe{x(random), y(random)};
                if (i % 2 == 1) {
                    const DPOINT &near = scene.positions[position(random)];
                    probe = {near.x + offset(random), near.y + offset(random)};
                }
                SCOPED_TRACE("point mode " + std::to_string(pointMode) + ", scale " +
                             std::to_string(scale) + ", probe (" + std::to_string(probe.x) +
                             ", " + std::to_string(probe.y) + ")");
                const CShapeHit *expected = visiting.Run(probe);
                const CShapeHit *found = shapes.FindShapeAt(probe.x, probe.y);
                ASSERT_EQ(placeOf(shapes, found), placeOf(visiting, expected));
                if (expected == nullptr)
                    continue;
                ++hits;
                EXPECT_EQ(found->GetDistance(), expected->GetDistance());
                EXPECT_EQ(found->GetIndex(), expected->GetIndex());
                EXPECT_EQ(found->GetPoint().x, expected->GetPoint().x);
                EXPECT_EQ(found->GetPoint().y, expected->GetPoint().y);
            }
        }
        EXPECT_GT(hits, 2000) << "the hits are compared";
    }
}
