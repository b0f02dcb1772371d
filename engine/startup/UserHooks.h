#pragma once

// Supplied by the game: UserInit runs before the window exists, sets the
// window's size and mode and may queue tasks; 0 means success.
int  UserInit();
void UserDeInit();                          // runs first at shutdown, while the window still exists
