// Morvane program tests.
// The application made from a command line, with a configuration folder of its own.
#pragma once

#include "TemporaryFolder.h"
#include "app/program/MorvaneApp.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

/// An application made from a command line, with a fresh configuration folder.
class ProgramTest : public ::testing::Test
{
protected:
    ~ProgramTest() override
    {
        if (m_app)
            m_app->ExitInstance();
    }

    CMorvaneApp &start(std::vector<std::string> arguments)
    {
        setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
        m_arguments = {"morvane"};
        m_argv.clear();
        m_arguments.insert(m_arguments.end(), arguments.begin(), arguments.end());
        for (std::string &argument : m_arguments)
            m_argv.push_back(argument.data());
        m_argc = static_cast<int>(m_argv.size());
        m_app = std::make_unique<CMorvaneApp>(m_argc, m_argv.data());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(m_config.path().string()));
        return *m_app;
    }

    TemporaryFolder m_config{"program"};
    std::vector<std::string> m_arguments;
    std::vector<char *> m_argv;
    int m_argc = 0;
    std::unique_ptr<CMorvaneApp> m_app;
};
