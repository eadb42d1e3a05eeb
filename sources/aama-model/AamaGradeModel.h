// Morvane AAMA grade model.
// A grade model read from a pattern file and written back, graded, with its grade rules.
#pragma once

#include "foundation/PtrCollection.h"
#include "sources/aama-model/AamaGradePattern.h"
#include "sources/aama-model/LocalClock.h"
#include "sources/aama-model/SavePathProvider.h"
#include "sources/grade-model/IGradeModel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

inline constexpr double kMillimetresPerInch = 25.4;

class DxfCodePage;

} // namespace morvane

/// The grade model of an AAMA DXF pattern file, or of a graded R12 DXF file (one that names a
/// "MASTER SIZE"). Only the pieces of the file's sample size become patterns; their points start
/// at their base positions in every size, and the program stores their graded positions.
///
/// Its texts are kept in the bytes of the file, whatever its code page, and written back so;
/// what it shows (the names of the style and its patterns) is in UTF-8, read in the code page
/// that the file names ($DWGCODEPAGE), else in UTF-8 when all its texts are UTF-8, else in
/// Windows-1252. Names of the program that a save writes (sizes, the file's own name) are
/// written in that code page.
///
/// Its lengths are millimetres, as the program's are: a file in inches ("ENGLISH") is converted
/// to millimetres when it is read and back to inches when it is saved, so that a style saved
/// without grading holds the numbers it was read with.
///
/// Save writes the graded result to the file that the save-path provider names: for an AAMA
/// file an AAMA DXF file with its RUL grade-rule file beside it (same name, extension ".RUL"),
/// for a graded R12 file a graded R12 DXF file. Without grade data attached the model has no
/// grade tables.
class CAamaGradeModel : public IGradeModel
{
public:
    /// A model that asks savePath for the target of each Save and stamps its files with clock.
    explicit CAamaGradeModel(morvane::SavePathProvider savePath,
                             morvane::LocalClock clock = morvane::currentLocalTime);
    ~CAamaGradeModel() override = default;
    CAamaGradeModel(const CAamaGradeModel &) = delete;
    CAamaGradeModel &operator=(const CAamaGradeModel &) = delete;

    GM_ERROR GetPatternCount(int &count) override;
    CAamaGradePattern *GetPatternAt(int index) override;
    /// Reads the file at path with the reader its content calls for: the second reader when it
    /// holds the text "MASTER SIZE" anywhere, the AAMA reader otherwise. Keeps the model as it
    /// was, with the reason in GetLastError(), and returns GM_NO_SUCH_FILE when the file cannot
    /// be opened, GM_BAD_STRUCTURE when it is damaged (a group code that is not a number), has
    /// no EOF group, or has no piece of the sample size with an outline. Otherwise the patterns
    /// are replaced and every point answers its base position in every size until the next
    /// BeginGrading, which lays out the positions afresh.
    GM_ERROR Load(const std::string &path) override;
    /// Asks the save-path provider for the target; nothing is written, with GM_NO_ERROR, when it
    /// answers none. For an AAMA file the sample size becomes the name of the grade data's sample
    /// size of table 0 (when there is a table) and the AAMA DXF and RUL files are written; for a
    /// graded R12 file the graded R12 DXF file. GM_IO_ERROR when there is no provider or any file
    /// cannot be written (each file is saved through a temporary file, so a failed one leaves no
    /// half-written file at its name); GM_BAD_STRUCTURE, writing nothing, when no pattern is
    /// loaded. The reason of a failure is in GetLastError().
    GM_ERROR Save() override;
    /// Remembers the grade data (not owned; null detaches it).
    void OnAttach(IGradeData *data) override;
    /// When the number of grade tables or the size count of any table differs from that of the
    /// last BeginGrading (or a Load came in between), every point gets one position per size
    /// of every table, each its base position; otherwise stored positions stay.
    GM_ERROR BeginGrading() override;
    GM_ERROR EndGrading() override;
    /// Deletes the model; only for a model created with new.
    GM_ERROR Release() override;
    GM_ERROR Initialize(const std::string &text) override;
    /// The style name of the file, as shown (UTF-8).
    GM_ERROR GetName(std::string &name) override;

    /// The attached grade data; null when none is attached.
    IGradeData *GetGradeData() const { return m_pGradeData; }
    /// The style name in the file's bytes.
    const std::string &GetStyleName() const { return m_sName; }
    /// The sample size read from the file, replaced by the program's when an AAMA file is saved;
    /// in the file's bytes.
    const std::string &GetSampleSize() const { return m_sSampleSize; }
    /// The code page that the file names in its header, as written; empty when it names none.
    const std::string &GetCodePage() const { return m_sCodePage; }
    /// The code page of the file's texts, which the model's files are written in.
    morvane::DxfCodePage GetTextCodePage() const;
    /// Whether the loaded file names a "MASTER SIZE" (and is saved as graded R12 DXF).
    bool IsMasterSizeFile() const { return m_bMasterSize; }
    /// Whether the loaded file is in inches (and is saved in inches).
    bool IsInInches() const { return m_bInches; }
    /// How many millimetres one length unit of the loaded file is: 25.4 for inches, else 1.
    double GetMillimetresPerFileUnit() const
    {
        return m_bInches ? morvane::kMillimetresPerInch : 1.0;
    }
    /// Why the last Load or Save failed, naming the file: "shirt.dxf: line 812: the group code
    /// ... is not a number"; empty after one that succeeded.
    const std::string &GetLastError() const { return m_sLastError; }

private:
    GM_ERROR Fail(GM_ERROR code, std::string message);
    void SaveAamaFiles(const std::filesystem::path &path);

    COwningCollection<CAamaGradePattern> m_oPatterns;
    std::filesystem::path m_oFilePath;
    std::string m_sName;
    std::string m_sShownName;
    std::string m_sSampleSize;
    std::string m_sCodePage;
    /// Whether the file names no code page and all its texts are UTF-8.
    bool m_bUtf8Texts = false;
    IGradeData *m_pGradeData = nullptr;
    /// The size count of each grade table at the last BeginGrading; none until the first one
    /// after a Load.
    std::optional<std::vector<int>> m_oSizeLayout;
    bool m_bMasterSize = false;
    bool m_bInches = false;
    std::string m_sLastError;
    morvane::SavePathProvider m_fnSavePath;
    morvane::LocalClock m_fnClock;
};
