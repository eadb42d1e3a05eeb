// Morvane client grade model tests.
// Filling, numbering and grading a client model as the program drives it.
#include "sources/client-model/ClientGradeModel.h"

#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using morvane::FakeGradeData;

namespace {

// The sizes of the tables of data's rule tables, in order.
std::vector<int> ruleTableSizes(CClientGradeModel &model)
{
    std::vector<int> sizes;
    IGradeRuleData *rules = model.GetGradeRuleData();
    for (int table = 0; table < rules->GetGradeRuleTableCount(); ++table)
        sizes.push_back(rules->GetGradeRuleTableAt(table)->GetSizeCount());
    return sizes;
}

} // namespace

TEST(ClientGradeModelTest, EmptyModelHasNothingToPrepare)
{
    CClientGradeModel model;
    int count = -1;
    EXPECT_EQ(model.GetPatternCount(count), GM_NO_ERROR);
    EXPECT_EQ(count, 0);
    model.PrepareData();
    EXPECT_EQ(model.GetPatternAt(0), nullptr);
    EXPECT_EQ(model.GetGradeRuleData()->GetGradeRuleTableCount(), 0);
}

TEST(ClientGradeModelTest, PrepareDataNumbersPointsAcrossPatterns)
{
    CClientGradeModel model;
    CGeomPattern *front = model.GetGeomPatternAt(model.AddPattern("Front"));
    CGeomPattern *back = model.GetGeomPatternAt(model.AddPattern("Back"));
    front->AddBasePoint(0, 0, 1);
    front->AddBasePoint(4, 0, 0);
    front->AddBasePoint(4, 4, 1);
    back->AddBasePoint(0, 0, 0);
    back->AddBasePoint(2, 2, 3);
    back->AddBasePoint(6, 2, 1);
    EXPECT_EQ(front->GetBasePointAt(0)->GetRuleNumber(), -1);

    model.PrepareData();

    struct Expected
    {
        CGeomPattern *pattern;
        int point;
        int ruleNumber;
        int id;
    };
    const Expected rows[] = {
        {front, 0, 1, 1}, {front, 1, 2, 1}, {front, 2, 3, 2},
        {back, 0, 4, 2},  {back, 1, 5, 0},  {back, 2, 6, 3},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.ruleNumber);
        const CGeomPoint *point = row.pattern->GetBasePointAt(row.point);
        EXPECT_EQ(point->GetRuleNumber(), row.ruleNumber);
        EXPECT_EQ(point->GetId(), row.id);
    }
    EXPECT_EQ(front->GetOrigin().x, 2.0);
    EXPECT_EQ(back->GetOrigin().y, 1.0);
}

