#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

// Runs a check in a child process of its own and expects it to pass: a
// window's connection to its private X server must not outlive that server in
// the test program. The check returns an empty text, or what went wrong.
inline void expectPassesInOwnProcess(const std::function<std::string()>& check)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string error = check();
            if (!error.empty())
                std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(error.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
