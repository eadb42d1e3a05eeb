// Morvane foundation library.
// One load or save of an object tree as one XML document, with the name maps of its references.
#include "foundation/XmlArchive.h"

#include "foundation/AttContainer.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlErrorReporter.h"

CXmlArchive::CXmlArchive() = default;

CXmlArchive::~CXmlArchive() = default;

bool CXmlArchive::LoadFromFile(const std::filesystem::path &fileName)
{
    m_sSource = fileName.string();
    const bool loaded = m_oFiler.LoadFromFile(fileName);
    m_sLastError = m_oFiler.GetLastError();
    return loaded;
}

bool CXmlArchive::LoadFromText(std::string_view text, std::string_view sourceName)
{
    m_sSource = sourceName;
    const bool loaded = m_oFiler.LoadFromText(text, sourceName);
    m_sLastError = m_oFiler.GetLastError();
    return loaded;
}

bool CXmlArchive::SelectRoot(const std::string &attributeName, std::string &rootName,
                             std::string &value)
{
    if (!m_oFiler.SelectRootItem())
        return false;
    rootName = m_oFiler.GetActiveItemName();
    std::string_view text;
    if (m_oFiler.GetItemVal(attributeName, text))
        value = text;
    return true;
}

int CXmlArchive::FailLoad(std::string reason)
{
    m_sLastError = m_sSource + ": " + reason;
    return 1;
}

int CXmlArchive::LoadObject(CAttContainer &object, std::string_view)
{
    static uint64_t s_nLastLoadId = 0;
    m_nLoadId = ++s_nLastLoadId;
    GetXmlErrorReporter().Reset();
    m_sLastError.clear();
    // Names of an earlier load may belong to objects that this load deletes.
    Reset();
    if (!m_oFiler.SelectRootItem())
        return FailLoad("no document to load from");
    try {
        object.LoadAttributes(*this);
        object.ResolveReferences(*this);
    } catch (const std::exception &error) {
        return FailLoad(error.what());
    }
    return 0;
}

int CXmlArchive::LoadObjectFromFile(const std::filesystem::path &fileName, CAttContainer &object,
                                    const std::string &rootName)
{
    if (!LoadFromFile(fileName))
        return 1;
    m_oFiler.SelectRootItem();
    const std::string root(m_oFiler.GetActiveItemName());
    if (root != rootName)
        return FailLoad("the root element is <" + root + ">, not <" + rootName + ">");
    return LoadObject(object, rootName);
}

int CXmlArchive::SaveObject(CAttContainer &object, const std::string &rootName)
{
    GetXmlErrorReporter().Reset();
    m_sLastError.clear();
    if (!m_oFiler.AddItem(rootName)) {
        m_sLastError = "no element to write <" + rootName + "> under";
        return 1;
    }
    try {
        object.RegisterNames(*this);
        object.SaveAttributes(*this);
    } catch (const morvane::XmlLoadFailure &) {
        m_sLastError = "saving aborted";
        return 1;
    }
    m_oFiler.ReturnBack();
    return 0;
}

int CXmlArchive::SaveToFile(const std::filesystem::path &fileName)
{
    if (m_oFiler.SaveToFile(fileName)) {
        m_sLastError.clear();
        return 0;
    }
    m_sLastError = m_oFiler.GetLastError();
    return 1;
}

int CXmlArchive::SaveObjectToFile(const std::filesystem::path &fileName, CAttContainer &object,
                                  const std::string &rootName)
{
    if (SaveObject(object, rootName) != 0) {
        m_sLastError = fileName.string() + ": " + m_sLastError;
        return 1;
    }
    return SaveToFile(fileName);
}

void CXmlArchive::SelectChild(int i)
{
    // The child exists: only its depth can be refused.
    if (!m_oFiler.SelectChild(i))
        throw morvane::XmlLoadFailure("elements nested deeper than " +
                                      std::to_string(CScrivel::kMaxDepth) + " levels");
}

std::string CXmlArchive::GetXmlContents() const
{
    return m_oFiler.GetXmlContents();
}

std::string CXmlArchive::TakeXmlContents()
{
    return m_oFiler.TakeXmlContents();
}

void CXmlArchive::Reset()
{
    m_aFoundMaps.clear();
    m_oNameMaps.clear();
    m_aRegistrations.clear();
    m_oNameMemory.release();
}

CXmlNameMap &CXmlArchive::GetNameMap(const std::string &elementName)
{
    return m_oNameMaps.try_emplace(elementName, &m_oNameMemory).first->second;
}

CXmlNameMap *CXmlArchive::FindNameMap(std::string_view elementName)
{
    const auto found = m_oNameMaps.find(elementName);
    return found == m_oNameMaps.end() ? nullptr : &found->second;
}

CXmlNameMap *CXmlArchive::FindConstantNameMap(morvane::MemberName elementName)
{
    // A constant's text never changes, so its address and size tell it. Only maps found are
    // remembered: a map asked for before it exists may be made later.
    const std::string_view name = elementName;
    for (const auto &[constant, map] : m_aFoundMaps) {
        if (constant.data() == name.data() && constant.size() == name.size())
            return map;
    }
    CXmlNameMap *map = FindNameMap(name);
    if (map != nullptr)
        m_aFoundMaps.emplace_back(name, map);
    return map;
}

void CXmlArchive::RegisterObject(CXmlNameMap &map, std::string_view name, CAttContainer *object)
{
    map.Assign(name, object);
    m_aRegistrations.push_back({&map, object});
}

CAttContainer *CXmlArchive::LookupObject(const CXmlNameMap &map, std::string_view name)
{
    return map.Find(name);
}

std::string CXmlArchive::AddNumberedName(CXmlNameMap &map, CAttContainer *object)
{
    std::string name = morvane::formatInteger(static_cast<long long>(map.GetCount()));
    RegisterObject(map, name, object);
    return name;
}

void CXmlArchive::ForgetRegistrationsSince(size_t mark)
{
    // Only a failed element comes here, so a scan of the maps is cheap enough; the record stays
    // small and fast for the usual load.
    while (m_aRegistrations.size() > mark) {
        const Registration &last = m_aRegistrations.back();
        last.map->Erase(last.object);
        m_aRegistrations.pop_back();
    }
}