TEST(ClientGradeModelTest, BeginGradingBuildsEmptyTablesForTheAttachedSizes)
{
    CClientGradeModel model;
    CGeomPattern *pattern = model.GetGeomPatternAt(model.AddPattern("Front"));
    pattern->AddBasePoint(0, 0, 1);
    model.PrepareData();
    FakeGradeData data({{{"S", "M", "L"}, 1}, {{"36", "38"}, 0}});
    model.OnAttach(&data);

    model.BeginGrading();
    EXPECT_EQ(ruleTableSizes(model), (std::vector<int>{3, 2}));
    CGeomPoint *point = pattern->GetBasePointAt(0);
    point->SetPosition(1, 1, 4.0, -2.0);
    DPOINT position;
    point->GetPosition({1, 1}, position);
    EXPECT_EQ(position.x, 4.0);
    EXPECT_EQ(position.y, -2.0);

    // A second pass starts again from zero, with the tables of the data as it is now.
    data.addTable({"XS"}, 0);
    model.BeginGrading();
    EXPECT_EQ(ruleTableSizes(model), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(point->GetRuleValue(1, 1).x, 0.0);
    point->GetPosition({1, 1}, position);
    EXPECT_EQ(position.x, 0.0);

    FakeGradeData noTables;
    model.OnAttach(&noTables);
    model.BeginGrading();
    EXPECT_EQ(model.GetGradeRuleData()->GetGradeRuleTableCount(), 0);
}

TEST(ClientGradeModelTest, WithoutGradeDataBehavesAsHavingNoTables)
{
    CClientGradeModel model;
    CGeomPattern *pattern = model.GetGeomPatternAt(model.AddPattern("Front"));
    pattern->AddBasePoint(0, 0, 1);
    pattern->AddBasePoint(5, 1, 0);
    pattern->AddBasePoint(10, 0, 1);
    pattern->AddPolyline(0, 3, 0);
    model.PrepareData();

    EXPECT_EQ(model.BeginGrading(), GM_NO_ERROR);
    EXPECT_EQ(model.GetGradeRuleData()->GetGradeRuleTableCount(), 0);
    CGeomPoint *point = pattern->GetBasePointAt(2);
    EXPECT_EQ(point->SetPosition(0, 0, 50, 50), GM_NO_ERROR);

    std::vector<DPOINT> shape;
    pattern->GetPatternPolylineAt(0)->GetShape({0, 0}, &shape, nullptr);
    ASSERT_EQ(shape.size(), 3u);
    EXPECT_EQ(shape[2].x, 5.0);
    EXPECT_EQ(shape[2].y, -0.5);
}

TEST(ClientGradeModelTest, PointsWithoutRuleNumbersStoreNoValues)
{
    CClientGradeModel model;
    CGeomPattern *pattern = model.GetGeomPatternAt(model.AddPattern("Front"));
    pattern->AddBasePoint(0, 0, 1);
    pattern->AddBasePoint(8, 0, 1);
    FakeGradeData data({{{"S"}, 0}});
    model.OnAttach(&data);
    model.BeginGrading();

    // Before PrepareData no point has a rule of its own, so none can move another.
    pattern->GetBasePointAt(0)->SetPosition(0, 0, 3.0, 3.0);
    EXPECT_EQ(pattern->GetBasePointAt(0)->GetRuleValue(0, 0).x, 0.0);
    EXPECT_EQ(pattern->GetBasePointAt(1)->GetRuleValue(0, 0).x, 0.0);
    EXPECT_EQ(model.GetGradeRuleData()->GetGradeRuleTableAt(0)->GetRuleList()->GetCount(), 0);
}

TEST(ClientGradeModelTest, GradesThroughTheInterfacesInTheProgramsOrder)
{
    CClientGradeModel model;
    model.SetName("Test Model");
    CGeomPattern *pattern = model.GetGeomPatternAt(model.AddPattern("Rectangle"));
    pattern->AddBasePoint(0, 0, 1);
    pattern->AddBasePoint(10, 0, 0);
    pattern->AddBasePoint(20, 0, 1);
    pattern->AddPolyline(0, 3, 0);
    model.PrepareData();
    FakeGradeData data({{{"S", "M"}, 0}});

    IGradeModel &source = model;
    source.OnAttach(&data);
    EXPECT_EQ(source.Initialize("unused"), GM_NO_ERROR);
    EXPECT_EQ(source.Load("unused"), GM_NO_ERROR);
    EXPECT_EQ(source.BeginGrading(), GM_NO_ERROR);
    IGradePattern *input = source.GetPatternAt(0);
    ASSERT_EQ(input, pattern);
    IGradeCurve *curve = input->GetCurveAt(0);
    IGradePoint *end = curve->GetGradePointAt(1);
    DPOINT base;
    end->GetPosition({0, 1}, base);
    EXPECT_EQ(end->SetPosition(0, 1, base.x + 4.0, base.y), GM_NO_ERROR);

    std::vector<DPOINT> shape;
    std::vector<int> gradeIndex;
    EXPECT_EQ(curve->GetShape({0, 1}, &shape, &gradeIndex), GM_NO_ERROR);
    EXPECT_DOUBLE_EQ(shape[1].x, 2.0);
    EXPECT_DOUBLE_EQ(shape[2].x, 14.0);
    EXPECT_EQ(gradeIndex, (std::vector<int>{0, -1, 1}));
    EXPECT_EQ(source.EndGrading(), GM_NO_ERROR);
    EXPECT_EQ(source.Save(), GM_NO_ERROR);

    std::string name;
    source.GetName(name);
    EXPECT_EQ(name, "Test Model");
    input->GetName(name);
    EXPECT_EQ(name, "Rectangle");
}

TEST(ClientGradeModelTest, ClearPatternsAndReleaseDeleteEverything)
{
    auto model = std::make_unique<CClientGradeModel>();
    model->AddPattern("Front");
    EXPECT_EQ(model->AddPattern("Back"), 1);
    model->GetGeomPatternAt(1)->AddBasePoint(1, 1, 1);
    model->ClearPatterns();
    int count = -1;
    model->GetPatternCount(count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(model->GetGeomPatternAt(-1), nullptr);

    model->GetGeomPatternAt(model->AddPattern("Front"))->AddBasePoint(0, 0, 1);
    EXPECT_EQ(model.release()->Release(), GM_NO_ERROR);
}
