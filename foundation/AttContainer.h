// Morvane foundation library.
// The stored part of every model object: its members registered as XML attributes, in order.
#pragma once

#include "foundation/MemberName.h"
#include "foundation/PendingReferences.h"
#include "foundation/PtrCollection.h"
#include "foundation/SharedCollectionAttribute.h"
#include "foundation/SharedReferenceAttribute.h"
#include "foundation/SharedValueAttribute.h"
#include "foundation/XmlCollectionAttributes.h"
#include "foundation/XmlNameMap.h"
#include "foundation/XmlObjectAttributes.h"
#include "foundation/XmlValueAttributes.h"

#include <cassert>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CClassRegistry;
class CXmlArchive;
class CRuntimeClass;

namespace morvane {
class AttributeLayout;
}

/// The stored part of a model object. The object registers its members in its constructor, in
/// the order they are to appear in the file (base-class members first); each registration
/// returns the attribute's index. The presence (default Required) and form (default Element)
/// are as morvane::XmlPresence and morvane::XmlForm describe. A member must hold its initial
/// value when it is registered: that is its "value at registration" for XmlPresence::WhenSet.
/// A member's name, and the element name of its collection or reference, are constant texts
/// (morvane::MemberName), as the file's names are.
///
/// A mask point, for instance, declares its keys so:
/// ```
/// CMaskPoint::CMaskPoint()
/// {
///     AddIntAttribute(&m_eGradeType, "GradeType");
///     AddIntAttribute(&m_nPointId, "Id", XmlPresence::WhenSet);   // absent while -1
///     AddDoubleAttribute(&m_dX, "x");
///     AddDoubleAttribute(&m_dY, "y");
/// }
/// ```
/// and a pattern its collections and references:
/// ```
///     AddClassCollectionAttribute(&m_oBasePoints, "BasePoints", "BasePoint",
///                                 CMaskPoint::GetThisClass(), XmlNaming::Numbered);
///     AddPtrCollectionAttribute(&m_oMarkPoints, "MarkPoints", "BasePoint",
///                               XmlPresence::WhenSet);
///     AddPtrAttribute(&m_pStartPoint, "StartContPoint", "BasePoint", XmlPresence::ReadOnly);
/// ```
///
/// Loading (LoadAttributes, on the archive's current element) takes the attributes in order,
/// each from the first child element of its name at or after the position the previous one
/// reached, so child elements must come in registration order; unknown elements between them
/// are skipped. A required attribute that is missing is reported (code 0) and the member keeps
/// its value, unless the report is answered Abort. Saving writes the attributes in order.
///
/// The container owns its attributes. It is not copyable: its attributes point at the members
/// of this object.
///
/// Objects of one class register the same members at the same places with the same values:
/// value members (strings, integers, unsigned values, booleans, doubles), references and owning
/// collections of one class of elements are described once for all of them
/// (morvane::AttributeLayout) and cost an object nothing of its own. An object
/// gets attributes of its own for them when one is asked for (GetAttribute, GetAttributeAt) or
/// an extra attribute is removed; it then behaves as before, and what is done through the
/// attribute (SetPresence, ...) concerns this object alone. Other members always have
/// attributes of the object's own.
class CAttContainer
{
public:
    CAttContainer();
    virtual ~CAttContainer();
    CAttContainer(const CAttContainer &) = delete;
    CAttContainer &operator=(const CAttContainer &) = delete;

    /// Loads every attribute from the archive's current element; true.
    virtual bool LoadAttributes(CXmlArchive &archive);
    /// Saves every attribute that must be saved into the archive's current element.
    virtual void SaveAttributes(CXmlArchive &archive);
    /// Before saving: names the elements of named collections, through the whole tree below.
    virtual void RegisterNames(CXmlArchive &archive);
    /// After loading the whole tree: resolves the references of every attribute, through the
    /// whole tree below, then calls OnReferencesResolved().
    virtual void ResolveReferences(CXmlArchive &archive);
    /// Called last by ResolveReferences, once this object's references are resolved: the place
    /// for work after a load. Empty here.
    virtual void OnReferencesResolved();
    /// Points every reference of this object and of the objects it stores (collections and
    /// embedded objects, through the whole tree below) that points at from's object at to's
    /// object instead: used when one stored object replaces another.
    void RedirectReferences(CAttContainer *from, CAttContainer *to);
    /// Enters this object in map under GetObjectName(); a nameless object is not entered.
    void RegisterName(CXmlNameMap &map, CXmlArchive &archive);
    /// Whether any attribute must be saved.
    bool HasAttributesToSave() const;

    /// Saves the object as the root element rootName of a new document written to the file
    /// (through a temporary file renamed over it). Returns 0, or 1 when the file could not be
    /// written, with the reason in error when given.
    int SaveToFile(const std::filesystem::path &fileName, const std::string &rootName,
                   std::string *error = nullptr);
    /// Loads the object from the file, whose root element must be rootName (through a temporary
    /// archive; load problems inside the document go to the error reporter as for any load).
    /// Returns 0, or 1 when the file cannot be read, is not a well-formed document, has another
    /// root element or the load was aborted, with the reason in error when given.
    int LoadFromFile(const std::filesystem::path &fileName, const std::string &rootName,
                     std::string *error = nullptr);

