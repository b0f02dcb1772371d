#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "engine/Window.h"

TEST(WindowKeyTest, KeysTakeTheEngineCodesAndARepeatCountsAsAPress)
{
    const int keys[][2] = {
        {GLFW_KEY_1, 49},        {GLFW_KEY_5, 53},       {GLFW_KEY_D, 68},          {GLFW_KEY_S, 83},
        {GLFW_KEY_SPACE, 32},    {GLFW_KEY_ESCAPE, 257}, {GLFW_KEY_KP_0, 302},      {GLFW_KEY_KP_1, 303},
        {GLFW_KEY_KP_3, 305},    {GLFW_KEY_KP_5, 307},   {GLFW_KEY_ENTER, 294},     {GLFW_KEY_UP, 283},
        {GLFW_KEY_UNKNOWN, -1},  {GLFW_KEY_WORLD_1, -1}, {GLFW_KEY_PRINT_SCREEN, -1},
    };
    for (const auto& key : keys)
        EXPECT_EQ(TranslateKey(key[0]), key[1]) << "key " << key[0];
    EXPECT_EQ(TranslateKeyAction(GLFW_PRESS), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_REPEAT), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_RELEASE), 0);
}
