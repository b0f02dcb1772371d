#pragma once

// The engine's key codes, which every key map binds and the window glue
// translates to. A printable key is its upper-case character; the special keys
// start at 257 and are numbered as the engine's first windowing library
// numbered them, which the key bindings were written against.

namespace Keys
{

// The printable keys bound by name; any other printable key is its character too.
const int Digit1 = '1';
const int D      = 'D';
const int S      = 'S';

// The special keys, numbered on from 257.
const int Escape = 257;
const int F1 = 258, F2 = 259, F3 = 260, F4 = 261, F5 = 262, F6 = 263, F7 = 264, F8 = 265, F9 = 266;
const int F10 = 267, F11 = 268, F12 = 269, F13 = 270, F14 = 271, F15 = 272, F16 = 273, F17 = 274;
const int F18 = 275, F19 = 276, F20 = 277, F21 = 278, F22 = 279, F23 = 280, F24 = 281, F25 = 282;
const int Up = 283, Down = 284, Left = 285, Right = 286;
const int LeftShift = 287, RightShift = 288, LeftControl = 289, RightControl = 290;
const int LeftAlt = 291, RightAlt = 292;
const int Tab = 293, Enter = 294, Backspace = 295, Insert = 296, Delete = 297;
const int PageUp = 298, PageDown = 299, Home = 300, End = 301;
const int Pad0 = 302, Pad1 = 303, Pad2 = 304, Pad3 = 305, Pad4 = 306, Pad5 = 307, Pad6 = 308, Pad7 = 309;
const int Pad8 = 310, Pad9 = 311;
const int PadDivide = 312, PadMultiply = 313, PadSubtract = 314, PadAdd = 315, PadDecimal = 316;
const int PadEqual = 317, PadEnter = 318;
const int NumLock = 319, CapsLock = 320, ScrollLock = 321, Pause = 322;
const int LeftSuper = 323, RightSuper = 324, Menu = 325;

} // namespace Keys
