#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "engine/Window.h"

TEST(WindowKeyTest, PrintableKeysKeepTheirUpperCaseCode)
{
    EXPECT_EQ(TranslateKey(GLFW_KEY_1), 49);
    EXPECT_EQ(TranslateKey(GLFW_KEY_5), 53);
    EXPECT_EQ(TranslateKey(GLFW_KEY_D), 68);
    EXPECT_EQ(TranslateKey(GLFW_KEY_S), 83);
    EXPECT_EQ(TranslateKey(GLFW_KEY_SPACE), 32);
}

TEST(WindowKeyTest, SpecialKeysTakeTheEngineCodes)
{
    EXPECT_EQ(TranslateKey(GLFW_KEY_ESCAPE), 257);
    EXPECT_EQ(TranslateKey(GLFW_KEY_KP_0), 302);
    EXPECT_EQ(TranslateKey(GLFW_KEY_KP_1), 303);
    EXPECT_EQ(TranslateKey(GLFW_KEY_KP_3), 305);
    EXPECT_EQ(TranslateKey(GLFW_KEY_KP_5), 307);
    EXPECT_EQ(TranslateKey(GLFW_KEY_ENTER), 294);
    EXPECT_EQ(TranslateKey(GLFW_KEY_UP), 283);
}

TEST(WindowKeyTest, KeysWithoutAnEngineCodeAreDropped)
{
    EXPECT_EQ(TranslateKey(GLFW_KEY_UNKNOWN), -1);
    EXPECT_EQ(TranslateKey(GLFW_KEY_WORLD_1), -1);
    EXPECT_EQ(TranslateKey(GLFW_KEY_PRINT_SCREEN), -1);
}

TEST(WindowKeyTest, ARepeatCountsAsAPress)
{
    EXPECT_EQ(TranslateKeyAction(GLFW_PRESS), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_REPEAT), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_RELEASE), 0);
}
