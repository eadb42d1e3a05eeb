// Morvane foundation library tests.
// A small stored model that uses every attribute kind: the tests' and the fuzz target's document.
#include "SampleModel.h"

using morvane::XmlForm;
using morvane::XmlNaming;
using morvane::XmlPresence;

namespace sample {

namespace {

const CRuntimeClass kPointClass("SamplePoint", &CreateObjectOf<Point>, CObject::GetThisClass());
const CRuntimeClass kLineClass("SampleLine", &CreateObjectOf<Line>, CObject::GetThisClass());
const CRuntimeClass kShapeClass("SampleShape", nullptr, CObject::GetThisClass());
const CRuntimeClass kCircleClass("SampleCircle", &CreateObjectOf<Circle>, &kShapeClass);
const CRuntimeClass kSquareClass("SampleSquare", &CreateObjectOf<Square>, &kShapeClass);
const CRuntimeClass kGroupClass("SampleGroup", &CreateObjectOf<Group>, &kShapeClass);
const CRuntimeClass kPatternClass("SamplePattern", &CreateObjectOf<Pattern>,
                                  CObject::GetThisClass());
const CRuntimeClass kRegionClass("SampleRegion", &CreateObjectOf<Region>, CObject::GetThisClass());

} // namespace

Point::Point()
{
    AddIntAttribute(&id, "Id", XmlPresence::WhenSet);
    AddDoubleAttribute(&x, "x");
    AddDoubleAttribute(&y, "y");
}

const CRuntimeClass *Point::GetThisClass()
{
    return &kPointClass;
}

Line::Line()
{
    AddIntAttribute(&kind, "Kind", XmlPresence::WhenSet, XmlForm::Attribute);
    AddPtrCollectionAttribute(&points, "Points", "Point");
    AddPtrAttribute(&start, "Start", "Point", XmlPresence::Optional);
}

const CRuntimeClass *Line::GetThisClass()
{
    return &kLineClass;
}

Shape::Shape()
{
    AddStringAttribute(&label, "Label", XmlPresence::Optional);
}

const CRuntimeClass *Shape::GetThisClass()
{
    return &kShapeClass;
}

Circle::Circle()
{
    AddDoubleAttribute(&radius, "Radius");
}

const CRuntimeClass *Circle::GetThisClass()
{
    return &kCircleClass;
}

Square::Square()
{
    AddDoubleAttribute(&side, "Side");
    AddBoolAttribute(&filled, "Filled", XmlPresence::WhenSet);
}

const CRuntimeClass *Square::GetThisClass()
{
    return &kSquareClass;
}

Group::Group()
{
    AddCollectionAttribute(&shapes, "Shapes", "Shape", XmlNaming::None, XmlPresence::Optional);
    AddCollectionClass("Shapes", Circle::GetThisClass());
    AddCollectionClass("Shapes", Square::GetThisClass());
    AddCollectionClass("Shapes", Group::GetThisClass());
}

const CRuntimeClass *Group::GetThisClass()
{
    return &kGroupClass;
}

Pattern::Pattern()
{
    AddStringAttribute(&name, "sName");
    AddClassCollectionAttribute(&points, "BasePoints", "Point", Point::GetThisClass(),
                                XmlNaming::Numbered, XmlPresence::WhenSet);
    AddClassCollectionAttribute(&lines, "Lines", "Line", Line::GetThisClass(), XmlNaming::None,
                                XmlPresence::WhenSet);
    AddPtrAttribute(&mark, "Mark", "Point", XmlPresence::WhenSet);
}

const CRuntimeClass *Pattern::GetThisClass()
{
    return &kPatternClass;
}

Region::Region()
{
    AddStringAttribute(&name, "Name");
    SetNameAttribute("Name");
    AddDoubleAttribute(&direction, "RegDir", XmlPresence::Required, XmlForm::Element, 6);
    AddIntAttribute(&type, "Type", XmlPresence::WhenSet);
}

const CRuntimeClass *Region::GetThisClass()
{
    return &kRegionClass;
}

Settings::Settings()
{
    AddBoolAttribute(&snap, "Snap", XmlPresence::WhenSet);
    AddDwordAttribute(&colour, "Colour", XmlPresence::WhenSet);
}

Document::Document()
{
    AddIntAttribute(&version, "Version", XmlPresence::Required, XmlForm::Attribute);
    AddStringAttribute(&name, "Name");
    AddDoubleAttribute(&posX, "PosX");
    AddPtrAttribute(&favourite, "Favourite", "Pattern", XmlPresence::Optional);
    AddClassCollectionAttribute(&patterns, "Patterns", "Pattern", Pattern::GetThisClass(),
                                XmlNaming::Numbered, XmlPresence::Optional);
    AddClassCollectionAttribute(&regions, "Regions", "Region", Region::GetThisClass(),
                                XmlNaming::OwnNames, XmlPresence::Optional);
    AddCollectionAttribute(&shapes, "Shapes", "Shape", XmlNaming::None, XmlPresence::Optional);
    AddCollectionClass("Shapes", Circle::GetThisClass());
    AddCollectionClass("Shapes", Square::GetThisClass());
    AddCollectionClass("Shapes", Group::GetThisClass());
    AddPtrAttribute(&activeRegion, "ActiveRegion", "Region", XmlPresence::Optional);
    AddPtrCollectionAttribute(&marked, "Marked", "Point", XmlPresence::WhenSet);
    AddContainerAttribute(&settings, "Settings", XmlPresence::Optional);
}

} // namespace sample
