#include <cstdio>

#include "engine/Log.h"
#include "resources/File.h"
#include "resources/Texture.h"

// Reads one picture as the game's "tga" loader does, the whole file and then
// the TGA reader, and writes the reader's lines to standard output. Exit code
// 0 when the picture decoded, 1 when it was refused, 2 when the file could
// not be read. bench/tga-peak-memory.sh runs it under /usr/bin/time -v.
int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s picture.tga\n", argv[0]);
        return 2;
    }
    g_generalLog.Open("/dev/stdout");
    CFile file;
    if (!file.Open(argv[1]))
        return 2;
    CTextureData picture;
    if (!ReadTGA(file, picture))
        return 1;
    std::printf("decoded %u by %u pixels\n", picture.width, picture.height);
    return 0;
}
