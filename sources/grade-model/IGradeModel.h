// Morvane grade-model interfaces.
// A grade-model source: input patterns in a base size with the grade rules of every size.
#pragma once

#include "sources/grade-model/GradeModelError.h"
#include "sources/grade-model/IGradeData.h"
#include "sources/grade-model/IGradePattern.h"

#include <string>

/// A source of input patterns drawn in a base size, with the grade rules that move their points
/// into the other sizes: a model filled by a client, a model read from AAMA DXF, or a plug-in.
/// It owns its patterns.
///
/// Calling order: create, OnAttach, Load (or fill a client model through its own operations);
/// for every grading pass BeginGrading, read patterns, curves and positions size by size, store
/// positions with IGradePoint::SetPosition, EndGrading; Save when the user exports; Release.
class IGradeModel
{
public:
    /// The number of patterns.
    virtual GM_ERROR GetPatternCount(int &count) = 0;
    /// Pattern index from 0; null for an index out of range.
    virtual IGradePattern *GetPatternAt(int index) = 0;
    /// Reads the model's input (a file path for file-based sources).
    virtual GM_ERROR Load(const std::string &path) = 0;
    /// Writes the graded result.
    virtual GM_ERROR Save() = 0;
    /// Remembers the program's grade data (not owned; null detaches it).
    virtual void OnAttach(IGradeData *data) = 0;
    /// Adapts the rule tables to the current layout of the attached grade data before sizes are
    /// read. Without grade data the model has no tables.
    virtual GM_ERROR BeginGrading() = 0;
    /// Ends a grading pass.
    virtual GM_ERROR EndGrading() = 0;
    /// Deletes the model; the pointer is invalid afterwards. Only for a model on the heap.
    virtual GM_ERROR Release() = 0;
    /// One-time set-up with a text argument.
    virtual GM_ERROR Initialize(const std::string &text) = 0;
    virtual GM_ERROR GetName(std::string &name) = 0;
    virtual ~IGradeModel() = default;
};
