// Morvane foundation library.
// One load or save of an object tree as one XML document, with the name maps of its references.
#pragma once

#include "foundation/MemberName.h"
#include "foundation/XmlNameMap.h"
#include "platform/scrivel/Scrivel.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory_resource>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CAttContainer;

/// One load or one save of an object tree (objects derived from CAttContainer) as one XML
/// document. It holds the document (a CScrivel) and the name maps through which references are
/// written as object names and turned back into pointers after the whole tree is read, so a
/// reference may point at an object that comes later in the file. Make one archive per
/// document and let it go afterwards.
///
/// Loading a document whose root must be "GradeMask":
/// ```
/// CXmlArchive archive;
/// if (!archive.LoadFromFile(path))             // unreadable or not well-formed XML
///     return report(archive.GetLastError());   // "<file>: line <n>: <reason>"
/// std::string root, version;
/// archive.SelectRoot("Version", root, version);
/// if (root != "GradeMask" || !acceptable(version)) ...
/// if (archive.LoadObject(mask, "GradeMask") != 0) // aborted by the user
///     ...
/// ```
/// or, without a version check, `archive.LoadObjectFromFile(path, object, "Root")`. Saving:
/// `archive.SaveObjectToFile(path, object, "GradeMask")`, or SaveObject then GetXmlContents (or
/// TakeXmlContents, when the archive is done with).
///
/// Problems inside a document (a required member missing, an unknown class, a reference that
/// names no object) go to the process's CXmlErrorReporter, whose answer decides whether the
/// load goes on; see CAttContainer for what each case leaves in the objects.
class CXmlArchive
{
public:
    CXmlArchive();
    ~CXmlArchive();
    CXmlArchive(const CXmlArchive &) = delete;
    CXmlArchive &operator=(const CXmlArchive &) = delete;

    /// Reads and parses the file; false, with GetLastError() naming the file, the line and the
    /// reason, when it cannot be read or is not a well-formed document (empty, truncated, not
    /// XML, more than one root, elements nested too deeply).
    bool LoadFromFile(const std::filesystem::path &fileName);
    /// Parses text; sourceName stands for the file name in messages. False as LoadFromFile.
    bool LoadFromText(std::string_view text, std::string_view sourceName = "XML text");
    /// Gives the name of the root element, and the value of its XML attribute attributeName
    /// when it has one (value is left unchanged otherwise). False when no document is loaded.
    bool SelectRoot(const std::string &attributeName, std::string &rootName, std::string &value);

    /// Loads object from the root element (whatever its name; the caller checks it with
    /// SelectRoot): the object's LoadAttributes over the whole tree, then its
    /// ResolveReferences. Resets the reporter and the name maps first. Returns 0, or 1 when the
    /// load was aborted or the document nests deeper than the filer goes (GetLastError() then
    /// says so); what was loaded until then stays in the objects.
    int LoadObject(CAttContainer &object, std::string_view rootName);
    /// LoadFromFile, then a check that the root element is rootName, then LoadObject. Returns 0,
    /// or 1 with GetLastError() naming the file and the reason.
    int LoadObjectFromFile(const std::filesystem::path &fileName, CAttContainer &object,
                           const std::string &rootName);

    /// Writes object as a new element rootName (the root of a new archive's empty document):
    /// names the referenced objects (RegisterNames) then saves the attributes. Resets the
    /// reporter first. Returns 0, or 1 when a report during the save was answered Abort.
    int SaveObject(CAttContainer &object, const std::string &rootName);
    /// Writes the document to the file (through a temporary file renamed over it). Returns 0,
    /// or 1 with GetLastError() naming the file and the reason.
    int SaveToFile(const std::filesystem::path &fileName);
    /// SaveObject, then SaveToFile.
    int SaveObjectToFile(const std::filesystem::path &fileName, CAttContainer &object,
                         const std::string &rootName);
    /// The whole document as text.
    std::string GetXmlContents() const;
    /// The whole document as text, handed over without a copy where it can be; the archive is
    /// left without a document.
    std::string TakeXmlContents();
    /// Why the last load or save failed; empty after a success.
    const std::string &GetLastError() const { return m_sLastError; }

    /// Deletes every name map.
    void Reset();
    /// The name map of an element name, made empty on first use.
    CXmlNameMap &GetNameMap(const std::string &elementName);
    /// The name map of an element name; null when there is none.
    CXmlNameMap *FindNameMap(std::string_view elementName);
    /// FindNameMap for an element name registered as a constant, as the references of a class
    /// keep theirs. A map found is remembered by the constant's address until Reset: the
    /// references of a load ask for the same few maps once each.
    CXmlNameMap *FindConstantNameMap(morvane::MemberName elementName);
    /// Enters object under name, replacing an object of the same name.
    void RegisterObject(CXmlNameMap &map, std::string_view name, CAttContainer *object);
    /// The object entered under name; null when none.
    static CAttContainer *LookupObject(const CXmlNameMap &map, std::string_view name);
    /// Enters object under the map's current number of entries as decimal text ("0", "1", ...)
    /// and returns that name.
    std::string AddNumberedName(CXmlNameMap &map, CAttContainer *object);

    /// The position in the record of registrations, to give to ForgetRegistrationsSince.
    size_t GetRegistrationMark() const { return m_aRegistrations.size(); }
    /// Takes out of the name maps every object registered since the mark (a collection drops
    /// an element that failed to load, and with it whatever the element had registered).
    void ForgetRegistrationsSince(size_t mark);

    /// The number of the load in progress or last run (LoadObject), unique in the process; 0
    /// before the first. A reference keeps the name it read with this number and resolves it
    /// only in the same load, so names left over from an aborted load never resolve later.
    uint64_t GetLoadId() const { return m_nLoadId; }

    /// The document and its cursor, for the attributes.
    CScrivel &GetFiler() { return m_oFiler; }
    /// Makes child i (which must exist) of the current element current while loading; throws
    /// XmlLoadFailure, ending the load, when it lies deeper than the filer goes.
    void SelectChild(int i);

private:
    struct Registration
    {
        CXmlNameMap *map;
        CAttContainer *object;
    };

    int FailLoad(std::string reason);

    CScrivel m_oFiler;
    // The memory of the name maps; declared first, so that the maps go before it.
    std::pmr::monotonic_buffer_resource m_oNameMemory;
    std::map<std::string, CXmlNameMap, std::less<>> m_oNameMaps;
    // The maps found for constant element names, by the constants' addresses.
    std::vector<std::pair<std::string_view, CXmlNameMap *>> m_aFoundMaps;
    std::vector<Registration> m_aRegistrations;
    std::string m_sSource = "XML text";
    std::string m_sLastError;
    uint64_t m_nLoadId = 0;
};
