#include "resources/AdvancedGL.h"
#include "resources/Mesh.h"

#include "engine/Log.h"

CMeshObject::CMeshObject() : m_draw(nullptr), m_list(0), m_indexBuffer(0), m_mode(MeshDisplayList)
{
}

CMeshObject::~CMeshObject()
{
    if (m_mode == MeshDisplayList && m_list)
        glDeleteLists(m_list, 1);
    // Once the extension set-up is shut down the buffers go with the context.
    if (m_mode == MeshVertexBuffers && g_glDeleteBuffersARB)
    {
        g_glDeleteBuffersARB(1, &m_list);
        g_glDeleteBuffersARB(1, &m_indexBuffer);
    }
    m_data.Clear();
}

// The file name goes unused: a display list that cannot be made says nothing
// about the file.
bool CMeshObject::Create(const MeshOptions& options, const std::string&)
{
    m_mode = options.mode;
    if (m_mode == MeshVertexBuffers && !HasVertexBuffers())
        m_mode = MeshClientArrays;

    if (m_mode == MeshDisplayList)
    {
        m_list = glGenLists(1);
        if (!m_list)
        {
            g_engineLog.SetLevel(Error);
            g_engineLog << "Couldn't create display list";
            g_engineLog.Commit();
            return false;
        }
        glNewList(m_list, GL_COMPILE);
        glBegin(GL_TRIANGLES);
        for (std::uint32_t index = 0; index < 3 * m_data.faceCount; ++index)
        {
            const std::uint16_t vertex = m_data.faces[index];
            if (m_data.normals)
                glNormal3fv(m_data.normals + 3 * vertex);
            glVertex3fv(m_data.vertices + 3 * vertex);
        }
        glEnd();
        glEndList();
        m_draw = DrawList;
    }
    else if (m_mode == MeshVertexBuffers)
    {
        g_glGenBuffersARB(1, &m_list);
        g_glBindBufferARB(GL_ARRAY_BUFFER_ARB, m_list);
        g_glBufferDataARB(GL_ARRAY_BUFFER_ARB, 12 * m_data.vertexCount, m_data.vertices, GL_DYNAMIC_DRAW_ARB);
        g_glGenBuffersARB(1, &m_indexBuffer);
        g_glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, m_indexBuffer);
        g_glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 6 * m_data.faceCount, m_data.faces, GL_DYNAMIC_DRAW_ARB);
        // A bound array buffer would turn every later client pointer into an offset.
        g_glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
        g_glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
        m_draw = DrawBuffers;
    }
    else if (m_mode == MeshClientArrays)
        m_draw = DrawArrays;
    else
        m_draw = DrawImmediate;
    return true;
}

void CMeshObject::Draw() const
{
    if (m_draw)
        m_draw(*this);
}

void CMeshObject::DrawList(const CMeshObject& mesh)
{
    glCallList(mesh.m_list);
    const CMeshData* marker = MarkerMesh();
    if (!marker)
        return;
    const GLsizei third = static_cast<GLsizei>(marker->vertexCount / 3);
    glDisable(GL_LIGHTING);
    glLineWidth(1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, marker->vertices);
    glDrawArrays(GL_LINE_LOOP, 0, third);
    glDrawArrays(GL_LINE_LOOP, third, third);
    glDrawArrays(GL_LINE_LOOP, 2 * third, third);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void CMeshObject::DrawBuffers(const CMeshObject& mesh)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    g_glBindBufferARB(GL_ARRAY_BUFFER_ARB, mesh.m_list);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    g_glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, mesh.m_indexBuffer);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3 * mesh.m_data.faceCount), GL_UNSIGNED_SHORT, nullptr);
    glDisableClientState(GL_VERTEX_ARRAY);
    g_glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    g_glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
}

void CMeshObject::DrawArrays(const CMeshObject& mesh)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.m_data.vertices);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3 * mesh.m_data.faceCount), GL_UNSIGNED_SHORT,
                   mesh.m_data.faces);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void CMeshObject::DrawImmediate(const CMeshObject& mesh)
{
    glBegin(GL_TRIANGLES);
    for (std::uint32_t index = 0; index < 3 * mesh.m_data.faceCount; ++index)
        glVertex3fv(mesh.m_data.vertices + 3 * mesh.m_data.faces[index]);
    glEnd();
}
