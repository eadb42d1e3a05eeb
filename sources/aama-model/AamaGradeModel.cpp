// Morvane AAMA grade model.
// A grade model read from a pattern file and written back, graded, with its grade rules.
#include "sources/aama-model/AamaGradeModel.h"

#include "foundation/FileContent.h"
#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "platform/fallowby/IJwcaAAMAData.h"
#include "platform/fallowby/JWCAData.h"
#include "sources/aama-model/AamaDxfExport.h"
#include "sources/aama-model/AamaDxfWriter.h"
#include "sources/aama-model/AamaPatternLoading.h"
#include "sources/aama-model/AamaR12DxfWriter.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/aama-model/RulFileWriter.h"
#include "sources/aama-reader/AAMAData.h"
#include "sources/aama-reader/IAAMAData.h"
#include "sources/dxf-groups/DxfCodePage.h"

#include <algorithm>
#include <memory>
#include <utility>

using namespace morvane;

namespace {

using Patterns = std::vector<std::unique_ptr<CAamaGradePattern>>;

// What a pattern file gives the model.
struct LoadedFile
{
    std::string styleName;
    std::string sampleSize;
    int units = 0;
    std::string codePage;
    Patterns patterns;
};

constexpr int kEnglishUnits = 2;

bool hasOutline(CAamaGradePattern &pattern)
{
    int curveCount = 0;
    pattern.GetCurveCount(curveCount);
    return curveCount > 0;
}

// Why the pieces of a file give no pattern with an outline; empty when one does.
std::string whyNoPattern(const LoadedFile &file, const DxfCodePage &codePage)
{
    if (std::any_of(file.patterns.begin(), file.patterns.end(),
                    [](const auto &pattern) { return hasOutline(*pattern); }))
        return {};
    const std::string sampleSize = codePage.toUtf8(file.sampleSize);
    if (file.patterns.empty())
        return "no piece has the sample size \"" + sampleSize + "\"";
    return "no piece of the sample size \"" + sampleSize + "\" has an outline";
}

// Whether every text that the model keeps of the file is UTF-8.
bool keepsUtf8Texts(const LoadedFile &file)
{
    const auto drawsUtf8 = [](const AamaDrawingItem &item) { return isValidUtf8(item.text); };
    const auto isUtf8Pattern = [&](const auto &pattern) {
        const AamaPieceExtras &extras = pattern->GetExtras();
        return isValidUtf8(pattern->GetPatternName()) && isValidUtf8(extras.annotation) &&
               isValidUtf8(extras.category) &&
               std::all_of(extras.drawing.begin(), extras.drawing.end(), drawsUtf8);
    };
    return isValidUtf8(file.styleName) && isValidUtf8(file.sampleSize) &&
           std::all_of(file.patterns.begin(), file.patterns.end(), isUtf8Pattern);
}

// Reads the file's pieces of the sample size with reader (AAMAData or JWCAData); nothing, with
// the reason in error, when the reader refuses the text.
template <typename Reader, typename LoadPiece>
std::optional<LoadedFile> readPatterns(std::string_view content, LoadPiece loadPiece,
                                       std::string &error)
{
    Reader reader;
    if (!reader.LoadText(content)) {
        error = reader.GetLoadError();
        return std::nullopt;
    }
    const auto &data = *reader.GetIAAMADataItf();
    LoadedFile file{data.GetStyleName(), data.GetSampleSize(), data.GetUnits(),
                    data.GetCodePage(), {}};
    const double millimetresPerUnit = file.units == kEnglishUnits ? kMillimetresPerInch : 1.0;
    for (int piece = 0; piece < data.GetPieceCount(); ++piece) {
        if (data.GetPieceSize(piece) == file.sampleSize)
            file.patterns.push_back(loadPiece(data, piece, millimetresPerUnit));
    }
    return file;
}

std::vector<int> sizeLayoutOf(const IGradeData *data)
{
    std::vector<int> sizeCounts;
    for (int table = 0; data != nullptr && table < data->GetTableCount(); ++table)
        sizeCounts.push_back(data->GetSizeCount(table));
    return sizeCounts;
}

} // namespace

CAamaGradeModel::CAamaGradeModel(SavePathProvider savePath, LocalClock clock)
    : m_fnSavePath(std::move(savePath))
    , m_fnClock(std::move(clock))
{
}

GM_ERROR CAamaGradeModel::GetPatternCount(int &count)
{
    count = m_oPatterns.GetCount();
    return GM_NO_ERROR;
}

CAamaGradePattern *CAamaGradeModel::GetPatternAt(int index)
{
    if (index < 0 || index >= m_oPatterns.GetCount())
        return nullptr;
    return m_oPatterns.GetAt(index);
}

