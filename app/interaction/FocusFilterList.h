// Morvane program interaction.
// A tool's focus rules and the search references they add for the things of the mask.
#pragma once

#include "app/interaction/FocusFilter.h"
#include "app/interaction/FocusShapes.h"

#include <memory>
#include <vector>

class CBasePoint;
class CFocusObject;
class CPattern;
class CPolyline;
class CShapeHitTest;
class IDocumentServices;
class IMaskDocumentAccess;

/// The focus rules of one tool, in order. FindFocusObject fills a nearest-shape search with the
/// references that the rules admit, in rule order, each rule's tolerance, code and detail kind
/// (the search's precedence level) given, so the order decides which candidates are measured at
/// all once an earlier one is hit.
///
/// Codes of the references: kPointCode (or kMarkPointCode for a mark point of its pattern),
/// kPivotCode, kLineCode, kCentreCode, kRegionCode. A reference's element names a size of the
/// list's size table (GetSizes; element 0 the base size).
class CFocusFilterList
{
public:
    static constexpr uint32_t kPointCode = 0;
    static constexpr uint32_t kMarkPointCode = 1;
    static constexpr uint32_t kPivotCode = 2;
    static constexpr uint32_t kLineCode = 3;
    static constexpr uint32_t kCentreCode = 4;
    static constexpr uint32_t kRegionCode = 5;

    CFocusFilterList();
    ~CFocusFilterList();
    CFocusFilterList(const CFocusFilterList &) = delete;
    CFocusFilterList &operator=(const CFocusFilterList &) = delete;

    /// The main document and the mask document whose things the rules add.
    void SetOwner(IDocumentServices *services, IMaskDocumentAccess *maskDocument);

    /// Appends a rule with no allowed objects; answers its index.
    int AddFilter(int32_t objectKind, int32_t detailKind, int32_t tolerance,
                  int32_t snapTolerance, int32_t membership, int32_t source, int32_t pointMode,
                  morvane::GradeSizeKey size = {});
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_aFilters.size()); }
    CFocusFilter &GetAt(int i) { return *m_aFilters.at(i); }
    /// The rule's allowed objects become the patterns of the collection.
    void SetFilterObject(int i, const CPtrCollection<CPattern> &objects);
    /// SetFilterObject for every rule.
    void SetObjectForAll(const CPtrCollection<CPattern> &objects);

    /// Adds the references of every rule to the search, in rule order. The references of an
    /// earlier call are no longer valid afterwards (their shapes are dropped).
    void FindFocusObject(CShapeHitTest *search);
    /// Whether the last FindFocusObject added a pattern point.
    bool IsPointFound() const { return m_bPointFound; }
    /// The sizes the references of the last FindFocusObject name.
    const morvane::FocusSizeTable &GetSizes() { return m_oShapes.GetSizes(); }

private:
    struct SearchContext;

    void addRule(const CFocusFilter &rule, const SearchContext &context);
    void addPatternRule(const CFocusFilter &rule, const SearchContext &context);
    void addPatternLines(CPattern &pattern, const CFocusFilter &rule,
                         const SearchContext &context);
    void addLineGradePoints(CPattern &pattern, const CFocusFilter &rule,
                            const SearchContext &context);
    void addPatternPoints(CPattern &pattern, const CFocusFilter &rule,
                          const SearchContext &context);
    void addPivot(const CFocusFilter &rule, const SearchContext &context);
    void addCentre(const CFocusFilter &rule, const SearchContext &context);
    void addRegions(const CFocusFilter &rule, const SearchContext &context);
    void addGradePathPoints(const CFocusFilter &rule, const SearchContext &context);
    void addGradePathLine(const CFocusFilter &rule, const SearchContext &context);
    /// The point in the sizes the rule's point mode asks for; answers whether any was added.
    bool addPointCandidate(CBasePoint &point, uint32_t code, const CFocusFilter &rule,
                           const SearchContext &context);
    void addLineCandidate(CPattern *pattern, CPolyline &line, const CFocusFilter &rule,
                          const SearchContext &context);
    /// The elements of the sizes the rule's point mode asks for a shape of the pattern.
    std::vector<int32_t> sizeElements(CPattern *pattern, const CFocusFilter &rule,
                                      const SearchContext &context);

    CShapeHitTest *m_pSearch = nullptr;
    IDocumentServices *m_pServices = nullptr;
    IMaskDocumentAccess *m_pMaskDocument = nullptr;
    std::vector<std::unique_ptr<CFocusFilter>> m_aFilters;
    bool m_bPointFound = false;
    morvane::FocusShapeStore m_oShapes;
};