    int AddStringAttribute(std::string *member, morvane::MemberName name,
                           morvane::XmlPresence presence = morvane::XmlPresence::Required,
                           morvane::XmlForm form = morvane::XmlForm::Element);
    /// An integer or enumeration member whose values fit an int.
    template <class T>
    int AddIntAttribute(T *member, morvane::MemberName name,
                        morvane::XmlPresence presence = morvane::XmlPresence::Required,
                        morvane::XmlForm form = morvane::XmlForm::Element)
    {
        // The value at registration is read here, where the member's type is known.
        return AddIntMember(member, static_cast<int>(*member), morvane::intMemberAccess<T>(), name,
                            presence, form);
    }
    int AddDwordAttribute(uint32_t *member, morvane::MemberName name,
                          morvane::XmlPresence presence = morvane::XmlPresence::Required,
                          morvane::XmlForm form = morvane::XmlForm::Element);
    int AddBoolAttribute(bool *member, morvane::MemberName name,
                         morvane::XmlPresence presence = morvane::XmlPresence::Required,
                         morvane::XmlForm form = morvane::XmlForm::Element);
    /// precision as CDoubleAttribute: 1 to 7 decimals, anything else "%f".
    int AddDoubleAttribute(double *member, morvane::MemberName name,
                           morvane::XmlPresence presence = morvane::XmlPresence::Required,
                           morvane::XmlForm form = morvane::XmlForm::Element, int precision = 3);

    /// A reference to an object of a named collection of targetElementName (CPtrAttribute).
    template <class T>
    int AddPtrAttribute(T **member, morvane::MemberName name, morvane::MemberName targetElementName,
                        morvane::XmlPresence presence = morvane::XmlPresence::Required,
                        morvane::XmlForm form = morvane::XmlForm::Element)
    {
        return AddReferenceMember({name, targetElementName, presence, form}, member,
                                  morvane::ptrMemberAccess<T>());
    }

    /// An embedded object (a member of this object) with attributes of its own.
    int AddContainerAttribute(CAttContainer *embedded, std::string name,
                              morvane::XmlPresence presence = morvane::XmlPresence::Required,
                              morvane::XmlForm form = morvane::XmlForm::Element);

    /// A polymorphic owning collection: each element carries "ClassName"; its classes are
    /// added with AddCollectionClass or AddCollectionClasses.
    template <class T>
    int AddCollectionAttribute(COwningCollection<T> *collection, morvane::MemberName name,
                               morvane::MemberName elementName,
                               morvane::XmlNaming naming = morvane::XmlNaming::None,
                               morvane::XmlPresence presence = morvane::XmlPresence::Required,
                               morvane::XmlForm form = morvane::XmlForm::Element)
    {
        return AddClassCollectionAttribute(collection, name, elementName, nullptr, naming, presence,
                                           form);
    }
    /// An owning collection whose elements are all created from cls (no "ClassName" written);
    /// cls null makes it polymorphic, as AddCollectionAttribute.
    template <class T>
    int AddClassCollectionAttribute(COwningCollection<T> *collection, morvane::MemberName name,
                                    morvane::MemberName elementName, const CRuntimeClass *cls,
                                    morvane::XmlNaming naming = morvane::XmlNaming::None,
                                    morvane::XmlPresence presence = morvane::XmlPresence::Required,
                                    morvane::XmlForm form = morvane::XmlForm::Element)
    {
        if (cls == nullptr)
            return AddAttribute(
                std::make_unique<morvane::CollectionAttributeOf<T>>(
                    collection, std::string(name), std::string(elementName), naming, cls),
                presence, form);
        return AddCollectionMember({name, elementName, naming, cls, presence, form}, collection,
                                   &morvane::makeCollectionAttribute<T>);
    }
    /// Appends cls to the class list of the polymorphic collection attribute of that name.
    void AddCollectionClass(std::string_view attributeName, const CRuntimeClass *cls);
    /// Appends every class of the registry, in registration order.
    void AddCollectionClasses(std::string_view attributeName, const CClassRegistry &registry);

    /// A collection of references to objects of named collections of elementName; it must be a
    /// plain collection, never an owning one.
    template <class T>
    int AddPtrCollectionAttribute(CPtrCollection<T> *collection, std::string name,
                                  std::string elementName,
                                  morvane::XmlPresence presence = morvane::XmlPresence::Required,
                                  morvane::XmlForm form = morvane::XmlForm::Element)
    {
        assert(dynamic_cast<COwningCollection<T> *>(collection) == nullptr &&
               "a reference collection must not own its elements");
        return AddAttribute(std::make_unique<morvane::PtrCollectionAttributeOf<T>>(
                                collection, std::move(name), std::move(elementName)),
                            presence, form);
    }

