#pragma once

#include <cstdint>

// Files are opened by relative path from the working directory; there is
// nothing to prepare, so this always succeeds.
std::int16_t FileSystemInit(int argument);
