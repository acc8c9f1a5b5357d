#include "cocos2d.h"
#include "platform/GLFWKeyTable.h"
#include <gtest/gtest.h>

USING_NS_CC;

namespace {
int code(int glfwKey)
{
    return static_cast<int>(keyCodeFromGLFW(glfwKey));
}
}

TEST(KeyTableTest, GameKeysHaveTheirNumbers)
{
    EXPECT_EQ(code(GLFW_KEY_ESCAPE), 6);
    EXPECT_EQ(code(GLFW_KEY_BACKSPACE), 7);
    EXPECT_EQ(code(GLFW_KEY_TAB), 8);
    EXPECT_EQ(code(GLFW_KEY_LEFT_SHIFT), 12);
    EXPECT_EQ(code(GLFW_KEY_RIGHT_SHIFT), 12);
    EXPECT_EQ(code(GLFW_KEY_DELETE), 20);
    EXPECT_EQ(code(GLFW_KEY_LEFT), 23);
    EXPECT_EQ(code(GLFW_KEY_RIGHT), 24);
    EXPECT_EQ(code(GLFW_KEY_UP), 25);
    EXPECT_EQ(code(GLFW_KEY_DOWN), 26);
    EXPECT_EQ(code(GLFW_KEY_KP_ADD), 28);
    EXPECT_EQ(code(GLFW_KEY_KP_SUBTRACT), 29);
    EXPECT_EQ(code(GLFW_KEY_ENTER), 32);
    EXPECT_EQ(code(GLFW_KEY_KP_ENTER), 32);
    EXPECT_EQ(code(GLFW_KEY_PAGE_UP), 35);
    EXPECT_EQ(code(GLFW_KEY_PAGE_DOWN), 41);
    EXPECT_EQ(code(GLFW_KEY_SPACE), 56);
    EXPECT_EQ(code(GLFW_KEY_COMMA), 69);
    EXPECT_EQ(code(GLFW_KEY_PERIOD), 71);
    EXPECT_EQ(code(GLFW_KEY_BACKSLASH), 117);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(code(GLFW_KEY_F1 + i), 44 + i);
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(code(GLFW_KEY_0 + i), 73 + i);
        EXPECT_EQ(code(GLFW_KEY_KP_0 + i), 73 + i);
    }
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(code(GLFW_KEY_A + i), 121 + i);
    EXPECT_EQ(code(GLFW_KEY_F13), 0);
    EXPECT_EQ(code(-1), 0);
}

TEST(KeyTableTest, EnumerationMatchesTheNumberingTheGameTests)
{
    using K = EventKeyboard::KeyCode;
    EXPECT_EQ(static_cast<int>(K::KEY_RETURN), 10);
    EXPECT_EQ(static_cast<int>(K::KEY_ENTER), 32);
    EXPECT_EQ(static_cast<int>(K::KEY_KP_ENTER), 161);
    EXPECT_EQ(static_cast<int>(K::KEY_PG_UP), 35);
    EXPECT_EQ(static_cast<int>(K::KEY_PG_DOWN), 41);
    EXPECT_EQ(static_cast<int>(K::KEY_D), 124);
    EXPECT_EQ(static_cast<int>(K::KEY_Q), 137);
    EXPECT_EQ(static_cast<int>(K::KEY_Z), 146);
}
