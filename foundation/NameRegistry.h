// Morvane foundation library.
// Name lookups over a list of names, unique names, and the string array that offers both.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

/// A list of names that a CNameRegistry reads: a count, the name at an index, and whether the
/// entry at an index takes part in finds.
class INameSource
{
public:
    virtual ~INameSource() = default;
    virtual int GetCount() const = 0;
    virtual void GetAt(std::string &out, int i) const = 0;
    virtual bool IsValid(int i) const = 0;
};

/// Finds names in a name source and makes names that the source does not hold yet. Names compare
/// byte for byte, or, when not case sensitive, folding the ASCII letters only.
class CNameRegistry
{
public:
    /// Reads source, which must outlive the registry.
    explicit CNameRegistry(const INameSource &source) : m_pSource(&source) {}
    virtual ~CNameRegistry() = default;
    CNameRegistry(const CNameRegistry &) = delete;
    CNameRegistry &operator=(const CNameRegistry &) = delete;

    /// Appends to out the index of every valid entry named name; returns out's new size.
    virtual int FindAll(std::string_view name, bool caseSensitive, std::vector<int> &out) const;
    /// The first valid index named name, -1 when none.
    virtual int FindName(std::string_view name, bool caseSensitive) const;
    /// The first valid index above after named name, -1 when none.
    virtual int FindNext(std::string_view name, bool caseSensitive, int after) const;
    /// out gets one name per index of the source, valid or not; returns the count.
    virtual int GetAllNames(std::vector<std::string> &out) const;
    /// out gets the names at the given indexes (which must be in range); returns their count.
    virtual int GetNames(const std::vector<int> &indexes, std::vector<std::string> &out) const;

    /// A name that no valid entry holds, built from base and counter. The first candidate is
    /// base followed by the counter in decimal when counter >= 0, else base itself (counter then
    /// becomes 1). While a valid entry equals the candidate, the candidate becomes base followed
    /// by counter, counter goes up by one, and the scan starts again. counter is left one past
    /// the last number tried: over {Point, Point1} with counter -1, "Point" gives "Point2" and
    /// counter 3.
    std::string MakeUniqueName(std::string_view base, int &counter, bool caseSensitive) const;

private:
    bool IsMatchAt(int i, std::string_view name, bool caseSensitive) const;

    const INameSource *m_pSource;
};

/// A string array that is its own name source (every entry is valid) and carries a registry
/// bound to itself.
class CNameArray : public std::vector<std::string>, public INameSource
{
public:
    CNameArray() = default;
    CNameArray(std::initializer_list<std::string> names) : std::vector<std::string>(names) {}
    /// Copies the names; the copy's registry reads the copy.
    CNameArray(const CNameArray &other) : std::vector<std::string>(other), INameSource(other) {}
    CNameArray &operator=(const CNameArray &other);

    int GetCount() const override;
    void GetAt(std::string &out, int i) const override;
    bool IsValid(int i) const override;

    /// The first index of name, -1 when absent.
    int FindName(std::string_view name, bool caseSensitive) const;
    /// Appends each string of other that is not here yet (FindName with the given case mode),
    /// in order; a string repeated in other is appended once.
    void Merge(const std::vector<std::string> &other, bool caseSensitive);

    const CNameRegistry &GetRegistry() const { return m_oRegistry; }

private:
    CNameRegistry m_oRegistry{*this};
};
