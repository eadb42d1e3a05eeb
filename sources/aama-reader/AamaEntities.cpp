// Morvane AAMA DXF reader.
// Reading the entities that an AAMA DXF reader keeps.
#include "sources/aama-reader/AamaEntities.h"

#include "foundation/NumberText.h"
#include "sources/aama-reader/AamaGroupList.h"
#include "sources/aama-reader/FileText.h"
#include "sources/aama-reader/NearIndex.h"

using morvane::parseDouble;
using morvane::parseInt;

namespace {

// Hands every group of an entity to store, up to the next code-0 group, which is left to be
// read again.
template <typename Store>
void readFields(CAamaGroupList &groups, Store store)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 0) {
            groups.Back();
            return;
        }
        store(*group);
    }
}

} // namespace

namespace morvane {

int aamaRuleNumber(std::string_view labelText)
{
    const std::size_t start = labelText.find_first_not_of("# \t\r\n\f\v");
    if (start == std::string_view::npos)
        return -1;
    return parseInt(labelText.substr(start));
}

} // namespace morvane

void CAamaLine::Read(CAamaGroupList &groups)
{
    readFields(groups, [this](const CAamaGroup &group) {
        switch (group.m_nCode) {
        case 8:
            m_nLayer = parseInt(group.m_sValue);
            break;
        case 10:
            m_dStartX = parseDouble(group.m_sValue);
            break;
        case 20:
            m_dStartY = parseDouble(group.m_sValue);
            break;
        case 11:
            m_dEndX = parseDouble(group.m_sValue);
            break;
        case 21:
            m_dEndY = parseDouble(group.m_sValue);
            break;
        }
    });
}

void CAamaVertex::Read(CAamaGroupList &groups)
{
    readFields(groups, [this](const CAamaGroup &group) {
        switch (group.m_nCode) {
        case 10:
            m_dX = parseDouble(group.m_sValue);
            break;
        case 20:
            m_dY = parseDouble(group.m_sValue);
            break;
        case 70:
            m_nFlags = parseInt(group.m_sValue);
            break;
        }
    });
}

void CAamaPolyline::Read(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 8) {
            m_nLayer = parseInt(group->m_sValue);
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
            m_sBlockName = morvane::textFromFile(group->m_sValue);
            break;
        case 8:
            m_nLayer = parseInt(group->m_sValue);
            break;
        case 66:
            attributesFollow = parseInt(group->m_sValue);
            break;
        }
    }
}

void CAamaText::Read(CAamaGroupList &groups)
{
    readFields(groups, [this](const CAamaGroup &group) {
        switch (group.m_nCode) {
        case 1:
            m_sText = morvane::textFromFile(group.m_sValue);
            break;
        case 8:
            m_nLayer = parseInt(group.m_sValue);
            break;
        case 10:
            m_dX = parseDouble(group.m_sValue);
            break;
        case 20:
            m_dY = parseDouble(group.m_sValue);
            break;
        }
    });
}

void CAamaPoint::Read(CAamaGroupList &groups)
{
    readFields(groups, [this](const CAamaGroup &group) {
        switch (group.m_nCode) {
        case 8:
            m_nLayer = parseInt(group.m_sValue);
            break;
        case 10:
            m_dX = parseDouble(group.m_sValue);
            break;
        case 20:
            m_dY = parseDouble(group.m_sValue);
            break;
        case 30:
        case 38:
            m_dNotchDepth = parseDouble(group.m_sValue);
            break;
        case 50:
            m_dNotchAngle = parseDouble(group.m_sValue);
            break;
        }
    });
}
