// Morvane model library.
// The grade mask: placed patterns, associations, undo history, and its storage as a mask file.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/EventHandler.h"
#include "model/AssociationMap.h"
#include "model/FormulaManager.h"
#include "model/GradeRegion.h"
#include "model/History.h"
#include "model/IOldFormula.h"
#include "model/InputPatternMask.h"
#include "model/MaskCenterPlace.h"
#include "model/MaskPattern.h"
#include "model/MaskPointList.h"
#include "model/MvItem.h"
#include "model/ParentedCollection.h"
#include "model/PatternLocation.h"
#include "model/PatternReleaser.h"
#include "model/UserFormulaConfig.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

class IInputPatterns;

/// A grade mask as the program uses it. Indexes are not checked.
class IGradeMask
{
public:
    virtual ~IGradeMask() = default;

    /// The measurement-name associations.
    virtual IAssociationMap *GetAssociationMap() = 0;
    /// Nothing when p is the centre; otherwise the before-change event (property 0), the store,
    /// the after-change event.
    virtual void SetCenter(DPOINT p) = 0;
    virtual DPOINT GetCenter() const = 0;
    /// The centre as a place, the same in every size (always the same object).
    virtual IGradePlace *GetCenterPlace() = 0;
    /// Empties the mask (patterns, associations, centre, file name, history) between the
    /// begin-update and end-update events.
    virtual void Clear() = 0;
    /// Writes the mask file (through a temporary file beside it), after dropping the
    /// unassigned measurement associations. True on success, and the file name becomes path;
    /// false (the file name kept, GetLastError() saying why) when it cannot be written.
    virtual bool Save(const std::filesystem::path &path) = 0;
    /// Reads a mask file. The file is read into a new mask first: a file that cannot be read,
    /// is no well-formed document, has a root other than "GradeMask" or a "Version" outside
    /// 1001..2199, or whose load is aborted, gives false and leaves this mask as it was
    /// (GetLastError() says why). Otherwise the mask's content is replaced between the
    /// begin-update and end-update events, older content brought up to date, the history
    /// cleared, and the file name becomes path.
    virtual bool Load(const std::filesystem::path &path) = 0;
    virtual int GetPatternCount() const = 0;
    virtual CPattern *GetPatternAt(int i) const = 0;
    /// Takes every pattern out, from the last, as RemovePatternAt does, in one history group.
    virtual void ClearPatterns() = 0;
    /// A new mask pattern that knows this mask but is not on it yet.
    virtual std::unique_ptr<CMaskPattern> MakePattern() = 0;
    /// Takes over pattern at i (the count appends); recorded in the history.
    virtual void InsertPatternAt(int i, std::unique_ptr<CMaskPattern> pattern) = 0;
    /// Takes pattern i out, in one history group: its links are released (restored by undo)
    /// and it leaves the collection, owned by the history from then on.
    virtual void RemovePatternAt(int i) = 0;
    /// The index of the first pattern named name, ignoring case; -1 when none.
    virtual int FindPattern(const std::string &name) const = 0;
    /// The index of pattern; -1 when the mask does not hold it.
    virtual int FindPattern(const CPattern *pattern) const = 0;
    virtual IPointAssociationMap *GetPointAssociationMap() = 0;
    virtual IPatternAssociationMap *GetPatternAssociationMap() = 0;
    /// The file last saved or loaded; empty when none.
    virtual std::filesystem::path GetFileName() const = 0;
    /// Deletes every location kept for an input pattern (the input patterns shown on the mask
    /// drop their cached extent and outlines).
    virtual void ClearPatternLocations() = 0;
    virtual CHistory *GetHistory() = 0;
    virtual IHistory *GetHistoryItf() = 0;
    /// The mask's formulas.
    virtual IFormulaManager *GetFormulaManager() = 0;
    /// Installs the program's formula configuration (not owned); null restores the mask's own.
    virtual void SetUserFormulaConfig(IUserFormulaConfig *config) = 0;
    /// The installed formula configuration, or the mask's own when none is installed.
    virtual IUserFormulaConfig *GetUserFormulaConfig() = 0;
    /// Appends the grade points of the flagged input patterns (in pattern order, then point
    /// order) whose absolute base-size position lies in rect (min <= x < max, min <= y < max),
    /// leaving out the points already associated with maskPoint. Nothing without input
    /// patterns.
    virtual void GetPointsForAssociationInRect(IMaskPoint *maskPoint, const CDRect &rect,
                                               CPtrCollection<CBasePoint> &out) = 0;

