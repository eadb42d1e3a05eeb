// Morvane model library.
// The pattern placed on a grade mask: its own points, polylines, notches and contours.
#include "model/MaskPattern.h"

#include "model/GradeMask.h"
#include "model/MaskContour.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"
#include "model/MaskPolyline.h"

using namespace morvane;

bool g_bPolylinesInMaskFile = true;

static const CRuntimeClass kMaskPatternClass("CMaskPattern", &CreateObjectOf<CMaskPattern>,
                                             CPattern::GetThisClass());

CMaskPattern::CMaskPattern()
{
    AddStringAttribute(&m_sName, "sName");
    SetNameAttribute("sName");
    AddDoubleAttribute(&m_oPivotPoint.x, "PivotPointX", XmlPresence::WhenSet);
    AddDoubleAttribute(&m_oPivotPoint.y, "PivotPointY", XmlPresence::WhenSet);
    AddContainerAttribute(&m_oLocation, "PatternLocation");
    AddClassCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint",
                                CMaskPoint::GetThisClass(), XmlNaming::Numbered);
    AddClassCollectionAttribute(
        &m_oPolylines, "Polylines", "Polyline", CMaskPolyline::GetThisClass(), XmlNaming::Numbered,
        g_bPolylinesInMaskFile ? XmlPresence::Required : XmlPresence::Optional);
    AddPtrCollectionAttribute(&m_oMarkPoints, "MarkPoints", "BasePoint", XmlPresence::WhenSet);
    AddClassCollectionAttribute(&m_oContours, "Contours", "Contour", CMaskContour::GetThisClass(),
                                XmlNaming::None, XmlPresence::WhenSet);
}

CMaskPattern::~CMaskPattern() = default;

const CRuntimeClass *CMaskPattern::GetThisClass()
{
    return &kMaskPatternClass;
}

// A point or polyline entering or leaving changes the outlines; a contour only the extent. The
// contours' rules stay: a line joins or leaves a contour through the contour itself.
static bool changesGeometry(uint32_t childId)
{
    const uint32_t kind = childId & 0xFFFF;
    return kind == CBasePoint::kSourceKind || kind == CPolyline::kSourceKind;
}

void CMaskPattern::SendAttached(uint32_t id, uintptr_t object)
{
    changesGeometry(id) ? InvalidateGeometry() : InvalidateRect();
    CPattern::SendAttached(id, object);
}

void CMaskPattern::SendDetached(uint32_t id, uintptr_t object)
{
    changesGeometry(id) ? InvalidateGeometry() : InvalidateRect();
    if ((id & 0xFFFF) == CBasePoint::kSourceKind && m_pGradeMask != nullptr)
        m_pGradeMask->GetMaskPointList().ForgetPoint(reinterpret_cast<const CBasePoint *>(object));
    CPattern::SendDetached(id, object);
}

int CMaskPattern::CreateContour()
{
    auto contour = std::make_unique<CMaskContour>();
    contour->Create(this);
    return m_oContours.AddOwned(std::move(contour));
}

void CMaskPattern::GetAssPatterns(CPtrCollection<CPattern> &patterns)
{
    patterns.RemoveAll();
    patterns.Append(m_oAssPatterns);
}

void CMaskPattern::AddAssPattern(CPattern *pattern)
{
    SendBeforeChange(1);
    m_oAssPatterns.Add(pattern);
    SendAfterChange(1);
}

void CMaskPattern::RemoveAssPattern(CPattern *pattern)
{
    SendBeforeChange(1);
    if (m_pGradeMask != nullptr) {
        m_pGradeMask->GetMaskPointList().RemovePatternAssociations(*this, pattern);
    } else {
        for (CBasePoint *point : m_oBasePoints)
            point->GetMaskPoint()->RemoveAssociationsTo(pattern);
    }
    const int index = m_oAssPatterns.Find(pattern);
    if (index >= 0)
        m_oAssPatterns.RemoveAt(index);
    SendAfterChange(1);
}

