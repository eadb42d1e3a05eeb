// Morvane client grade model.
// A grade model that reads nothing: a client or the program adds its patterns one by one.
#pragma once

#include "foundation/PtrCollection.h"
#include "sources/client-model/GeomPattern.h"
#include "sources/client-model/GradeRuleData.h"
#include "sources/grade-model/IGradeModel.h"

#include <cstdint>
#include <string>

/// A grade model filled through its own operations instead of Load: patterns, their points,
/// polylines and notches are added by an automation client or by the program. Once filled,
/// PrepareData numbers its points and rules; then it grades like any other source against the
/// sizes of the attached grade data. Every index argument is checked: an index out of range
/// gives null or -1 and changes nothing. No operation reports an error.
class CClientGradeModel : public IGradeModel
{
public:
    CClientGradeModel() = default;
    ~CClientGradeModel() override = default;
    CClientGradeModel(const CClientGradeModel &) = delete;
    CClientGradeModel &operator=(const CClientGradeModel &) = delete;

    GM_ERROR GetPatternCount(int &count) override;
    CGeomPattern *GetPatternAt(int index) override;
    /// Does nothing: a client model reads no input.
    GM_ERROR Load(const std::string &path) override;
    /// Does nothing: a client model writes no output.
    GM_ERROR Save() override;
    void OnAttach(IGradeData *data) override;
    /// Replaces the rule tables by one empty table per grade table of the attached grade data,
    /// with its size count, so every rule value is (0, 0) again. Without grade data there are no
    /// tables.
    GM_ERROR BeginGrading() override;
    GM_ERROR EndGrading() override;
    /// Deletes the model; only for a model created with new.
    GM_ERROR Release() override;
    /// Does nothing.
    GM_ERROR Initialize(const std::string &text) override;
    GM_ERROR GetName(std::string &name) override;

    /// The same pattern as GetPatternAt.
    virtual CGeomPattern *GetGeomPatternAt(int index);
    /// Appends a new, empty pattern of that name; returns its index.
    virtual int32_t AddPattern(const std::string &name);
    virtual CGradeRuleData *GetGradeRuleData();
    /// Deletes every pattern.
    virtual void ClearPatterns();

    /// Readies the model for grading after its last addition: every pattern moves its origin to
    /// the centre of its points; base points are numbered by kind (grade points 1, 2, 3 ... and
    /// ordinary points 1, 2, 3 ... across the whole model); every base point gets a rule number,
    /// 1, 2, 3 ... over the whole model in pattern order.
    void PrepareData();
    void SetName(const std::string &name);

private:
    void BuildGradeRules();

    COwningCollection<CGeomPattern> m_oPatterns;
    CGradeRuleData m_oGradeRuleData;
    IGradeData *m_pGradeData = nullptr;
    std::string m_sName;
};
