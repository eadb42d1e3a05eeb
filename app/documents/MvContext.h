// Morvane program documents.
// A context: how the input patterns lie on each open grade mask and are tied to it.
#pragma once

#include "app/documents/MvContexPattern.h"
#include "foundation/AttContainer.h"
#include "foundation/PtrCollection.h"
#include "model/MvItem.h"

#include <filesystem>
#include <string>

class IDocumentAccess;
class IGradeMask;
class IInputPatterns;

/// The input patterns on one grade mask: the elements "Name" (the mask's file) and
/// "ContexPatterns" ("ContexPattern" items, one per input pattern), both required.
class CMvContexMask : public CAttContainer, public CMvItem
{
public:
    CMvContexMask();
    ~CMvContexMask() override;

    /// "CMvContexMask", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    const std::string &GetName() const { return m_sName; }
    /// Names the mask's file otherwise than Gather does (relative to the context's folder, for
    /// instance).
    void SetName(std::string name) { m_sName = std::move(name); }
    int GetPatternCount() const { return m_oContexPatterns.GetCount(); }
    CMvContexPattern *GetPatternAt(int i) const { return m_oContexPatterns.GetAt(i); }

    /// Records every input pattern, in order, placed or not, as it lies on mask; the input
    /// patterns must be shown on mask. The name is the mask's file.
    void Gather(IGradeMask &mask, IInputPatterns &inputPatterns);
    /// Applies to each input pattern, in order, the first entry of its name (letter case
    /// ignored); a pattern without one is left as it is. The input patterns must be shown on
    /// mask.
    void Apply(IGradeMask &mask, IInputPatterns &inputPatterns) const;
    /// The first entry of that pattern name, letter case ignored; null when none.
    const CMvContexPattern *FindPattern(const std::string &name) const;

private:
    std::string m_sName;
    COwningCollection<CMvContexPattern> m_oContexPatterns;
};

/// A context: one entry per open grade mask, in the order of the open masks. A context file
/// ("*.cct", the default one "default.mvc") is the XML document of root "MvContext" whose one
/// element "ContexMasks" holds "ContexMask" items. The spellings "Contex" and "Fliped" are the
/// format's.
class CMvContext : public CAttContainer, public CMvItem
{
public:
    static constexpr const char *kRootName = "MvContext";

    CMvContext();
    ~CMvContext() override;

    /// "CMvContext", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Reads the context file: false, with the reason in GetLastError() and the context as it
    /// was, when the file cannot be read, is no well-formed document, has another root or misses
    /// a required element.
    bool Load(const std::filesystem::path &file);
    /// Writes the context file (through a temporary file); false, with the reason in
    /// GetLastError(), when it cannot be written.
    bool Save(const std::filesystem::path &file);
    /// Why the last Load or Save failed; empty after a success.
    const std::string &GetLastError() const { return m_sLastError; }

    int GetMaskCount() const { return m_oContexMasks.GetCount(); }
    CMvContexMask *GetMaskAt(int i) const { return m_oContexMasks.GetAt(i); }
    /// Records every open mask of the document, in order, with every input pattern as it lies
    /// on that mask; the input patterns are shown on the mask they were shown on before.
    void Gather(IDocumentAccess &document);
    /// Applies each open mask's entry (FindMask; a mask without one is left as it is): a mask
    /// not active is activated first ("SetActiveMask" to the document's task manager), then its
    /// entry is applied to the input patterns. The last mask that had an entry stays active.
    /// Since the masks changed outside their histories, their undo histories are cleared (a
    /// mask with unsaved changes keeps them unsaved).
    void Apply(IDocumentAccess &document) const;
    /// Appends an entry for mask recorded as Gather does (the input patterns shown on mask).
    void GatherMask(IGradeMask &mask, IInputPatterns &inputPatterns);
    /// The first entry naming the mask's file: the stored name found as ResolveStoredPath says
    /// from the context's file, compared as IsSameFileIgnoringCase does (an unnamed mask matches
    /// the first unnamed entry); null when none.
    const CMvContexMask *FindMask(const IGradeMask &mask) const;

private:
    COwningCollection<CMvContexMask> m_oContexMasks;
    /// The file last loaded: stored mask names are taken from its folder.
    std::filesystem::path m_oFile;
    std::string m_sLastError;
};
