// Morvane program interaction.
// What the user points at or has picked: a pattern, a grade region, a line, a point.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/PtrCollection.h"
#include "foundation/RuntimeClass.h"
#include "model/GradeSize.h"

#include <cstdint>
#include <memory>

class CContour;
class CPattern;
class IGradeSize;

/// One thing of the mask that the pointer is over or that the user has picked. Its kind is the
/// vocabulary of the task variables "nFocusObjectType", "nFocusDetailType" and
/// "nActiveObjectType": 0 nothing (free space), 1 pattern, 2 and 8 further single mask objects
/// (the rotation pivot, the mask centre), 3 to 7 grade regions, 9 polyline, 10 point, 11
/// multiple selection (CMultiFocusObject).
///
/// Every kind but 0 holds a nested focus object for the detail inside its item (kind 0, no item,
/// when there is none); the nested object's kind is "nFocusDetailType". Besides its item (not
/// owned) it carries where it was hit, the indexes of the detail (point, line inside a contour,
/// contour), the object those indexes refer to, the contour the hit belongs to and the size the
/// hit was found in (the base size when the rule that found it named none).
///
/// It is an object of the model's kind, so that the mask document's item list can hold the
/// focus objects that the point-picking tools collect.
class CFocusObject : public CObject
{
public:
    static constexpr int32_t kNothing = 0;
    static constexpr int32_t kPattern = 1;
    static constexpr int32_t kPivot = 2;
    static constexpr int32_t kRegion = 3;
    /// The nested kinds of a region's edges: the base, the right side, the left side, the top.
    static constexpr int32_t kRegionBaseEdge = 4;
    static constexpr int32_t kRegionRightEdge = 5;
    static constexpr int32_t kRegionLeftEdge = 6;
    static constexpr int32_t kRegionTopEdge = 7;
    static constexpr int32_t kLastRegion = 7;
    static constexpr int32_t kMaskCentre = 8;
    static constexpr int32_t kPolyline = 9;
    static constexpr int32_t kPoint = 10;
    static constexpr int32_t kMultiple = 11;

    /// The selection classes of GetSelectionClass.
    static constexpr int kInputPatternClass = 0;
    static constexpr int kMaskCentreClass = 1;
    static constexpr int kMaskPatternClass = 2;
    static constexpr int kRegionClass = 3;
    static constexpr int kMultipleClass = 4;
    static constexpr int kOtherClass = 5;

    CFocusObject(CObject *item, int32_t kind);
    ~CFocusObject() override;
    CFocusObject(const CFocusObject &) = delete;
    CFocusObject &operator=(const CFocusObject &) = delete;

    /// A focus object of the kind: null for a kind outside 0 to 11; a CPolylineFocusObject for
    /// 9, a CMultiFocusObject for 11.
    static std::unique_ptr<CFocusObject> Create(CObject *item, int32_t kind);
    /// Create with the source's item and kind, then CopyFrom.
    static std::unique_ptr<CFocusObject> Clone(const CFocusObject &source);

    /// Appends itself (a multiple selection: its entries) to the collection (not owned).
    virtual void AddTo(CPtrCollection<CFocusObject> &collection);
    /// The item's rectangle on the mask: a pattern's over the sizes (a mask pattern's over none),
    /// a region's bounds; empty for other kinds. Answers whether the rectangle is valid.
    virtual bool GetRect(CDRect &out, const CPtrCollection<IGradeSize> *sizes) const;
    /// Copies everything but the kind (and a polyline's segment); a nested object of the source
    /// replaces the own one by a copy of it.
    virtual void CopyFrom(const CFocusObject &source);
    /// Same kind, item, indexes, detail object, contour and size, positions within 0.001, and,
    /// when both have a nested object, the nested objects the same.
    virtual bool IsSame(const CFocusObject &other) const;
    /// The item is the object.
    virtual bool RefersTo(const CObject *object) const;
    /// GetSelectionClass() is the class.
    virtual bool HasClass(int selectionClass) const;
    /// Kind 1: kMaskPatternClass for a mask pattern, else kInputPatternClass; regions
    /// kRegionClass; kind 8 kMaskCentreClass; any other kind kOtherClass.
    virtual int GetSelectionClass() const;
    virtual bool IsAllOfClass(int selectionClass) const;
    /// A mask pattern, or a region; false for other kinds.
    virtual bool IsFromMask() const;

