#pragma once

// Builds every screen of the game under the root and opens the main menu.
// Runs as a task, once the window and its OpenGL context exist.
void BuildMenus();
