// Morvane foundation library tests.
// A small stored model that uses every attribute kind: the tests' and the fuzz target's document.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/PtrCollection.h"
#include "foundation/RuntimeClass.h"

#include <cstdint>
#include <string>

namespace sample {

/// A numbered point: "Id" only when set, "x" and "y" always.
class Point : public CObject, public CAttContainer
{
public:
    Point();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int id = -1;
    double x = 0.0;
    double y = 0.0;
};

/// A line through points of its pattern, by reference.
class Line : public CObject, public CAttContainer
{
public:
    Line();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int kind = 0;
    CPtrCollection<Point> points;
    Point *start = nullptr;
};

/// The base of the shapes of a polymorphic collection; cannot be created by name.
class Shape : public CObject, public CAttContainer
{
public:
    Shape();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::string label;
};

class Circle : public Shape
{
public:
    Circle();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    double radius = 1.0;
};

class Square : public Shape
{
public:
    Square();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    double side = 1.0;
    bool filled = false;
};

/// A shape made of shapes, to any depth.
class Group : public Shape
{
public:
    Group();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    COwningCollection<Shape> shapes;
};

/// A pattern with numbered points, lines referring to them, and a mark point.
class Pattern : public CObject, public CAttContainer
{
public:
    Pattern();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::string name;
    COwningCollection<Point> points;
    COwningCollection<Line> lines;
    Point *mark = nullptr;
};

/// A region named by its own "Name".
class Region : public CObject, public CAttContainer
{
public:
    Region();
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::string name;
    double direction = 0.0;
    int type = 0;
};

/// Settings embedded in the document.
class Settings : public CAttContainer
{
public:
    Settings();

    bool snap = false;
    uint32_t colour = 0xFF0000;
};

/// The root: "Version" as an XML attribute, then "Name", "PosX", a reference to a pattern
/// written before the patterns, the patterns, regions, shapes, a region reference, marked
/// points and the settings.
class Document : public CAttContainer
{
public:
    Document();

    int version = 2121;
    std::string name;
    double posX = 0.0;
    Pattern *favourite = nullptr;
    COwningCollection<Pattern> patterns;
    COwningCollection<Region> regions;
    COwningCollection<Shape> shapes;
    Region *activeRegion = nullptr;
    CPtrCollection<Point> marked;
    Settings settings;
};

} // namespace sample
