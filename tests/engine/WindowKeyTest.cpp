#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "engine/Window.h"

// The keys the game answers to are pressed in the end-to-end tests; here the
// keys at the edges of the translation and those it has no code for.
TEST(WindowKeyTest, KeysTakeTheEngineCodesAndARepeatCountsAsAPress)
{
    const int keys[][2] = {{GLFW_KEY_SPACE, 32},   {GLFW_KEY_KP_0, 302},    {GLFW_KEY_UP, 283},
                           {GLFW_KEY_UNKNOWN, -1}, {GLFW_KEY_WORLD_1, -1}, {GLFW_KEY_PRINT_SCREEN, -1}};
    for (const auto& key : keys)
        EXPECT_EQ(TranslateKey(key[0]), key[1]) << "key " << key[0];
    EXPECT_EQ(TranslateKeyAction(GLFW_PRESS), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_REPEAT), 1);
    EXPECT_EQ(TranslateKeyAction(GLFW_RELEASE), 0);
}
