// Morvane program tests.
// The program started on the shirt example, as the README's first command starts it.
#pragma once

#include "ProgramTest.h"
#include "ShirtExample.h"

#include <filesystem>

/// A program test that writes the shirt example, with its options in the configuration folder.
class ExampleProgramTest : public ProgramTest
{
protected:
    /// The application made on the example's folder; InitInstance is the caller's.
    CMorvaneApp &startOnExample()
    {
        example::writeShirtExample(m_shirt.path());
        std::filesystem::create_directories(m_config / "morvane");
        std::filesystem::copy_file(m_shirt / example::kOptionsFile,
                                   m_config / "morvane" / example::kOptionsFile);
        return start({"-p" + m_shirt.path().string()});
    }

    TemporaryFolder m_shirt{"shirt"};
};
