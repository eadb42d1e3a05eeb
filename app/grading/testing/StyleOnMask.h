// Morvane program grading test support.
// A style to grade without windows: an AAMA file's pieces on a mask made from them, with sizes
// and measures from a table-set file, and the grading manager over them.
#pragma once

#include "app/documents/testing/FakeDocumentServices.h"
#include "app/grading/GradingManager.h"
#include "app/grading/testing/RecordingMessages.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "platform/brismond/IBrismond.h"
#include "sources/aama-model/AamaGradeModel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace testgrading {

/// How a piece lies on the mask: turned counter-clockwise by an angle, face down when flipped.
struct PiecePlacement
{
    double angleDegrees = 0;
    bool flipped = false;
};

/// Puts on mask one mask pattern made from each input pattern, each mask grade point associated
/// with the input point it was made from, and marks every input pattern placed.
void placeInputPatterns(IGradeMask &mask, IInputPatterns &patterns);

/// The AAMA grade model of style (saved as savedAs), the table set of tableSet (its tables are
/// the grade tables), one input pattern per piece, and a mask that holds one mask pattern made
/// from each input pattern, each mask grade point associated with the input point it was made
/// from. The document's services answer the mask, the input patterns, the table set and the
/// model; the manager is rebuilt over them and listens to the mask, the input patterns and the
/// table set, as it does in the document. Piece p lies on the mask as placements[p] says (as
/// drawn when there is none), and its mask pattern lies the same way. A file that does not load
/// leaves the style (or the table set) empty with the reason in GetProblem(), reported as the
/// program reports a file it refuses.
class StyleOnMask
{
public:
    StyleOnMask(const std::filesystem::path &style, const std::filesystem::path &tableSet,
                const std::filesystem::path &savedAs,
                const std::vector<PiecePlacement> &placements = {});
    ~StyleOnMask();
    StyleOnMask(const StyleOnMask &) = delete;
    StyleOnMask &operator=(const StyleOnMask &) = delete;

    /// Empty when both files loaded.
    const std::string &GetProblem() const { return m_problem; }
    int patternCount() const { return m_patterns->GetPatternCount(); }
    /// Base point i of input pattern p.
    CBasePoint *inputPoint(int p, int i) const;
    /// The mask point associated with base point i of input pattern p.
    CBasePoint *maskPoint(int p, int i) const;
    /// Where base point i of input pattern p lies in the style's file, base size.
    DPOINT filePosition(int p, int i) const;
    CGradeMask &mask() { return *m_mask; }
    IInputPatterns &inputPatterns() { return *m_patterns; }
    IBrismond &tableSet() { return *m_tableSet; }
    CGradingManager &manager() { return m_manager; }
    CFormulaManager &formulas() { return m_mask->GetFormulas(); }
    /// The document's services over the style: the mask is active.
    morvane::FakeDocumentServices &services() { return m_services; }

    /// Begins grading in the model again and applies the formulas to every piece; false, with
    /// the reason in the messages, when either fails.
    bool grade();

    std::unique_ptr<CAamaGradeModel> model;
    RecordingMessages messages;

private:
    void place(const std::vector<PiecePlacement> &placements);
    void makeMask(const std::vector<PiecePlacement> &placements);

    std::string m_problem;
    CEventHandler *m_tableSetHandler = nullptr;
    std::unique_ptr<IBrismond> m_tableSet;
    CEventHandler *m_patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns;
    CEventHandler *m_maskHandler = nullptr;
    std::unique_ptr<IGradeMask> m_maskItf;
    CGradeMask *m_mask = nullptr;
    morvane::FakeDocumentServices m_services;
    CGradingManager m_manager{m_services, messages};
};

} // namespace testgrading
