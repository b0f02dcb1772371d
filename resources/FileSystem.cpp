#include "resources/FileSystem.h"

std::int16_t FileSystemInit(int)
{
    return 0;
}
