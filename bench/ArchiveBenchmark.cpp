// Morvane benchmarks.
// Saving and loading an object tree of about 100,000 stored members beside pugixml's own print
// and parse of the same document, and the peak memory of a load beside the file's size.
#include "ComparingReporter.h"
#include "foundation/AttContainer.h"
#include "foundation/RuntimeClass.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <new>
#include <pugixml.hpp>
#include <string>
#include <unistd.h>

// The bytes held by the process's allocations while a measurement runs, and their peak.
namespace {

bool g_counting = false;
long long g_liveBytes = 0;
long long g_peakBytes = 0;

void *countedAllocate(size_t size)
{
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr && g_counting) {
        g_liveBytes += static_cast<long long>(malloc_usable_size(block));
        g_peakBytes = std::max(g_peakBytes, g_liveBytes);
    }
    return block;
}

void countedFree(void *block)
{
    if (block != nullptr && g_counting)
        g_liveBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

void *allocateOrThrow(size_t size)
{
    void *block = countedAllocate(size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

} // namespace

void *operator new(size_t size)
{
    return allocateOrThrow(size);
}

void *operator new[](size_t size)
{
    return allocateOrThrow(size);
}

void operator delete(void *block) noexcept
{
    countedFree(block);
}

void operator delete[](void *block) noexcept
{
    countedFree(block);
}

void operator delete(void *block, size_t) noexcept
{
    countedFree(block);
}

void operator delete[](void *block, size_t) noexcept
{
    countedFree(block);
}

using morvane::XmlForm;
using morvane::XmlNaming;
using morvane::XmlPresence;

namespace {

constexpr int kShapeCount = 10000;
// Per shape: Kind, Name, PosX, PosY, RotAngle, Closed, Next, and one point with Id, x and y.
constexpr int kMembersPerShape = 10;

class Point : public CObject, public CAttContainer
{
public:
    Point()
    {
        AddIntAttribute(&id, "Id", XmlPresence::WhenSet);
        AddDoubleAttribute(&x, "x");
        AddDoubleAttribute(&y, "y");
    }
    const CRuntimeClass *GetRuntimeClass() const override;

    int id = -1;
    double x = 0.0;
    double y = 0.0;
};

const CRuntimeClass kPointClass("BenchPoint", &CreateObjectOf<Point>, CObject::GetThisClass());

const CRuntimeClass *Point::GetRuntimeClass() const
{
    return &kPointClass;
}

class Shape : public CObject, public CAttContainer
{
public:
    Shape()
    {
        AddIntAttribute(&kind, "Kind", XmlPresence::Required, XmlForm::Attribute);
        AddStringAttribute(&name, "Name");
        AddDoubleAttribute(&posX, "PosX");
        AddDoubleAttribute(&posY, "PosY");
        AddDoubleAttribute(&angle, "RotAngle", XmlPresence::Required, XmlForm::Element, 6);
        AddBoolAttribute(&closed, "Closed");
        AddPtrAttribute(&next, "Next", "Shape", XmlPresence::Optional);
        AddClassCollectionAttribute(&points, "Points", "Point", &kPointClass);
    }
    const CRuntimeClass *GetRuntimeClass() const override;

    int kind = 0;
    std::string name;
    double posX = 0.0;
    double posY = 0.0;
    double angle = 0.0;
    bool closed = false;
    Shape *next = nullptr;
    COwningCollection<Point> points;
};

const CRuntimeClass kShapeClass("BenchShape", &CreateObjectOf<Shape>, CObject::GetThisClass());

const CRuntimeClass *Shape::GetRuntimeClass() const
{
    return &kShapeClass;
}

class Document : public CAttContainer
{
public:
    Document()
    {
        AddIntAttribute(&version, "Version", XmlPresence::Required, XmlForm::Attribute);
        AddClassCollectionAttribute(&shapes, "Shapes", "Shape", &kShapeClass, XmlNaming::Numbered);
    }

    int version = 2121;
    COwningCollection<Shape> shapes;
};

std::unique_ptr<Document> makeDocument()
{
    auto document = std::make_unique<Document>();
    for (int i = 0; i < kShapeCount; ++i) {
        auto shape = std::make_unique<Shape>();
        shape->kind = i % 7;
        shape->name = "Shape " + std::to_string(i);
        shape->posX = i * 0.37;
        shape->posY = -i * 1.25;
        shape->angle = i * 0.001;
        shape->closed = i % 2 == 0;
        auto point = std::make_unique<Point>();
        point->id = i;
        point->x = i + 0.5;
        point->y = i - 0.25;
        shape->points.AddOwned(std::move(point));
        document->shapes.AddOwned(std::move(shape));
    }
    for (int i = 0; i + 1 < kShapeCount; ++i)
        document->shapes.GetAt(i)->next = document->shapes.GetAt(i + 1);
    return document;
}

const Document &sourceDocument()
{
    static const std::unique_ptr<Document> document = makeDocument();
    return *document;
}

std::string saveDocument(const Document &document)
{
    CXmlArchive archive;
    archive.SaveObject(const_cast<Document &>(document), "Benchmark");
    return archive.TakeXmlContents();
}

const std::string &documentText()
{
    static const std::string text = saveDocument(sourceDocument());
    return text;
}

// The options that the archive's filer parses and prints with.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;

class StringWriter : public pugi::xml_writer
{
public:
    explicit StringWriter(std::string &out)
        : m_out(out)
    {
    }
    void write(const void *data, size_t size) override
    {
        m_out.append(static_cast<const char *>(data), size);
    }

private:
    std::string &m_out;
};

void archiveSave(benchmark::State &state)
{
    const Document &document = sourceDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveDocument(document));
}

// The tree that the archive writes, built with pugixml from the same objects and values.
void buildTree(const Document &document, pugi::xml_document &tree)
{
    pugi::xml_node root = tree.append_child("Benchmark");
    root.append_attribute("Version").set_value(morvane::formatInteger(document.version).c_str());
    pugi::xml_node shapes = root.append_child("Shapes");
    const auto addText = [](pugi::xml_node parent, const char *name, const std::string &text) {
        parent.append_child(name).append_child(pugi::node_pcdata).set_value(text.c_str());
    };
    for (int i = 0; i < document.shapes.GetCount(); ++i) {
        const Shape &shape = *document.shapes.GetAt(i);
        pugi::xml_node element = shapes.append_child("Shape");
        element.append_attribute("ShapeID").set_value(shape.GetObjectName().c_str());
        element.append_attribute("Kind").set_value(morvane::formatInteger(shape.kind).c_str());
        addText(element, "Name", shape.name);
        addText(element, "PosX", morvane::formatFixed(shape.posX, 3));
        addText(element, "PosY", morvane::formatFixed(shape.posY, 3));
        addText(element, "RotAngle", morvane::formatFixed(shape.angle, 6));
        addText(element, "Closed", shape.closed ? "1" : "0");
        if (shape.next != nullptr)
            addText(element, "Next", shape.next->GetObjectName());
        pugi::xml_node points = element.append_child("Points");
        for (int j = 0; j < shape.points.GetCount(); ++j) {
            const Point &point = *shape.points.GetAt(j);
            pugi::xml_node pointElement = points.append_child("Point");
            addText(pointElement, "Id", morvane::formatInteger(point.id));
            addText(pointElement, "x", morvane::formatFixed(point.x, 3));
            addText(pointElement, "y", morvane::formatFixed(point.y, 3));
        }
    }
}

std::string printTree(const pugi::xml_document &tree)
{
    std::string text;
    StringWriter writer(text);
    tree.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    return text;
}

void pugixmlBuildAndPrint(benchmark::State &state)
{
    const Document &document = sourceDocument();
    pugi::xml_document sameTree;
    buildTree(document, sameTree);
    if (printTree(sameTree) != documentText())
        state.SkipWithError("the tree built with pugixml prints other text than the archive");
    for (auto _ : state) {
        pugi::xml_document tree;
        buildTree(document, tree);
        benchmark::DoNotOptimize(printTree(tree));
    }
}

void pugixmlPrint(benchmark::State &state)
{
    pugi::xml_document document;
    document.load_buffer(documentText().data(), documentText().size(), kParseOptions);
    for (auto _ : state)
        benchmark::DoNotOptimize(printTree(document));
}

void archiveLoad(benchmark::State &state)
{
    const std::string &text = documentText();
    for (auto _ : state) {
        auto document = std::make_unique<Document>();
        CXmlArchive archive;
        archive.LoadFromText(text);
        if (archive.LoadObject(*document, "Benchmark") != 0 ||
            document->shapes.GetCount() != kShapeCount)
            state.SkipWithError("the document did not load");
        // Freed in the loop, as pugixml's document is on the other side.
    }
}

void pugixmlParse(benchmark::State &state)
{
    const std::string &text = documentText();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(text.data(), text.size(), kParseOptions));
    }
}

