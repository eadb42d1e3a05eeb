// Morvane foundation library.
// Attributes of collection members: owning collections of nested objects, and reference lists.
#pragma once

#include "foundation/PtrCollection.h"
#include "foundation/RuntimeClass.h"
#include "foundation/XmlNameMap.h"
#include "foundation/XmlObjectAttributes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CXmlArchive;
class CScrivel;

namespace morvane {

/// Whether the elements of a collection can be referenced, and by which names.
enum class XmlNaming {
    /// The elements are not entered in a name map: nothing can refer to them.
    None,
    /// Each element is entered in the name map of its element name under a generated number
    /// ("0", "1", ..., counted across every collection that shares the element name), written
    /// as the XML attribute <element name>ID ("PatternID").
    Numbered,
    /// Each element is entered under its own object name (its name attribute); no identifier
    /// attribute is written.
    OwnNames,
};

} // namespace morvane

/// The base of the collection attributes: the elements are child elements named by the element
/// name, inside the attribute's child element (form Element) or directly inside the object's
/// element (form Attribute; the collection then takes every child from its position on, so it
/// comes last among the object's child elements). Element names are not checked on load.
/// Written when Required, or when Optional or WhenSet and not empty; a WhenSet collection
/// absent from the file is emptied.
class CNestedAttribute : public CXmlAttribute
{
public:
    CNestedAttribute(std::string &&name, XML_ATTRIBUTE_KIND kind, std::string &&elementName);

    /// Loads every child of the current element as an element; true.
    bool Load(CXmlArchive &archive) override;
    /// Form Attribute: loads the children of the current element from childIndex on;
    /// childIndex then becomes the number of children.
    void LoadInline(CXmlArchive &archive, int &childIndex);
    bool MustSave() const override;
    void OnMissing() override;

    const std::string &GetElementName() const { return m_sElementName; }
    virtual int GetCount() const = 0;
    /// The stored part of element i; null for a null element.
    virtual CAttContainer *GetElementContainer(int i) const = 0;
    /// Empties the collection (an owning one deletes its elements).
    virtual void RemoveAll() = 0;

protected:
    /// Empties the collection, then loads children first..count-1 of the current element.
    virtual void LoadElements(CXmlArchive &archive, int first) = 0;

private:
    std::string m_sElementName;
};

/// An owning collection of nested stored objects (kind atCollectionEx). Each element is created
/// from a runtime class: the one class given at registration, or, for a polymorphic collection,
/// the class of its class list named by the element's "ClassName" XML attribute (the first class
/// when the attribute is empty or missing). Loading empties the collection first.
///
/// Saving writes, for each element, a child element with the identifier attribute (Numbered
/// naming), "ClassName" (polymorphic), then the element's own attributes. Null elements are
/// skipped.
///
/// Loading problems, each reported and skipped so that the next element loads: a class name
/// that no class of the list has (code 5, subject the class name); a missing identifier
/// attribute (code 6, subject the identifier attribute's name; the element is kept but cannot
/// be referenced); an exception while loading an element (code 6; the element is removed and
/// deleted, and so are the name-map entries it made). An Abort ends the load.
class CCollectionAttribute : public CNestedAttribute
{
public:
    /// cls null makes the collection polymorphic (classes added with AddClass).
    CCollectionAttribute(std::string &&name, std::string &&elementName, morvane::XmlNaming naming,
                         const CRuntimeClass *cls);

    /// Appends a class to the class list (the first one is the default).
    void AddClass(const CRuntimeClass *cls);
    /// Whether loading enters the elements in the name map (initially: whether they are named).
    void SetNamesOnLoad(bool namesOnLoad) { m_bNamesOnLoad = namesOnLoad; }
    bool IsPolymorphic() const { return m_pClass == nullptr; }
    /// "<element name>ID".
    std::string GetIdentifierName() const;

    bool MustSave() const override;
    void OnMissing() override;
    int GetCount() const override;
    CAttContainer *GetElementContainer(int i) const override;
    void RemoveAll() override;
    void Save(CXmlArchive &archive) override;
    void RegisterNames(CXmlArchive &archive) override;
    void ResolveReferences(CXmlArchive &archive) override;
    /// Redirects the references that the elements hold.
    void RedirectReferences(CAttContainer *from, CAttContainer *to) override;

