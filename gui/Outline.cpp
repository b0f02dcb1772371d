#include "gui/Outline.h"

#include <GL/gl.h>

namespace GUI
{

void DrawOutline(int left, int bottom, int right, int top)
{
    glBegin(GL_LINE_LOOP);
    glVertex2i(left, bottom);
    glVertex2i(right, bottom);
    glVertex2i(right, top);
    glVertex2i(left, top);
    glEnd();
}

// Each long line lights what the cells' collinear edges along it light
// together; the outlines' corners are where the long lines cross.
void DrawGrid(int left, int bottom, int cells, int cellSize)
{
    const int right = left + cells * cellSize;
    const int top = bottom + cells * cellSize;
    glBegin(GL_LINES);
    for (int line = 0; line <= cells; ++line)
    {
        const int x = left + line * cellSize;
        const int y = bottom + line * cellSize;
        glVertex2i(x, bottom);
        glVertex2i(x, top);
        glVertex2i(left, y);
        glVertex2i(right, y);
    }
    glEnd();
}

void DrawThickOutline(int left, int bottom, int right, int top, int width)
{
    glRecti(left, bottom, right, bottom + width);
    glRecti(left, top - width, right, top);
    glRecti(left, bottom + width, left + width, top - width);
    glRecti(right - width, bottom + width, right, top - width);
}

} // namespace GUI