    /// The index of region; -1 when the mask does not hold it.
    virtual int FindGradeRegion(const IRegion *region) const = 0;
    /// The index of the first region named name, ignoring case; -1 when none.
    virtual int FindGradeRegion(const std::string &name) const = 0;
    virtual int GetGradeRegionCount() const = 0;
    virtual IRegion *GetGradeRegionAt(int i) const = 0;
    /// A new region that knows this mask but is not on it yet.
    virtual std::unique_ptr<CGradeRegion> MakeRegion() = 0;
    /// Takes over region at i (the count appends), named with the next free name "R1", "R2",
    /// ... whatever name it had; recorded in the history.
    virtual void InsertGradeRegionAt(int i, std::unique_ptr<CGradeRegion> region) = 0;
    /// Takes region i out, owned by the history from then on, in one history group.
    virtual void RemoveGradeRegionAt(int i) = 0;
    /// Whether an exclude region holds the point.
    virtual bool IsInExcludeRegion(DPOINT p) const = 0;
    /// Whether the point's absolute position lies in a read-only region and in no exclude
    /// region.
    virtual bool IsInReadOnlyRegion(const CBasePoint *point) const = 0;
};

/// The grade mask: the patterns placed on it (owned, each an event child of the mask), the
/// measurement-name associations, the point associations (the mask point list) and the pattern
/// associations, the formulas (its formula manager), the locations it keeps for the document's
/// input patterns, and its own undo history of the changes made through it, its patterns and
/// its formulas. It is its own default formula configuration: texts pass unchanged and
/// formulas have no display name.
///
/// The mask file ("*.msk") is the XML document of the mask, root "GradeMask": the XML
/// attribute "Version" (written as 2121), "CenterX", "CenterY", "Patterns" (the mask patterns,
/// referred to by name), "GradeRegions" (the grade regions, referred to by name),
/// "AssociationMap" and "Formulas" (the formulas, "GradeFormula" elements of the formula classes
/// by "ClassName", referred to by number), the last four written when set. Masks older than
/// version 2100 hold "GradeFormulas" (old-format formulas, "GradeFormula" elements by
/// "ClassName"), which is read, converted into formulas and emptied, never written. Nothing else
/// of the mask is stored.
///
/// The event handler has the id kModelHandlerId | 1 with the mask as owner; the mask point list
/// and the association map are its children.
class CGradeMask : public IGradeMask,
                   public CAttContainer,
                   public CMvItem,
                   public CEventHandler,
                   public IUserFormulaConfig,
                   public morvane::InputPatternMask
{
public:
    /// The source kind of the mask's event handler.
    static constexpr uint32_t kSourceKind = 1;
    /// The version the mask is written with, and holds after every load.
    static constexpr int kVersion = 2121;

    CGradeMask();
    /// Input patterns shown on the mask are shown on none afterwards.
    ~CGradeMask() override;

    /// "CGradeMask", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IAssociationMap *GetAssociationMap() override { return &m_oAssociationMap; }
    void SetCenter(DPOINT p) override;
    DPOINT GetCenter() const override { return m_oCenter; }
    IGradePlace *GetCenterPlace() override { return &m_oCenterPlace; }
    /// A pattern leaving the mask (also by undo or redo) stops holding the point association
    /// map's active item, then the event is sent.
    void SendDetached(uint32_t id, uintptr_t object) override;
    void Clear() override;
    bool Save(const std::filesystem::path &path) override;
    bool Load(const std::filesystem::path &path) override;
    int GetPatternCount() const override { return m_oPatterns.GetCount(); }
    CPattern *GetPatternAt(int i) const override;
    void ClearPatterns() override;
    std::unique_ptr<CMaskPattern> MakePattern() override;
    void InsertPatternAt(int i, std::unique_ptr<CMaskPattern> pattern) override;
    void RemovePatternAt(int i) override;
    int FindPattern(const std::string &name) const override;
    int FindPattern(const CPattern *pattern) const override;
    IPointAssociationMap *GetPointAssociationMap() override { return &m_oMaskPointList; }
    IPatternAssociationMap *GetPatternAssociationMap() override { return &m_oPatternReleaser; }
    std::filesystem::path GetFileName() const override { return m_sFileName; }
    void ClearPatternLocations() override;
    CHistory *GetHistory() override { return &m_oHistory; }
    IHistory *GetHistoryItf() override { return &m_oHistory; }
    IFormulaManager *GetFormulaManager() override { return &m_oFormulaManager; }
    void SetUserFormulaConfig(IUserFormulaConfig *config) override { m_pUserConfig = config; }
    IUserFormulaConfig *GetUserFormulaConfig() override;
    /// text unchanged.
    std::string GetExpressionValue(const std::string &text, bool forDisplay,
                                   bool expression) override;
    /// out becomes value; true.
    bool ConvertUserValue(const std::string &value, bool expression, std::string &out) override;
    /// An empty text.
    std::string getFormulaDisplayName(IBaseFormula *formula) override;
    void GetPointsForAssociationInRect(IMaskPoint *maskPoint, const CDRect &rect,
                                       CPtrCollection<CBasePoint> &out) override;
    int FindGradeRegion(const IRegion *region) const override;
    int FindGradeRegion(const std::string &name) const override;
    int GetGradeRegionCount() const override { return m_oGradeRegions.GetCount(); }
    CGradeRegion *GetGradeRegionAt(int i) const override { return m_oGradeRegions.GetAt(i); }
    std::unique_ptr<CGradeRegion> MakeRegion() override;
    void InsertGradeRegionAt(int i, std::unique_ptr<CGradeRegion> region) override;
    void RemoveGradeRegionAt(int i) override;
    bool IsInExcludeRegion(DPOINT p) const override;
    bool IsInReadOnlyRegion(const CBasePoint *point) const override;
    /// The location the mask keeps for the input pattern: on first request a new one at the
    /// position of the pattern's own location, an event child of the mask.
    IPatternLocation *GetInputPatternLocation(CPattern *inputPattern) override;

    /// Ties the mask to the document's input patterns (not owned; may be null; they must
    /// outlive the mask); the formula manager listens to their events. They are shown on the
    /// mask once the program makes it their grade mask (IInputPatterns::SetGradeMask).
    void Create(IInputPatterns *inputPatterns);
    CFormulaManager &GetFormulas() { return m_oFormulaManager; }
    IInputPatterns *GetInputPatterns() const { return m_pInputPatterns; }
    CMaskPattern *GetMaskPatternAt(int i) const { return m_oPatterns.GetAt(i); }
    CMaskPointList &GetMaskPointList() { return m_oMaskPointList; }
    /// The first base point of that label on the patterns, in order; null when none.
    CBasePoint *FindBasePoint(const std::string &name) const;
    /// name when no pattern has it (ignoring case); otherwise the first of name followed by 1,
    /// 2, 3, ... that no pattern has.
    std::string GetValidPatternName(const std::string &name) const;
    /// The largest point ids in use over every point of every pattern: grade points (type 1)
    /// into grade, the other points into other; 0 when there are none.
    void GetLastPointId(int &grade, int &other) const;
    /// Hands pattern i over without a history record or event (the clipboard's payload mask
    /// gives its patterns to the mask they are pasted into).
    std::unique_ptr<CMaskPattern> TakePatternAt(int i);
    /// Hands region i over without a history record or event.
    std::unique_ptr<CGradeRegion> TakeGradeRegionAt(int i);
    /// The version the mask holds (kVersion, also after loading an older file).
    int GetVersion() const { return m_nVersion; }
    /// Why the last Load or Save failed; empty after a success.
    const std::string &GetLastError() const { return m_sLastError; }

    void OnReferencesResolved() override;

private:
    /// Whether the input patterns are shown on this mask (it is their grade mask).
    bool ShowsInputPatterns() const;
    /// Removes, through the formula manager and within a history group, the formulas of
    /// pattern and of its points.
    void RemovePatternFormulas(const CMaskPattern *pattern);
    void SetFileName(const std::filesystem::path &name);
    /// Removes, through the formula manager and within a history group, the formulas of region.
    void RemoveRegionFormulas(const CGradeRegion *region);
    /// "R1", "R2", ...: the first that no region has (ignoring case).
    std::string GetNextAvailableRegionName() const;
    /// Whether a region of that kind holds the point.
    bool IsInRegionOfType(DPOINT p, REGION_TYPE type) const;
    void ClearData();
    bool ReadFile(const std::filesystem::path &path, int &version);
    void TakeContentOf(CGradeMask &loaded);
    void UpdateFromVersion(int version);
    /// Every old proportional-distance grading takes the segment counting of its measure paths
    /// from their definitions.
    void UpdateFromVersion1001to1100();
    void UpdateFromVersion1901to2100();
    /// The first region that the old formula graded, itself or as a path of the
    /// proportional-distance grading of the region; null when none.
    CGradeRegion *FindGradeRegion(const IOldFormula *formula) const;
    /// Whether an old proportional-distance grading has the formula among its grade paths.
    bool IsGradePathOfGrading(const IOldFormula *formula) const;
    /// Adds what the old formula converts into for the region (may be null), owned by the
    /// manager with this mask as owner; returns it, or null when it converts into nothing.
    IBaseFormula *AddConvertedFormula(IOldFormula &old, CGradeRegion *region);
    void UpdateFromVersion2100to2115();
    void UpdateFromVersion2116to2117();
    void UpdateFromVersion2117to2118();
    void UpdateToVersion2120();
    void UpdateToVersion2121();

    DPOINT m_oCenter;
    int m_nVersion = kVersion;
    CParentedCollection<CMaskPattern> m_oPatterns;
    CParentedCollection<CGradeRegion> m_oGradeRegions;
    CAssociationMap m_oAssociationMap;
    CMaskPointList m_oMaskPointList{*this};
    CPatternReleaser m_oPatternReleaser{*this};
    std::filesystem::path m_sFileName;
    CParentedCollection<CPatternLocation> m_oPatternLocations;
    std::unordered_map<const CPattern *, CPatternLocation *> m_oLocationMap;
    IInputPatterns *m_pInputPatterns = nullptr;
    morvane::MaskCenterPlace m_oCenterPlace{m_oCenter};
    std::string m_sLastError;
    IUserFormulaConfig *m_pUserConfig = nullptr;
    CFormulaManager m_oFormulaManager;
    /// The formulas of a mask older than version 2100, until they are converted.
    COwningCollection<IOldFormula> m_oOldFormulas;
    /// Last, so that it goes first: discarding its records may delete removed patterns.
    CHistory m_oHistory;
};