GM_ERROR CAamaGradeModel::Fail(GM_ERROR code, std::string message)
{
    m_sLastError = std::move(message);
    return code;
}

GM_ERROR CAamaGradeModel::Load(const std::string &path)
{
    m_sLastError.clear();
    const std::optional<FileBytes> bytes = readFileBytes(path);
    if (!bytes)
        return Fail(GM_NO_SUCH_FILE, path + ": the file cannot be opened");
    const std::string_view content = bytes->view();
    const bool masterSize = content.find("MASTER SIZE") != std::string_view::npos;
    std::string error;
    std::optional<LoadedFile> file =
        masterSize ? readPatterns<JWCAData>(content, loadJwcaPiece, error)
                   : readPatterns<AAMAData>(content, loadAamaPiece, error);
    if (!file)
        return Fail(GM_BAD_STRUCTURE, path + ": " + error);
    const bool utf8Texts = keepsUtf8Texts(*file);
    const DxfCodePage codePage(file->codePage, utf8Texts);
    if (const std::string why = whyNoPattern(*file, codePage); !why.empty())
        return Fail(GM_BAD_STRUCTURE, path + ": " + why);

    m_oPatterns.RemoveAll();
    for (auto &pattern : file->patterns) {
        pattern->SetShownName(codePage.toUtf8(pattern->GetPatternName()));
        m_oPatterns.AddOwned(std::move(pattern));
    }
    m_oFilePath = path;
    m_sName = file->styleName;
    m_sShownName = codePage.toUtf8(m_sName);
    m_sSampleSize = file->sampleSize;
    m_sCodePage = file->codePage;
    m_bUtf8Texts = utf8Texts;
    m_bInches = file->units == kEnglishUnits;
    m_bMasterSize = masterSize;
    // The new points have no positions per size yet: the next BeginGrading lays them out.
    m_oSizeLayout.reset();
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeModel::Save()
{
    m_sLastError.clear();
    if (!m_fnSavePath)
        return Fail(GM_IO_ERROR, "there is no way to choose the file to save to");
    if (m_oPatterns.GetCount() == 0)
        return Fail(GM_BAD_STRUCTURE, "nothing to save: no pattern is loaded");
    const std::optional<std::filesystem::path> target =
        m_fnSavePath({m_oFilePath, "dxf", "AAMA Files (*.dxf)|*.dxf|All Files (*.*)|*.*||"});
    if (!target)
        return GM_NO_ERROR;
    try {
        if (m_bMasterSize)
            CAamaR12DxfWriter(*this, m_fnClock).Write(*target);
        else
            SaveAamaFiles(*target);
    } catch (const FileSaveError &error) {
        return Fail(GM_IO_ERROR, error.what());
    }
    return GM_NO_ERROR;
}

void CAamaGradeModel::SaveAamaFiles(const std::filesystem::path &path)
{
    std::filesystem::path rulPath = path;
    rulPath.replace_extension(".RUL");
    if (rulPath == path)
        throw FileSaveError(
            format("Can not create file %s: it is the name of its grade rules", path.c_str()));
    const DxfCodePage codePage = GetTextCodePage();
    if (m_pGradeData != nullptr && m_pGradeData->GetTableCount() >= 1)
        m_sSampleSize =
            codePage.fromUtf8(m_pGradeData->GetSizeName(0, m_pGradeData->GetSampleSize(0)));
    // Built afresh for every save, so a second save labels the same points the same way.
    const AamaDxfExport exported =
        buildAamaDxfExport(*this, codePage.fromUtf8(toUpperAscii(path.stem().string())));
    WriteAamaDxf(exported.document, path, m_fnClock);
    CRulFileWriter(m_fnClock).Write(
        rulPath, m_pGradeData, m_sSampleSize, exported.rulePoints,
        {exported.document.m_sUnits, GetMillimetresPerFileUnit(), &codePage});
}

DxfCodePage CAamaGradeModel::GetTextCodePage() const
{
    return DxfCodePage(m_sCodePage, m_bUtf8Texts);
}

void CAamaGradeModel::OnAttach(IGradeData *data)
{
    m_pGradeData = data;
}

GM_ERROR CAamaGradeModel::BeginGrading()
{
    std::vector<int> layout = sizeLayoutOf(m_pGradeData);
    if (m_oSizeLayout == layout)
        return GM_NO_ERROR;
    for (CAamaGradePattern *pattern : m_oPatterns)
        pattern->ResetPositions(layout);
    m_oSizeLayout = std::move(layout);
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeModel::EndGrading()
{
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeModel::Release()
{
    delete this;
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeModel::Initialize(const std::string &)
{
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeModel::GetName(std::string &name)
{
    name = m_sShownName;
    return GM_NO_ERROR;
}
