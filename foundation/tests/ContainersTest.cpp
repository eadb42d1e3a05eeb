// Morvane foundation library tests.
// The small containers: index array, enumeration names, runtime classes and the class registry.
#include "foundation/ClassRegistry.h"
#include "foundation/EnumValueMap.h"
#include "foundation/IndexArray.h"
#include "foundation/RuntimeClass.h"

#include <gtest/gtest.h>

namespace {

class Square;

const CRuntimeClass kShapeClass{"CShape", nullptr, CObject::GetThisClass()};
const CRuntimeClass kSquareClass{"CSquare", &CreateObjectOf<Square>, &kShapeClass};

class Square : public CObject
{
public:
    const CRuntimeClass *GetRuntimeClass() const override { return &kSquareClass; }
};

class Circle : public CObject
{};

const CRuntimeClass kCircleClass{"CCircle", &CreateObjectOf<Circle>};

} // namespace

TEST(IndexArrayTest, FindsTheFirstPosition)
{
    const CIndexArray indexes{4, 7, 4};
    EXPECT_EQ(indexes.Find(4), 0);
    EXPECT_EQ(indexes.Find(7), 1);
    EXPECT_EQ(indexes.Find(5), -1);
}

TEST(EnumValueMapTest, KeepsTheFirstNameOfAnId)
{
    CEnumValueMap map;
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.GetIdByName("A"), 0u);

    map.Add(5, "A");
    map.Add(5, "B");
    map.Add(3, "Left");
    map.Add(1, "Right");
    EXPECT_EQ(map.GetNameById(5), "A");
    EXPECT_EQ(map.GetNameById(4), "");
    EXPECT_EQ(map.GetIdByName("B"), 0u);
    EXPECT_EQ(map.GetIdByName("Right"), 1u);
    EXPECT_EQ(map.GetIdByName("right"), 0u) << "names compare exactly";
    ASSERT_EQ(map.GetCount(), 3);

    uint32_t id = 0;
    std::string name;
    EXPECT_TRUE(map.GetEntryAt(1, id, name));
    EXPECT_EQ(id, 3u);
    EXPECT_EQ(name, "Left");

    map.Add(9, "Left");
    EXPECT_EQ(map.GetIdByName("Left"), 9u) << "a name given again points at the new id";
    EXPECT_EQ(map.GetNameById(3), "Left");
}

TEST(RuntimeClassTest, CreatesObjectsOfItsClass)
{
    const std::unique_ptr<CObject> square = kSquareClass.CreateObject();
    EXPECT_NE(dynamic_cast<Square *>(square.get()), nullptr);
    EXPECT_EQ(kShapeClass.CreateObject(), nullptr) << "a class without create function";
}

TEST(RuntimeClassTest, CreatesObjectsByClassName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CSquare"), &kSquareClass);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), CObject::GetThisClass());
    EXPECT_EQ(CRuntimeClass::FromName("csquare"), nullptr) << "names compare exactly";

    const std::unique_ptr<CObject> square = CRuntimeClass::CreateObjectByName("CSquare");
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->GetRuntimeClass(), &kSquareClass);
    EXPECT_EQ(CRuntimeClass::CreateObjectByName("CShape"), nullptr) << "cannot be created";
    EXPECT_EQ(CRuntimeClass::CreateObjectByName("CTriangle"), nullptr) << "not registered";
}

TEST(RuntimeClassTest, AnswersKindOfThroughTheBaseClasses)
{
    const Square square;
    EXPECT_TRUE(square.IsKindOf(&kSquareClass));
    EXPECT_TRUE(square.IsKindOf(&kShapeClass));
    EXPECT_TRUE(square.IsKindOf(CObject::GetThisClass()));
    EXPECT_FALSE(square.IsKindOf(&kCircleClass));
    EXPECT_FALSE(kShapeClass.IsDerivedFrom(&kSquareClass));
}

TEST(RuntimeClassTest, FindsTheFirstOfTwoRecordsWithOneName)
{
    {
        const CRuntimeClass second("CSquare", &CreateObjectOf<Circle>);
        EXPECT_EQ(CRuntimeClass::FromName("CSquare"), &kSquareClass);
        const CRuntimeClass temporary("CTemporary");
        EXPECT_EQ(CRuntimeClass::FromName("CTemporary"), &temporary);
    }
    EXPECT_EQ(CRuntimeClass::FromName("CSquare"), &kSquareClass) << "the first one stays";
    EXPECT_EQ(CRuntimeClass::FromName("CTemporary"), nullptr) << "a destroyed record leaves";
}

TEST(ClassRegistryTest, RefusesAnyNameOrIdRegisteredBefore)
{
    CClassRegistry registry;
    ASSERT_TRUE(registry.Register(7, &kSquareClass, "Square"));

    const struct {
        const char *name;
        uint32_t id;
        const CRuntimeClass *cls;
        const char *elementName;
    } refused[] = {
        {"same id", 7, &kCircleClass, "Circle"},
        {"same class", 8, &kSquareClass, "Circle"},
        {"same element name", 8, &kCircleClass, "Square"},
    };
    for (const auto &row : refused) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(registry.Register(row.id, row.cls, row.elementName));
        EXPECT_EQ(registry.GetCount(), 1);
        EXPECT_EQ(registry.GetClassById(8), nullptr);
    }

    EXPECT_TRUE(registry.Register(2, &kCircleClass, "Circle"));
    ASSERT_EQ(registry.GetCount(), 2);
    EXPECT_EQ(registry.GetIdAt(1), 2u);
    EXPECT_EQ(registry.GetClassAt(1), &kCircleClass);
    EXPECT_EQ(registry.GetElementNameAt(0), "Square");
    EXPECT_EQ(registry.GetElementNameById(2), "Circle");
    EXPECT_EQ(registry.GetElementNameById(3), "");

    uint32_t id = 99;
    EXPECT_TRUE(registry.FindIdByClassName("CCircle", id));
    EXPECT_EQ(id, 2u);
    EXPECT_TRUE(registry.FindIdByElementName("Square", id));
    EXPECT_EQ(id, 7u);
    EXPECT_FALSE(registry.FindIdByElementName("square", id));
    EXPECT_EQ(id, 7u);
}
