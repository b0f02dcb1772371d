#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Hands one fuzz input to the decoders, which read only named files: the
// bytes go into an in-memory file, and the returned name opens them.
const std::string& FuzzInputFile(const std::uint8_t* data, std::size_t size);
