// Morvane test support.
// Runs a test under a given process locale and restores the previous one afterwards.
#pragma once

#include <clocale>
#include <string>

#include <gtest/gtest.h>

class ScopedLocale
{
public:
    /// Sets LC_ALL to the named locale; the test fails (it never skips) when the locale is
    /// missing, since the install script provides it.
    explicit ScopedLocale(const char *name) : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        m_active = std::setlocale(LC_ALL, name) != nullptr;
        EXPECT_TRUE(m_active) << "locale " << name << " is not installed";
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

    bool isActive() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};