    // The same on the collection at the given address: the one the attribute is bound to, or
    // that of any object, when the attribute describes the member for every object of a class
    // (morvane::SharedCollectionAttribute).
    bool MustSaveIn(const void *collection) const;
    void OnMissingIn(void *collection) const;
    void SaveIn(CXmlArchive &archive, const void *collection) const;
    void RegisterNamesIn(CXmlArchive &archive, const void *collection) const;
    void ResolveReferencesIn(CXmlArchive &archive, const void *collection) const;
    void RedirectReferencesIn(const void *collection, CAttContainer *from, CAttContainer *to) const;
    /// Empties the collection, then loads children first..count-1 of the current element.
    void LoadElementsIn(CXmlArchive &archive, int first, void *collection) const;

protected:
    /// The collection the attribute is bound to; null when it describes the member for all.
    virtual void *GetCollection() const = 0;
    virtual int CountIn(const void *collection) const = 0;
    virtual CAttContainer *ElementIn(const void *collection, int i) const = 0;
    virtual void RemoveAllIn(void *collection) const = 0;
    /// Makes room for count elements in all.
    virtual void ReserveIn(void *collection, int count) const = 0;
    /// Appends object as a new last element and returns its stored part; null (the object is
    /// deleted) when object is not an element of the collection's type.
    virtual CAttContainer *AppendCreatedTo(void *collection,
                                           std::unique_ptr<CObject> object) const = 0;
    /// Removes element i and deletes it.
    virtual void DeleteAtIn(void *collection, int i) const = 0;

    void LoadElements(CXmlArchive &archive, int first) override;

private:
    // How the elements of one load are named: the map they go into (null when they are not
    // entered), and the identifier attribute's name (empty when they are not).
    struct Naming
    {
        CXmlNameMap *map;
        const std::string &identifierName;
    };
    void LoadElement(CXmlArchive &archive, const Naming &naming, void *collection) const;
    void LoadAndName(CXmlArchive &archive, CAttContainer &element, const Naming &naming) const;
    const CRuntimeClass *FindClass(std::string_view className) const;
    // Makes room in map for count more elements under the collection's kind of names.
    void Reserve(CXmlNameMap &map, int count) const;

    morvane::XmlNaming m_eNaming;
    bool m_bNamesOnLoad;
    // The class of every element; null for a polymorphic collection, whose classes are listed.
    const CRuntimeClass *m_pClass;
    std::vector<const CRuntimeClass *> m_aClasses;
};

/// A collection of references to objects stored elsewhere (kind atPtrCollectionEx): one child
/// element per entry, named by the element name, whose text is the target's object name; the
/// element name is also the name map the targets are looked up in. Loading empties the
/// collection; the entries are filled in once the whole tree is read. A name that finds no
/// object (or one of another type) is reported (code 4) and dropped, so the collection never
/// holds a null entry after a load; a null entry is reported and not written on save. Names
/// read by an earlier load that was aborted before its references were resolved are dropped.
class CPtrCollectionAttribute : public CNestedAttribute
{
public:
    CPtrCollectionAttribute(std::string &&name, std::string &&elementName);

    void Save(CXmlArchive &archive) override;
    void ResolveReferences(CXmlArchive &archive) override;
    /// Each entry that is from's object becomes to's object; it is dropped when to's object is
    /// not of the element type.
    void RedirectReferences(CAttContainer *from, CAttContainer *to) override;

protected:
    /// Appends the object of target; false, appending nothing, when target is null or its
    /// object is not of the element type.
    virtual bool AppendResolved(CAttContainer *target) = 0;
    /// Replaces entry i by target's object; drops the entry when that is not of the element
    /// type.
    virtual void ReplaceAt(int i, CAttContainer *target) = 0;

    void LoadElements(CXmlArchive &archive, int first) override;

private:
    std::vector<std::string> m_aPendingNames;
    // The load (CXmlArchive::GetLoadId) that read the pending names; 0 when none are pending.
    uint64_t m_nPendingLoad = 0;
};

