// Morvane AAMA DXF reader.
// Reading the entities that an AAMA DXF reader keeps.
#include "sources/aama-reader/AamaEntities.h"

#include "foundation/Geometry.h"
#include "foundation/NumberText.h"
#include "sources/dxf-groups/AamaGroupList.h"
#include "sources/aama-reader/NearIndex.h"

#include <cmath>
#include <utility>

namespace {

// Hands every group of an entity but its layer (group 8) to store, up to the next code-0 group,
// which is left to be read again.
template <typename Store> void readFields(CAamaGroupList &groups, CAamaEntity &entity, Store store)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 0) {
            groups.Back();
            return;
        }
        if (group->m_nCode == 8)
            entity.m_nLayer = group->Integer();
        else
            store(*group);
    }
}

// Stores a group 10 in x or 20 in y; false for any other group.
bool readPosition(const CAamaGroup &group, double &x, double &y)
{
    if (group.m_nCode == 10)
        x = group.Real();
    else if (group.m_nCode == 20)
        y = group.Real();
    else
        return false;
    return true;
}

} // namespace

namespace morvane {

int aamaRuleNumber(std::string_view labelText)
{
    const std::size_t start = labelText.find_first_not_of("# \t\r\n\f\v");
    if (start == std::string_view::npos)
        return -1;
    return morvane::parseInt(labelText.substr(start));
}

} // namespace morvane

void CAamaLine::Read(CAamaGroupList &groups)
{
    readFields(groups, *this, [this](const CAamaGroup &group) {
        if (readPosition(group, m_dStartX, m_dStartY))
            return;
        if (group.m_nCode == 11)
            m_dEndX = group.Real();
        else if (group.m_nCode == 21)
            m_dEndY = group.Real();
    });
}

void CAamaVertex::Read(CAamaGroupList &groups)
{
    readFields(groups, *this, [this](const CAamaGroup &group) {
        if (!readPosition(group, m_dX, m_dY) && group.m_nCode == 70)
            m_nFlags = group.Integer();
    });
}

void CAamaPolyline::Read(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 8) {
            m_nLayer = group->Integer();
        } else if (group->m_nCode == 70) {
            m_nFlags = group->Integer();
        } else if (group->m_nCode == 0) {
            if (group->m_sValue == "SEQEND")
                return;
            if (group->m_sValue == "VERTEX")
                ReadVertex(groups);
            else
                groups.Skip();
        }
    }
}

void CAamaPolyline::ReadVertex(CAamaGroupList &groups)
{
    CAamaVertex vertex;
    vertex.Read(groups);
    const bool isSplineFramePoint = (vertex.m_nFlags & 0x19) == 0x10;
    if (isSplineFramePoint)
        return;
    if (!m_oVertices.empty()) {
        const CAamaVertex &last = m_oVertices.back();
        if (morvane::isNear(last.m_dX, last.m_dY, vertex.m_dX, vertex.m_dY))
            return;
    }
    m_oVertices.push_back(std::move(vertex));
}

void CAamaInsert::Read(CAamaGroupList &groups)
{
    int attributesFollow = 0;
    while (const CAamaGroup *group = groups.Next()) {
        switch (group->m_nCode) {
        case 0:
            if (group->m_sValue == "SEQEND")
                return;
            if (attributesFollow == 0) {
                groups.Back();
                return;
            }
            groups.Skip();
            break;
        case 2:
            m_sBlockName = group->m_sValue;
            break;
        case 8:
            m_nLayer = group->Integer();
            break;
        case 66:
            attributesFollow = group->Integer();
            break;
        }
    }
}

void CAamaText::Read(CAamaGroupList &groups)
{
    readFields(groups, *this, [this](const CAamaGroup &group) {
        if (readPosition(group, m_dX, m_dY))
            return;
        if (group.m_nCode == 1)
            m_sText = group.m_sValue;
        else if (group.m_nCode == 40)
            m_dHeight = group.Real();
    });
}

bool CAamaText::IsRuleLabel() const
{
    const std::size_t start = m_sText.find_first_not_of(" \t\r\n\f\v");
    return start != std::string::npos && m_sText[start] == '#';
}

int CAamaPoint::RuleNumber() const
{
    return m_pRuleLabel ? morvane::aamaRuleNumber(m_pRuleLabel->m_sText) : -1;
}

int CAamaPoint::ApplyKind(int flags, double notchVector[2]) const
{
    switch (m_nLayer) {
    case morvane::kAamaTurnPointLayer:
        return (flags & 0xF0) | 1;
    case morvane::kAamaCurvePointLayer:
        return (flags & 0xF0) | 2;
    case morvane::kAamaNotchLayer: {
        const double angle = DegToRad(m_dNotchAngle);
        notchVector[0] = m_dNotchDepth * std::cos(angle);
        notchVector[1] = m_dNotchDepth * std::sin(angle);
        return (flags & 0x0F) | 0x10;
    }
    case morvane::kAamaStripeLayer:
        return (flags & 6) | 9;
    case morvane::kAamaPlaidLayer:
        return (flags & 5) | 0xA;
    case morvane::kAamaDrillHoleLayer:
        return 0x20;
    default:
        return flags;
    }
}

void CAamaPoint::Read(CAamaGroupList &groups)
{
    readFields(groups, *this, [this](const CAamaGroup &group) {
        if (readPosition(group, m_dX, m_dY))
            return;
        switch (group.m_nCode) {
        case 30:
        case 38:
            m_dNotchDepth = group.Real();
            break;
        case 50:
            m_dNotchAngle = group.Real();
            m_bHasAngle = true;
            break;
        }
    });
}
