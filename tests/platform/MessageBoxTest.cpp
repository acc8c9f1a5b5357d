#include "PlatformTestSupport.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A stand-in dialog program that writes its arguments, one a line, to <folder>/<name>.args.
void writeFakeTool(const fs::path& folder, const std::string& name)
{
    const fs::path script = folder / name;
    writeTextFile(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
    chmod(script.c_str(), 0755);
}

} // namespace

TEST(MessageBox, TextGoesToStderrWithoutADisplay)
{
    TempFolder tools;
    writeFakeTool(tools.path(), "zenity");
    ScopedEnv path("PATH", tools.str().c_str());
    ScopedEnv display("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);

    ::testing::internal::CaptureStderr();
    MessageBox::show("ERROR: OpenGL initialisation failed. Exiting.", "Critical Error");
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Critical Error: ERROR: OpenGL initialisation failed. Exiting."), std::string::npos);
    EXPECT_FALSE(fs::exists(tools.path() / "zenity.args"));
}

TEST(MessageBox, DialogShowsTheTextExactlyThroughZenity)
{
    TempFolder tools;
    writeFakeTool(tools.path(), "zenity");
    writeFakeTool(tools.path(), "xmessage");
    ScopedEnv path("PATH", tools.str().c_str());
    ScopedEnv display("DISPLAY", ":77");

    ::testing::internal::CaptureStderr();
    MessageBox::show("a <b> & 'c' $HOME", "Critical Error");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readTextFile(tools.path() / "zenity.args"),
              "--info\n--no-markup\n--title=Critical Error\n--text=a <b> & 'c' $HOME\n");
    EXPECT_FALSE(fs::exists(tools.path() / "xmessage.args"));
}

TEST(MessageBox, XmessageServesWhenZenityIsMissing)
{
    TempFolder tools;
    writeFakeTool(tools.path(), "xmessage");
    ScopedEnv path("PATH", tools.str().c_str());
    ScopedEnv display("DISPLAY", ":77");

    ::testing::internal::CaptureStderr();
    MessageBox::show("-oops", "Title");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readTextFile(tools.path() / "xmessage.args"),
              "-center\n-title\nTitle\n-buttons\nOK:0\n -oops\n");
}
