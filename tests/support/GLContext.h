#pragma once

// Opens one hidden window with a current OpenGL context for the tests of a
// process that draw or upload; later calls reuse it. False when there is no
// display to open it on.
bool OpenTestContext(int width = 64, int height = 64);
