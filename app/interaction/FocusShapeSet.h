// Morvane program interaction.
// A tool's focus search: its rules, the references they add, and the search at the pointer.
#pragma once

#include "app/extras/ShapeHitTest.h"
#include "app/interaction/FocusFilterList.h"

#include <cstdint>
#include <memory>

class CFocusObject;
class ICommandAttributes;
class IDocumentServices;
class IMaskDocumentAccess;

namespace morvane {

/// Where the focus searches read the zoom of the view the user works in (pixels per unit of
/// the mask); the view installs one.
class IViewZoomSource
{
public:
    virtual ~IViewZoomSource() = default;
    virtual double GetZoom() const = 0;
};

} // namespace morvane

/// The focus search of one task template: the nearest-shape search over the references that
/// its rules (GetFilterList) add for the things of its mask document. Tools with focus rules
/// embed one; while such a tool runs its task variable "pFocusManager" holds the set's address,
/// and the focus commands find it there.
///
/// The references name model objects and keep their positions once measured: after the model
/// changed (the focus manager counts the changes) FindShapeAt first rebuilds them, so it never
/// measures an object the model removed nor a place a shape has left.
class CFocusShapeSet : public CShapeHitTest
{
public:
    CFocusShapeSet();
    ~CFocusShapeSet() override;

    /// The main document and the mask document the rules search; both are handed to the rules.
    void SetOwner(IDocumentServices *services, IMaskDocumentAccess *maskDocument);
    IMaskDocumentAccess *GetMaskDocument() const { return m_pMaskDocument; }
    CFocusFilterList &GetFilterList() { return m_oFilterList; }

    /// Keeps a copy of the focus manager's active object, then replaces the references by those
    /// the rules add now.
    void Rebuild();
    /// The nearest hit at the position (after a Rebuild when the model changed since the last
    /// one); null when nothing is near. The record stays valid until the next search or Rebuild.
    const CShapeHit *FindShapeAt(double x, double y);
    /// The copy of the active object taken by the last Rebuild; null before the first.
    const CFocusObject *GetActiveObjectCopy() const { return m_pActiveObject.get(); }

    /// The model object a reference of this set stands for, with its sizes; null for the
    /// rotation pivot and for references added by others.
    static const morvane::FocusShape *GetFocusShape(const CShapeRef &ref);

    /// 1 / the zoom of the installed source; 1 without a source (or with a zoom that is not
    /// above 0).
    virtual double GetViewScale() const;
    /// GetViewScale.
    double GetScale() const override;

    /// Installs where every focus search reads the view's zoom (null: none); the source must
    /// outlive its installation.
    static void SetViewZoomSource(const morvane::IViewZoomSource *source);
    static const morvane::IViewZoomSource *GetViewZoomSource();

private:
    uint64_t modelChangeCount() const;

    IDocumentServices *m_pServices = nullptr;
    IMaskDocumentAccess *m_pMaskDocument = nullptr;
    CFocusFilterList m_oFilterList;
    std::unique_ptr<CFocusObject> m_pActiveObject;
    uint64_t m_nBuiltAtChange = 0;
};

/// What the function command "UpdateFocusManager" does for a task's variables: rebuilds the
/// shape set that "pFocusManager" holds; nothing when it holds none.
void UpdateFocusManager(const ICommandAttributes &variables);