    /// Appends an attribute with the given presence and form; returns its index.
    int AddAttribute(std::unique_ptr<CXmlAttribute> attribute, morvane::XmlPresence presence,
                     morvane::XmlForm form);
    /// Sets whether loading enters the elements of the collection attribute at index in the
    /// name map.
    void SetAttributeOption(int index, bool namesOnLoad);
    /// Makes the string attribute of that (registered) name the name attribute: its value is
    /// then the object's name.
    void SetNameAttribute(std::string_view name);

    /// The index of the attribute of that name (exact compare); -1 when none.
    int FindAttribute(std::string_view name) const;
    /// The attribute of that name; null when none.
    CXmlAttribute *GetAttribute(std::string_view name) const;
    int GetAttributeCount() const;
    /// The attribute at index. A member described with the other objects of the class gets an
    /// attribute of this object first (see the class comment), so that what is done through it
    /// concerns this object alone.
    CXmlAttribute *GetAttributeAt(int index) const;

    /// The value of the name attribute if there is one, else the stored name.
    std::string GetObjectName() const;
    /// Sets the stored name (used when there is no name attribute).
    void SetObjectName(std::string name);
    /// The runtime class name of the object ("ClassName" in files); the object must be a
    /// CObject.
    std::string_view GetClassName() const;

    /// Adds an extra string attribute owning an empty string, when no attribute of that name
    /// exists; false (nothing changes) otherwise.
    bool AddExtraAttribute(std::string name,
                           morvane::XmlPresence presence = morvane::XmlPresence::Required,
                           morvane::XmlForm form = morvane::XmlForm::Element);
    /// Removes the extra attribute of that name; other attributes are left.
    void RemoveExtraAttribute(std::string_view name);
    /// The value of the extra attribute of that name; empty when there is none.
    std::string GetExtraAttribute(std::string_view name) const;
    /// Sets the value of the extra attribute of that name, if there is one.
    void SetExtraAttribute(std::string_view name, std::string_view value);

private:
    int AddIntMember(void *member, int value, const morvane::IntMemberAccess &access,
                     morvane::MemberName name, morvane::XmlPresence presence,
                     morvane::XmlForm form);
    int AddValue(morvane::ValueRegistration &registration, const void *member);
    // AddValue for a member that no layout can share.
    int AddOwnValue(const morvane::ValueRegistration &registration);
    // Registrations are taken by reference: copying one into the argument area (wide loads of
    // fields just stored narrow) stalls every object's constructor.
    int AddCollectionMember(morvane::CollectionRegistration &&registration, void *collection,
                            morvane::MakeCollectionAttribute make);
    int AddReferenceMember(morvane::ReferenceRegistration &&registration, void *member,
                           const morvane::PtrMemberAccess &access);
    // Where shared references keep the names they read until they are resolved.
    friend class morvane::SharedReferenceAttribute;
    morvane::PendingReferences &GetPendingReferences() { return m_oPendingReferences; }
    ptrdiff_t OffsetOf(const void *member) const
    {
        return static_cast<ptrdiff_t>(reinterpret_cast<uintptr_t>(member) -
                                      reinterpret_cast<uintptr_t>(this));
    }
    // Calls ownAction for each attribute of the object's own and sharedAction for each shared
    // member, in registration order; linksOnly passes by the shared values, which neither name
    // objects nor refer to them.
    template <class OwnAction, class SharedAction>
    void ForEachAttribute(OwnAction ownAction, SharedAction sharedAction, bool linksOnly = false);
    int AppendOwnAttribute(std::unique_ptr<CXmlAttribute> attribute);
    // Gives every member an attribute of this object's own, shared members included.
    void UseOwnAttributes() const;
    bool LoadFromChild(CXmlArchive &archive, CXmlAttribute &attribute, int &position);
    void LoadAttribute(CXmlArchive &archive, CXmlAttribute &attribute, int &position);
    void LoadShared(CXmlArchive &archive, const morvane::SharedAttribute &shared, int &position);
    void SaveAttribute(CXmlArchive &archive, CXmlAttribute &attribute);
    CStringAttribute *FindExtraAttribute(std::string_view name) const;

    // The members registered so far, shared with the objects that registered the same; null
    // once the object has an attribute of its own for every member. Changed by const
    // GetAttributeAt, which hands out an attribute of this object.
    mutable const morvane::AttributeLayout *m_pLayout;
    // With a layout: the attributes of the layout's own entries, in order; without: all.
    mutable std::vector<std::unique_ptr<CXmlAttribute>> m_aAttributes;
    // The name attribute: a shared value while there is a layout, else an own attribute.
    mutable const morvane::SharedValueAttribute *m_pSharedName = nullptr;
    mutable CXmlValueAttribute *m_pNameAttribute = nullptr;
    // The names read by shared references, from their load to their resolution.
    morvane::PendingReferences m_oPendingReferences;
    std::string m_sName;
};