namespace morvane {

/// A collection attribute of class Base bound to a collection: the element access that both
/// kinds of collection attribute share.
template <class Base, class Collection> class CollectionBinding : public Base
{
public:
    template <class... BaseArguments>
    explicit CollectionBinding(Collection *collection, BaseArguments &&...arguments)
        : Base(std::forward<BaseArguments>(arguments)...)
        , m_collection(collection)
    {
    }

    int GetCount() const override { return m_collection->GetCount(); }
    CAttContainer *GetElementContainer(int i) const override
    {
        return toContainer(m_collection->GetAt(i));
    }
    void RemoveAll() override { m_collection->RemoveAll(); }

protected:
    Collection *m_collection;
};

/// CCollectionAttribute bound to a collection of type Collection: the element access; the
/// kinds add how elements are appended and deleted.
template <class Collection> class CollectionAttributeOver : public CCollectionAttribute
{
public:
    /// collection may be null for an attribute that describes the member for all objects.
    CollectionAttributeOver(Collection *collection, std::string name, std::string elementName,
                            XmlNaming naming, const CRuntimeClass *cls)
        : CCollectionAttribute(std::move(name), std::move(elementName), naming, cls)
        , m_collection(collection)
    {
    }

protected:
    void *GetCollection() const override { return m_collection; }
    int CountIn(const void *collection) const override { return of(collection).GetCount(); }
    CAttContainer *ElementIn(const void *collection, int i) const override
    {
        return toContainer(of(collection).GetAt(i));
    }
    void RemoveAllIn(void *collection) const override { of(collection).RemoveAll(); }
    void ReserveIn(void *collection, int count) const override { of(collection).Reserve(count); }

    static Collection &of(const void *collection)
    {
        return *static_cast<Collection *>(const_cast<void *>(collection));
    }

private:
    Collection *m_collection;
};

/// CCollectionAttribute over an owning collection of T.
template <class T>
class CollectionAttributeOf final : public CollectionAttributeOver<COwningCollection<T>>
{
    using Over = CollectionAttributeOver<COwningCollection<T>>;

public:
    using Over::Over;

protected:
    CAttContainer *AppendCreatedTo(void *collection, std::unique_ptr<CObject> object) const override
    {
        T *element = castTo<T>(object.get());
        CAttContainer *container = toContainer(element);
        if (container == nullptr)
            return nullptr;
        object.release();
        Over::of(collection).Add(element);
        return container;
    }
    void DeleteAtIn(void *collection, int i) const override { Over::of(collection).DeleteAt(i); }
};

/// How an owning collection of T is stored: makes its attribute over the collection at an
/// address (null for one that describes the member for all objects).
using MakeCollectionAttribute = std::unique_ptr<CCollectionAttribute> (*)(void *collection,
                                                                          std::string &&name,
                                                                          std::string &&elementName,
                                                                          XmlNaming naming,
                                                                          const CRuntimeClass *cls);

template <class T>
std::unique_ptr<CCollectionAttribute>
makeCollectionAttribute(void *collection, std::string &&name, std::string &&elementName,
                        XmlNaming naming, const CRuntimeClass *cls)
{
    return std::make_unique<CollectionAttributeOf<T>>(
        static_cast<COwningCollection<T> *>(collection), std::move(name), std::move(elementName),
        naming, cls);
}

/// CPtrCollectionAttribute over a collection of T.
template <class T>
class PtrCollectionAttributeOf final
    : public CollectionBinding<CPtrCollectionAttribute, CPtrCollection<T>>
{
public:
    PtrCollectionAttributeOf(CPtrCollection<T> *collection, std::string name,
                             std::string elementName)
        : CollectionBinding<CPtrCollectionAttribute, CPtrCollection<T>>(collection, std::move(name),
                                                                        std::move(elementName))
    {
    }

protected:
    bool AppendResolved(CAttContainer *target) override
    {
        T *element = fromContainer<T>(target);
        if (element == nullptr)
            return false;
        this->m_collection->Add(element);
        return true;
    }
    void ReplaceAt(int i, CAttContainer *target) override
    {
        this->m_collection->RemoveAt(i);
        if (T *element = fromContainer<T>(target))
            this->m_collection->InsertAt(i, element);
    }
};

} // namespace morvane
