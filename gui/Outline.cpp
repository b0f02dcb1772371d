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

void DrawThickOutline(int left, int bottom, int right, int top, int width)
{
    glRecti(left, bottom, right, bottom + width);
    glRecti(left, top - width, right, top);
    glRecti(left, bottom + width, left + width, top - width);
    glRecti(right - width, bottom + width, right, top - width);
}

} // namespace GUI
