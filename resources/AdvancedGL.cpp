#include "resources/AdvancedGL.h"

#include <cmath>
#include <cstring>

#include "engine/Window.h"
#include "resources/Mesh.h"

#include <GL/glx.h>

PFNGLGENBUFFERSARBPROC    g_glGenBuffersARB    = nullptr;
PFNGLBINDBUFFERARBPROC    g_glBindBufferARB    = nullptr;
PFNGLBUFFERDATAARBPROC    g_glBufferDataARB    = nullptr;
PFNGLDELETEBUFFERSARBPROC g_glDeleteBuffersARB = nullptr;

namespace
{

CMeshData* g_markerMesh = nullptr;          // owned here, from InitAdvancedGL to ShutdownAdvancedGL

const unsigned kMarkerSteps = 20;           // positions per circle

// The X display's own extension string is where swap control is reported
// on this platform, not GL_EXTENSIONS.
bool IsSwapControlReported()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    return IsExtensionInList(extensions, "GLX_EXT_swap_control")
        || IsExtensionInList(extensions, "GLX_MESA_swap_control")
        || IsExtensionInList(extensions, "GLX_SGI_swap_control");
}

void FetchVertexBufferProcedures()
{
    g_glGenBuffersARB    = reinterpret_cast<PFNGLGENBUFFERSARBPROC>(GetGLProcedure("glGenBuffersARB"));
    g_glBindBufferARB    = reinterpret_cast<PFNGLBINDBUFFERARBPROC>(GetGLProcedure("glBindBufferARB"));
    g_glBufferDataARB    = reinterpret_cast<PFNGLBUFFERDATAARBPROC>(GetGLProcedure("glBufferDataARB"));
    g_glDeleteBuffersARB = reinterpret_cast<PFNGLDELETEBUFFERSARBPROC>(GetGLProcedure("glDeleteBuffersARB"));
}

// 3.1714 rather than pi is the marker's own constant: each circle closes
// slightly past a full turn.
CMeshData* BuildMarkerMesh()
{
    CMeshData* marker = new CMeshData();
    marker->vertexCount = 3 * kMarkerSteps;
    marker->vertices = new float[3 * marker->vertexCount]();
    for (unsigned k = 0; k < kMarkerSteps; ++k)
    {
        const float angle = 2.0f * k * 3.1714f / kMarkerSteps;
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float circles[3][3] = {{c, s, 0}, {c, 0, s}, {0, c, s}};
        for (unsigned circle = 0; circle < 3; ++circle)
            std::memcpy(marker->vertices + 3 * (circle * kMarkerSteps + k), circles[circle], sizeof circles[circle]);
    }
    return marker;
}

} // namespace

int InitAdvancedGL()
{
    if (IsExtensionSupported("GL_ARB_vertex_buffer_object"))
        FetchVertexBufferProcedures();

    delete g_markerMesh;
    g_markerMesh = BuildMarkerMesh();

    if (!IsSwapControlReported())
        return 0;
    SetSwapInterval(g_vsync ? 1 : 0);
    return 1;
}

void ShutdownAdvancedGL()
{
    if (g_markerMesh)
        g_markerMesh->Clear();
    delete g_markerMesh;
    g_markerMesh = nullptr;
    g_glGenBuffersARB    = nullptr;
    g_glBindBufferARB    = nullptr;
    g_glBufferDataARB    = nullptr;
    g_glDeleteBuffersARB = nullptr;
}

bool IsExtensionSupported(const char* name)
{
    return IsExtensionInList(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

// An occurrence counts only between spaces or the ends of the list, so a
// name that is the prefix of a longer one is not taken for it.
bool IsExtensionInList(const char* list, const char* name)
{
    if (!list || !name || !*name || std::strchr(name, ' '))
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* found = std::strstr(list, name); found; found = std::strstr(found + length, name))
    {
        const bool starts = found == list || found[-1] == ' ';
        const bool ends = found[length] == ' ' || found[length] == '\0';
        if (starts && ends)
            return true;
    }
    return false;
}

bool HasVertexBuffers()
{
    return g_glGenBuffersARB && g_glBindBufferARB && g_glBufferDataARB && g_glDeleteBuffersARB;
}

const CMeshData* MarkerMesh()
{
    return g_markerMesh;
}
