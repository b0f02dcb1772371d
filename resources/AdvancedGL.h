#pragma once

#include <GL/gl.h>

class CMeshData;

// The OpenGL set-up that needs a current context, done once at start-up: the
// vertex-buffer entry points, the swap interval, and the marker mesh that
// list-drawn meshes show around their origin.

// The buffer entry points and the marker mesh serve only the mesh drawing, which the game never uses.
extern PFNGLGENBUFFERSARBPROC    g_glGenBuffersARB;     // null unless GL_ARB_vertex_buffer_object is reported
extern PFNGLBINDBUFFERARBPROC    g_glBindBufferARB;     // likewise
extern PFNGLBUFFERDATAARBPROC    g_glBufferDataARB;     // likewise
extern PFNGLDELETEBUFFERSARBPROC g_glDeleteBuffersARB;  // likewise

// 1 when the swap interval was set (to 1 if g_vsync is non-zero, else 0);
// 0 when the display reports no swap control.
int  InitAdvancedGL();
void ShutdownAdvancedGL();                  // frees the marker mesh; before the context goes

bool IsExtensionSupported(const char* name);                // a whole word of GL_EXTENSIONS
bool IsExtensionInList(const char* list, const char* name); // a whole word of a space-separated list
bool HasVertexBuffers();                    // all four buffer entry points are there
const CMeshData* MarkerMesh();              // three unit circles; null outside Init..Shutdown
