#include "fuzz/FuzzInput.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace
{

// One memory file for the process, rewritten for every input.
int MemoryFile()
{
    static const int descriptor = memfd_create("fuzz-input", 0);
    if (descriptor < 0)
        std::abort();
    return descriptor;
}

} // namespace

const std::string& FuzzInputFile(const std::uint8_t* data, std::size_t size)
{
    static const std::string name = "/proc/self/fd/" + std::to_string(MemoryFile());
    const int descriptor = MemoryFile();
    if (ftruncate(descriptor, 0) != 0 || pwrite(descriptor, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    return name;
}
