// Morvane model library.
// The link from a global proportional-distance formula to one path formula, and their list.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/PtrCollection.h"
#include "model/IGradePathSource.h"
#include "model/MvItem.h"

#include <memory>
#include <string>

class CBasePoint;
class CGradePathPropertyList;
class IBaseFormula;

/// One path formula along whose path a global proportional-distance formula (the owner) grades,
/// with two options and whether the path's ends are graded by other formulas. Stored as
/// "PathFormula", the path formula by name; nothing else is stored.
///
/// The options belong to every property but the first of its list: there they read as false
/// and cannot be set.
class CGradePathProperty : public CAttContainer, public CMvItem, public IGradePathSource
{
public:
    CGradePathProperty();

    /// "CGradePathProperty", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(IBaseFormula *owner, IBaseFormula *pathFormula);
    /// Takes the path formula, both options and both end flags of other (not its owner), so
    /// that the copy a run grades with leaves out the ends other formulas grade.
    void CopyFrom(const CGradePathProperty &other);
    void SetOwner(IBaseFormula *owner) { m_pOwner = owner; }
    IBaseFormula *GetOwner() const { return m_pOwner; }
    /// The list the property is in (set by the list); null when in none.
    void SetList(const CGradePathPropertyList *list) { m_pList = list; }

    /// "<variable name>=<path text>" of the path formula; empty without one, or when it is no
    /// measure or no path formula.
    std::string GetText() const;
    /// The path formula's path; null without a path formula.
    IGradePath *GetGradePath() const override;
    IBaseFormula *GetGradeFormula() const { return m_pGradeFormula; }
    bool GetStartGraded() const override { return m_bStartGraded; }
    bool GetEndGraded() const override { return m_bEndGraded; }
    void SetStartGraded(bool graded) override { m_bStartGraded = graded; }
    void SetEndGraded(bool graded) override { m_bEndGraded = graded; }
    /// Whether a formula other than the owner grades the path's first point (in x or y); false
    /// when the path has no point.
    void UpdateStartGraded() override;
    /// The same for the path's last point.
    void UpdateEndGraded() override;
    /// False for the first property of its list.
    bool GetFirstOption() const;
    bool GetSecondOption() const;
    /// Stores the option and returns it; the first property of its list stores false and
    /// returns true.
    bool SetFirstOption(bool on);
    bool SetSecondOption(bool on);

private:
    bool IsFirstOfList() const;
    bool SetOption(bool &option, bool on);
    bool IsGradedByOthers(const CBasePoint *point) const;

    IBaseFormula *m_pGradeFormula = nullptr;
    IBaseFormula *m_pOwner = nullptr;
    const CGradePathPropertyList *m_pList = nullptr;
    bool m_bFirstOption = false;
    bool m_bSecondOption = false;
    bool m_bStartGraded = false;
    bool m_bEndGraded = false;
};

/// The path properties of one owner formula, owned. Every property that enters the list (also
/// when a file is loaded) gets the list's owner.
class CGradePathPropertyList : public COwningCollection<CGradePathProperty>
{
public:
    void InsertAt(int i, CGradePathProperty *property) override;
    void RemoveAt(int i) override;

    /// Appends a new property of the owner for the path formula; returns its index.
    int AddPathProperty(IBaseFormula *pathFormula);
    /// Appends a copy (CGradePathProperty::CopyFrom) of each property of other.
    void CopyFrom(const CGradePathPropertyList &other);
    /// Stores the owner and gives it to every property.
    void SetOwner(IBaseFormula *owner);
    IBaseFormula *GetOwner() const { return m_pOwner; }

private:
    IBaseFormula *m_pOwner = nullptr;
};