BENCHMARK(archiveSave)->Unit(benchmark::kMillisecond);
BENCHMARK(pugixmlPrint)->Unit(benchmark::kMillisecond);
BENCHMARK(pugixmlBuildAndPrint)->Unit(benchmark::kMillisecond);
BENCHMARK(archiveLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(pugixmlParse)->Unit(benchmark::kMillisecond);

double megabytes(long long bytes)
{
    return static_cast<double>(bytes) / 1e6;
}

// Loads the document from a file once, counting the bytes allocated from reading the file to
// the loaded objects, and prints their peak beside the file's size, with what the parsed
// document and the loaded objects hold on their own.
void printLoadPeak()
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("archive-benchmark-" + std::to_string(getpid()) + ".xml");
    {
        CXmlArchive archive;
        archive.SaveObject(const_cast<Document &>(sourceDocument()), "Benchmark");
        if (archive.SaveToFile(file) != 0) {
            std::printf("%s\n", archive.GetLastError().c_str());
            return;
        }
    }
    pugi::set_memory_management_functions(countedAllocate, countedFree);
    auto document = std::make_unique<Document>();
    g_liveBytes = 0;
    g_peakBytes = 0;
    g_counting = true;
    long long parsedBytes = 0;
    int result = 1;
    {
        CXmlArchive archive;
        if (archive.LoadFromFile(file)) {
            parsedBytes = g_liveBytes;
            result = archive.LoadObject(*document, "Benchmark");
        }
    }
    const long long objectBytes = g_liveBytes;
    g_counting = false;
    std::filesystem::remove(file);
    if (result != 0 || document->shapes.GetCount() != kShapeCount) {
        std::printf("the document did not load from its file\n");
        return;
    }
    const double fileBytes = static_cast<double>(documentText().size());
    std::printf("archiveLoad peak memory %8.2f MB   file %8.2f MB   ratio %.2f"
                "   (parsed document %.2f MB, loaded objects %.2f MB)\n",
                megabytes(g_peakBytes), fileBytes / 1e6,
                static_cast<double>(g_peakBytes) / fileBytes, megabytes(parsedBytes),
                megabytes(objectBytes));
}

} // namespace

int main(int argc, char **argv)
{
    // Keep freed memory in the process from one iteration to the next, for both sides alike:
    // otherwise every iteration hands its pages back to the system and faults them in again,
    // which under virtualisation costs more than the work measured.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    GetXmlErrorReporter().SetQuiet(true);
    benchmark::Initialize(&argc, argv);
    std::printf("document: %d stored members, %zu bytes\n", kShapeCount * kMembersPerShape,
                documentText().size());
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("archiveSave", "pugixmlPrint");
    reporter.printRatio("archiveSave", "pugixmlBuildAndPrint");
    reporter.printRatio("archiveLoad", "pugixmlParse");
    printLoadPeak();
    benchmark::Shutdown();
    return 0;
}
