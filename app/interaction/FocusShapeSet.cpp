// Morvane program interaction.
// A tool's focus search: its rules, the references they add, and the search at the pointer.
#include "app/interaction/FocusShapeSet.h"

#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "tasks/ICommandAttributes.h"

namespace {

const morvane::IViewZoomSource *g_pZoomSource = nullptr;

} // namespace

CFocusShapeSet::CFocusShapeSet() = default;

CFocusShapeSet::~CFocusShapeSet() = default;

void CFocusShapeSet::SetOwner(IDocumentServices *services, IMaskDocumentAccess *maskDocument)
{
    m_pServices = services;
    m_pMaskDocument = maskDocument;
    m_oFilterList.SetOwner(services, maskDocument);
}

void CFocusShapeSet::Rebuild()
{
    m_pActiveObject.reset();
    CFocusManager *focus = m_pMaskDocument != nullptr ? m_pMaskDocument->GetFocusManager() : nullptr;
    if (focus != nullptr)
        m_pActiveObject = CFocusObject::Clone(*focus->GetActiveObject());
    RemoveAllShapes();
    m_oFilterList.FindFocusObject(this);
    m_nBuiltAtChange = modelChangeCount();
}

const CShapeHit *CFocusShapeSet::FindShapeAt(double x, double y)
{
    if (modelChangeCount() != m_nBuiltAtChange)
        Rebuild();
    return Run({x, y});
}

const morvane::FocusShape *CFocusShapeSet::GetFocusShape(const CShapeRef &ref)
{
    if (const ICornerShape *shape = ref.GetCornerShape())
        return dynamic_cast<const morvane::FocusShape *>(shape);
    if (const IPointSetShape *shape = ref.GetPointSetShape())
        return dynamic_cast<const morvane::FocusShape *>(shape);
    if (const IPositionShape *shape = ref.GetPositionShape())
        return dynamic_cast<const morvane::FocusShape *>(shape);
    return nullptr;
}

double CFocusShapeSet::GetViewScale() const
{
    const double zoom = g_pZoomSource != nullptr ? g_pZoomSource->GetZoom() : 1.0;
    return zoom > 0.0 ? 1.0 / zoom : 1.0;
}

double CFocusShapeSet::GetScale() const
{
    return GetViewScale();
}

void CFocusShapeSet::SetViewZoomSource(const morvane::IViewZoomSource *source)
{
    g_pZoomSource = source;
}

const morvane::IViewZoomSource *CFocusShapeSet::GetViewZoomSource()
{
    return g_pZoomSource;
}

uint64_t CFocusShapeSet::modelChangeCount() const
{
    const CFocusManager *focus =
        m_pMaskDocument != nullptr ? m_pMaskDocument->GetFocusManager() : nullptr;
    return focus != nullptr ? focus->GetModelChangeCount() : 0;
}

void UpdateFocusManager(const ICommandAttributes &variables)
{
    void *shapeSet = nullptr;
    variables.GetPointer("pFocusManager", &shapeSet);
    if (shapeSet != nullptr)
        static_cast<CFocusShapeSet *>(shapeSet)->Rebuild();
}
