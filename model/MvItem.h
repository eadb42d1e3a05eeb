// Morvane model library.
// The root class of every model item.
#pragma once

#include "foundation/RuntimeClass.h"

/// The root class of all model items (points, polylines, contours, notches, patterns, grade
/// regions, the grade mask, clipboard items, formulas). It holds nothing; it makes every model
/// item a CObject with a runtime class, so that items can be created by class name and tested
/// with IsKindOf. Each item also derives from the mix-ins it needs (CEventHandler,
/// CAttContainer) and from the interfaces of its own kind.
///
/// A model class declares its runtime class as CObject describes: in MaskPoint.h
/// ```
/// static const CRuntimeClass *GetThisClass();
/// const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }
/// ```
/// and in MaskPoint.cpp
/// ```
/// static const CRuntimeClass kMaskPointClass("CMaskPoint", &CreateObjectOf<CMaskPoint>,
///                                            CBasePoint::GetThisClass());
/// const CRuntimeClass *CMaskPoint::GetThisClass() { return &kMaskPointClass; }
/// ```
/// (an abstract class passes no create function).
class CMvItem : public CObject
{
public:
    CMvItem() = default;
    ~CMvItem() override = default;
    CMvItem(const CMvItem &) = default;
    CMvItem &operator=(const CMvItem &) = default;

    /// The record of CMvItem: class name "CMvItem", base CObject, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }
};