void CMaskPattern::ClearAssPatterns()
{
    SendBeforeChange(1);
    if (m_pGradeMask != nullptr)
        m_pGradeMask->GetMaskPointList().ClearPatternEntries(*this);
    else
        ClearPointAssociations();
    m_oAssPatterns.RemoveAll();
    SendAfterChange(1);
}

int CMaskPattern::GetAssociatedPoints(CPtrCollection<CBasePoint> *out)
{
    if (out != nullptr)
        out->RemoveAll();
    int count = 0;
    for (CBasePoint *point : m_oBasePoints) {
        if (point->GetAssociatedPoint() == nullptr)
            continue;
        ++count;
        if (out != nullptr)
            out->Add(point);
    }
    return count;
}

IMaskPoint *CMaskPattern::FindAssociationPoint(const CBasePoint *item)
{
    CPtrCollection<CBasePoint> partners;
    for (CBasePoint *point : m_oBasePoints) {
        IMaskPoint *maskPoint = point->GetMaskPoint();
        partners.RemoveAll();
        maskPoint->AppendAssociations(partners);
        if (partners.Find(item) >= 0)
            return maskPoint;
    }
    return nullptr;
}

bool CMaskPattern::HasAssPattern(const CPattern *pattern) const
{
    return m_oAssPatterns.Find(pattern) >= 0;
}

bool CMaskPattern::HasPointAssociations() const
{
    for (CBasePoint *point : m_oBasePoints) {
        if (point->GetMaskPoint()->GetAssociationCount() > 0)
            return true;
    }
    return false;
}

void CMaskPattern::ClearPointAssociations()
{
    for (CBasePoint *point : m_oBasePoints)
        point->GetMaskPoint()->RemoveAllAssociations();
}

void CMaskPattern::ReleaseLinks()
{
    if (m_pGradeMask != nullptr) {
        for (int i = 0; i < m_pGradeMask->GetPatternCount(); ++i) {
            CMaskPattern *other = m_pGradeMask->GetMaskPatternAt(i);
            if (other != this && other->HasAssPattern(this))
                other->RemoveAssPattern(this);
        }
    }
    ClearAssPatterns();
}

void CMaskPattern::InvalidateGeometry()
{
    InvalidateRect();
    InvalidateContourData();
}

void CMaskPattern::InvalidateGeometryAndRules()
{
    InvalidateGeometry();
    for (CContour *contour : m_oContours) {
        if (auto *maskContour = dynamic_cast<CMaskContour *>(contour))
            maskContour->MarkRulesDirty();
    }
}

void CMaskPattern::OnPointGradeTypeChanged()
{
    CPattern::OnPointGradeTypeChanged();
    InvalidateGeometryAndRules();
}

void CMaskPattern::UpdateFromVersion2116to2117()
{
    BuildContours();
    InvalidateGeometryAndRules();
}

void CMaskPattern::UpdateFromVersion2117to2118()
{
    for (CContour *contour : m_oContours) {
        if (auto *maskContour = dynamic_cast<CMaskContour *>(contour))
            maskContour->UpdateClosed();
    }
}

void CMaskPattern::UpdateToVersion2120()
{
    for (CPolyline *line : m_oPolylines) {
        if (auto *maskLine = dynamic_cast<CMaskPolyline *>(line))
            maskLine->UpdateNotchCurveLengths();
    }
}

void CMaskPattern::OnReferencesResolved()
{
    for (CBasePoint *point : m_oBasePoints)
        point->SetParent(this);
    for (CPolyline *line : m_oPolylines) {
        line->SetOwner(this);
        static_cast<CMaskPolyline *>(line)->DropForeignReferences();
    }
    for (int i = m_oMarkPoints.GetCount() - 1; i >= 0; --i) {
        if (FindBasePoint(m_oMarkPoints.GetAt(i)) < 0)
            m_oMarkPoints.RemoveAt(i);
    }
    for (CContour *contour : m_oContours) {
        contour->Create(this);
        static_cast<CMaskContour *>(contour)->DropForeignReferences(*this);
    }

    // A pattern read from an older file stores its polylines from now on.
    GetAttribute("Polylines")->SetPresence(XmlPresence::Required);
}
