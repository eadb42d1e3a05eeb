// Morvane test support.
// EXPECT_THROW alone passes on the wrong error; this checks the type and part of the message.
#pragma once

#include <string>

#include <gtest/gtest.h>

#define EXPECT_THROW_MSG(statement, exceptionType, messagePart)                                    \
    do {                                                                                           \
        bool caught_ = false;                                                                      \
        try {                                                                                      \
            statement;                                                                             \
        } catch (const exceptionType &error_) {                                                    \
            caught_ = true;                                                                        \
            EXPECT_NE(std::string(error_.what()).find(messagePart), std::string::npos)             \
                << "message: " << error_.what();                                                   \
        }                                                                                          \
        EXPECT_TRUE(caught_) << #statement " did not throw " #exceptionType;                      \
    } while (false)
