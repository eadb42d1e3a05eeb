// Morvane client grade model.
// A grade model that reads nothing: a client or the program adds its patterns one by one.
#include "sources/client-model/ClientGradeModel.h"

#include <memory>
#include <vector>

GM_ERROR CClientGradeModel::GetPatternCount(int &count)
{
    count = m_oPatterns.GetCount();
    return GM_NO_ERROR;
}

CGeomPattern *CClientGradeModel::GetPatternAt(int index)
{
    return GetGeomPatternAt(index);
}

GM_ERROR CClientGradeModel::Load(const std::string &)
{
    return GM_NO_ERROR;
}

GM_ERROR CClientGradeModel::Save()
{
    return GM_NO_ERROR;
}

void CClientGradeModel::OnAttach(IGradeData *data)
{
    m_pGradeData = data;
}

GM_ERROR CClientGradeModel::BeginGrading()
{
    std::vector<int> sizeCounts;
    if (m_pGradeData != nullptr) {
        for (int table = 0; table < m_pGradeData->GetTableCount(); ++table)
            sizeCounts.push_back(m_pGradeData->GetSizeCount(table));
    }
    m_oGradeRuleData.Update(sizeCounts);
    // The interpolated values went with the old tables.
    for (CGeomPattern *pattern : m_oPatterns)
        pattern->InvalidateInterpolation();
    return GM_NO_ERROR;
}

GM_ERROR CClientGradeModel::EndGrading()
{
    return GM_NO_ERROR;
}

GM_ERROR CClientGradeModel::Release()
{
    delete this;
    return GM_NO_ERROR;
}

GM_ERROR CClientGradeModel::Initialize(const std::string &)
{
    return GM_NO_ERROR;
}

GM_ERROR CClientGradeModel::GetName(std::string &name)
{
    name = m_sName;
    return GM_NO_ERROR;
}

CGeomPattern *CClientGradeModel::GetGeomPatternAt(int index)
{
    if (index < 0 || index >= m_oPatterns.GetCount())
        return nullptr;
    return m_oPatterns.GetAt(index);
}

int32_t CClientGradeModel::AddPattern(const std::string &name)
{
    auto pattern = std::make_unique<CGeomPattern>();
    pattern->Create(name, this);
    return m_oPatterns.AddOwned(std::move(pattern));
}

CGradeRuleData *CClientGradeModel::GetGradeRuleData()
{
    return &m_oGradeRuleData;
}

void CClientGradeModel::ClearPatterns()
{
    m_oPatterns.RemoveAll();
}

void CClientGradeModel::PrepareData()
{
    for (CGeomPattern *pattern : m_oPatterns)
        pattern->UpdateOrigin();

    int gradeCounter = 0;
    int ordinaryCounter = 0;
    for (CGeomPattern *pattern : m_oPatterns)
        pattern->SetPointsId(gradeCounter, ordinaryCounter);

    BuildGradeRules();
}

void CClientGradeModel::SetName(const std::string &name)
{
    m_sName = name;
}

void CClientGradeModel::BuildGradeRules()
{
    int counter = 0;
    for (CGeomPattern *pattern : m_oPatterns) {
        pattern->BuildGradeRules(counter);
        // Rule values are now found under the new numbers.
        pattern->InvalidateInterpolation();
    }
}