    int32_t GetType() const { return m_nType; }
    CObject *GetItem() const { return m_pItem; }
    CFocusObject *GetSubObject() const { return m_pSubObject.get(); }
    /// Replaces the nested object by a new one of the item and kind (none for a kind outside 0
    /// to 11).
    void SetSubObject(CObject *item, int32_t kind);
    /// The kind of the nested object; 0 when there is none.
    int32_t GetSubObjectType() const;
    bool IsPattern() const { return m_nType == kPattern; }
    bool IsRegion() const { return m_nType >= kRegion && m_nType <= kLastRegion; }
    /// Kind 1 and the pattern is a mask pattern.
    bool IsMaskPattern() const;
    /// The item as a pattern; null when it is none.
    CPattern *GetPattern() const;

    /// Kinds 0 and 9: the stored position; kind 10: the position of its point item in its size
    /// (the stored one when its item is no point); (0, 0) for every other kind.
    DPOINT GetPosition() const;
    void SetPosition(const DPOINT &position) { m_oPosition = position; }
    /// The stored hit position, whatever the kind.
    DPOINT GetHitPosition() const { return m_oPosition; }

    /// Carried from the old active object to the new one by the focus manager: while it is set
    /// the tools that move the active object hold it.
    bool IsLocked() const { return m_bLocked; }
    void SetLocked(bool locked) { m_bLocked = locked; }
    int32_t GetPointIndex() const { return m_nPointIndex; }
    void SetPointIndex(int32_t index) { m_nPointIndex = index; }
    int32_t GetLineIndex() const { return m_nLineIndex; }
    void SetLineIndex(int32_t index) { m_nLineIndex = index; }
    int32_t GetContourIndex() const { return m_nContourIndex; }
    void SetContourIndex(int32_t index) { m_nContourIndex = index; }
    CObject *GetDetailObject() const { return m_pDetailObject; }
    void SetDetailObject(CObject *object) { m_pDetailObject = object; }
    CContour *GetContour() const { return m_pContour; }
    /// Another contour than the unfinished one lets the unfinished one go.
    void SetContour(CContour *contour);
    /// A contour under construction that no pattern holds yet becomes the object's contour. It
    /// is shared by the object's copies and by the commands that build it, and goes with the
    /// last of them, so dropping an unfinished contour leaks nothing.
    void SetUnfinishedContour(std::shared_ptr<CContour> contour);
    /// Null when the contour is none or one that a pattern holds.
    const std::shared_ptr<CContour> &GetUnfinishedContour() const { return m_pUnfinishedContour; }
    /// The size the object was found in; the base size (-1, -1) when none.
    morvane::GradeSizeKey GetSize() const { return m_oSize; }
    void SetSize(const morvane::GradeSizeKey &size) { m_oSize = size; }

private:
    CObject *m_pItem;
    std::unique_ptr<CFocusObject> m_pSubObject;
    int32_t m_nType;
    bool m_bLocked = false;
    int32_t m_nPointIndex = 0;
    int32_t m_nLineIndex = -1;
    int32_t m_nContourIndex = -1;
    CObject *m_pDetailObject = nullptr;
    DPOINT m_oPosition;
    CContour *m_pContour = nullptr;
    std::shared_ptr<CContour> m_pUnfinishedContour;
    morvane::GradeSizeKey m_oSize;
};

/// A polyline focus object (kind 9): also the segment of the line that was hit (-1 when none).
class CPolylineFocusObject : public CFocusObject
{
public:
    explicit CPolylineFocusObject(CObject *item);

    /// The base comparison, then equal segments.
    bool IsSame(const CFocusObject &other) const override;

    int32_t GetSegmentIndex() const { return m_nSegmentIndex; }
    void SetSegmentIndex(int32_t index) { m_nSegmentIndex = index; }

private:
    int32_t m_nSegmentIndex = -1;
};
