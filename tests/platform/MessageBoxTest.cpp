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
    ScratchFolder tools{"tw_platform"};
    writeFakeTool(tools.dir(), "zenity");
    ScopedEnv path("PATH", tools.path().c_str());
    ScopedEnv display("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);

    ::testing::internal::CaptureStderr();
    MessageBox::show("ERROR: OpenGL initialisation failed. Exiting.", "Critical Error");
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Critical Error: ERROR: OpenGL initialisation failed. Exiting."), std::string::npos);
    EXPECT_FALSE(fs::exists(tools.dir() / "zenity.args"));
}

TEST(MessageBox, DialogShowsTheTextExactlyThroughZenity)
{
    ScratchFolder tools{"tw_platform"};
    writeFakeTool(tools.dir(), "zenity");
    writeFakeTool(tools.dir(), "xmessage");
    ScopedEnv path("PATH", tools.path().c_str());
    ScopedEnv display("DISPLAY", ":77");

    ::testing::internal::CaptureStderr();
    MessageBox::show("a <b> & 'c' $HOME", "Critical Error");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readTextFile(tools.dir() / "zenity.args"),
              "--info\n--no-markup\n--title=Critical Error\n--text=a <b> & 'c' $HOME\n");
    EXPECT_FALSE(fs::exists(tools.dir() / "xmessage.args"));
}

TEST(MessageBox, XmessageServesWhenZenityIsMissing)
{
    ScratchFolder tools{"tw_platform"};
    writeFakeTool(tools.dir(), "xmessage");
    ScopedEnv path("PATH", tools.path().c_str());
    ScopedEnv display("DISPLAY", ":77");

    ::testing::internal::CaptureStderr();
    MessageBox::show("-oops", "Title");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readTextFile(tools.dir() / "xmessage.args"),
              "-center\n-title\nTitle\n-buttons\nOK:0\n -oops\n");
}
