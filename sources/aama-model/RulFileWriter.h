// Morvane AAMA grade model.
// Writes the RUL grade-rule file: the displacement of every labelled point in every size.
#pragma once

#include "sources/aama-model/LocalClock.h"
#include "sources/aama-model/SizeCombinations.h"

#include <filesystem>
#include <string>
#include <vector>

class CAamaGradePoint;
class IGradeData;

namespace morvane {
class DxfCodePage;
}

/// A point that an AAMA DXF file labels, with the label text (its rule name).
struct RulRulePoint
{
    std::string m_sName;
    const CAamaGradePoint *m_pPoint = nullptr;
};

/// How a RUL file writes its lengths and names: the units it names ("METRIC" or "ENGLISH"), how
/// many millimetres one of its units is, and the code page of the style that the names of the
/// program (sizes, the file's own name) are written in (null: UTF-8, as given).
struct RulFileForm
{
    std::string units = "METRIC";
    double millimetresPerUnit = 1.0;
    const morvane::DxfCodePage *codePage = nullptr;
};

/// Writes RUL grade-rule files: nine header lines (version, author, the clock's date and time,
/// units ("METRIC" or "ENGLISH"), the table name, the number and the list of the size combinations of the grade data,
/// the sample size), then per rule point a line "RULE: DELTA <name>" and its displacement in
/// every size combination,
/// " %9.2f,%9.2f" each, four to a line, and "END". A displacement is the sum, over the tables
/// that take part in the combination, of the point's position in that table's size minus its
/// base position, in the file's units. Lines end with CR LF; numbers are written in every process
/// locale alike.
class CRulFileWriter
{
public:
    explicit CRulFileWriter(morvane::LocalClock clock = morvane::currentLocalTime);

    /// Writes the file at path (its name without folder and extension is the table name),
    /// through a temporary file beside it: a failure leaves any earlier file at path as it was
    /// and throws morvane::FileSaveError. Without grade data (null) there are no combinations.
    /// The sample size and the rule names are written as given.
    void Write(const std::filesystem::path &path, const IGradeData *data,
               const std::string &sampleSize, const std::vector<RulRulePoint> &rulePoints,
               const RulFileForm &form = {}) const;

private:
    morvane::LocalClock m_fnClock;
};
