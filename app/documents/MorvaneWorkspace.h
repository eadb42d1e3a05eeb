// Morvane program documents.
// The workspace: the grade model, input-pattern file, table set and mask files worked with.
#pragma once

#include "app/documents/FilePath.h"
#include "foundation/AttContainer.h"
#include "foundation/PtrCollection.h"
#include "model/MvItem.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class IDocumentAccess;

/// What the user was working with: the grade-model kind and the input-pattern file, the
/// measurement table-set file and the files of the open grade masks. A workspace file ("*.mvw")
/// is the XML document of root "MorvaneWorkspace" with the elements "GradeModelType",
/// "InputPatternFile", "TableSetFile" (all three required) and "MaskFilePaths", whose "FilePath"
/// items each hold one "FilePath" (written when there is one; optional on load).
///
/// The stored paths are kept as written; the paths to open (GetInputPatternPath, ...) are found
/// from them as ResolveStoredPath says, from the file the workspace was loaded from.
///
/// The main document owns one workspace, whose owner it is: Save then records what the
/// document has open, and Apply opens it again through the document's commands.
class CMorvaneWorkspace : public CAttContainer, public CMvItem
{
public:
    static constexpr const char *kRootName = "MorvaneWorkspace";

    /// Kind 0, empty file names, no mask files.
    CMorvaneWorkspace();
    ~CMorvaneWorkspace() override;

    /// "CMorvaneWorkspace", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Reads the workspace file. A file that cannot be read, is no well-formed document, has a
    /// root other than "MorvaneWorkspace" (letter case counts) or misses a required element
    /// gives false, with the reason in GetLastError(), and leaves the workspace as it was.
    /// Otherwise every field, the mask files included, is the file's.
    bool Load(const std::filesystem::path &file);
    /// Records the owner's state first, when there is an owner (Record). Writes the workspace
    /// file (through a temporary file beside it); false, with the reason in GetLastError(), when
    /// it cannot be written.
    bool Save(const std::filesystem::path &file);
    /// The document the workspace records and reopens (not owned); null: none.
    void SetOwner(IDocumentAccess *owner) { m_pOwner = owner; }
    /// Takes the owner's state: its grade-model kind (the input-pattern file emptied for the
    /// client grade model, kind 5), its table set's file and the files of its open masks, in
    /// order (masks never saved left out). Nothing without an owner.
    void Record();
    /// Opens again, through the owner's task managers, what the workspace names: each mask file
    /// ("InsertMaskFromFile"), the first open mask ("SetActiveMask"), the table set
    /// ("LoadTableSet", when named) and, when loadInputPatterns is set, the kind is 1, 2 or 3
    /// and the file is named, the input patterns ("LoadInputPatterns"). Each command reports its
    /// own failures; Apply reports nothing. Nothing without an owner.
    void Apply(bool loadInputPatterns);
    /// The name of the owner's loaded grade model; empty without one. A critical code of the
    /// model throws CMorvaneException.
    std::string GetModelText() const;
    /// Why the last Load or Save failed; empty after a success.
    const std::string &GetLastError() const { return m_sLastError; }

    int32_t GetGradeModelType() const { return m_nGradeModelType; }
    void SetGradeModelType(int32_t kind) { m_nGradeModelType = kind; }
    const std::string &GetInputPatternFile() const { return m_sInputPatternFile; }
    void SetInputPatternFile(std::string file) { m_sInputPatternFile = std::move(file); }
    const std::string &GetTableSetFile() const { return m_sTableSetFile; }
    void SetTableSetFile(std::string file) { m_sTableSetFile = std::move(file); }
    /// The mask files as stored, in order.
    std::vector<std::string> GetMaskFiles() const;
    /// Replaces the mask files; empty names are left out.
    void SetMaskFiles(const std::vector<std::string> &files);

    /// The files to open, found from the stored names (empty for an empty name).
    std::filesystem::path GetInputPatternPath() const;
    std::filesystem::path GetTableSetPath() const;
    std::vector<std::filesystem::path> GetMaskPaths() const;

    /// "default.mvw" in the user's configuration folder.
    static std::filesystem::path GetDefaultWorkspacePath();
    /// "default.mvc" in the user's configuration folder.
    static std::filesystem::path GetDefaultContextPath();

private:
    void takeFieldsOf(CMorvaneWorkspace &loaded);

    int32_t m_nGradeModelType = 0;
    std::string m_sInputPatternFile;
    std::string m_sTableSetFile;
    COwningCollection<CFilePath> m_oMaskFilePaths;
    IDocumentAccess *m_pOwner = nullptr;
    /// The file last loaded or saved: stored relative names are taken from its folder.
    std::filesystem::path m_oFile;
    std::string m_sLastError;
};
