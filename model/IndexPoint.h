// Morvane model library.
// A numbered reference to a point, through which a formula keeps the points it names.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

class CBasePoint;

/// An (index, point) pair: a formula's numbered reference to a point (not owned). Stored as
/// "Index" and "Point" (the point by name, an element of a "BasePoint" collection), both
/// required.
class CIndexPoint : public CAttContainer, public CMvItem
{
public:
    CIndexPoint();

    /// "CIndexPoint", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(int index, CBasePoint *point);
    int GetIndex() const { return m_nIndex; }
    CBasePoint *GetPoint() const { return m_pPoint; }
    /// Sets the point and returns it.
    CBasePoint *SetPoint(CBasePoint *point);

private:
    int m_nIndex = 0;
    CBasePoint *m_pPoint = nullptr;
};
