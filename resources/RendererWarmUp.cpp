#include "resources/RendererWarmUp.h"

#include <GL/gl.h>

#include <initializer_list>

namespace
{

// Two colours, so that a batch carries a colour for each of its vertices, as
// one does where a question's panel and its outline go out together.
const GLubyte kFirst[4]  = {100, 100, 100, 255};
const GLubyte kSecond[4] = {200, 190, 20, 128};

// A filled square and a closed line round it, in one colour or in two.
void SendShapes(bool twoColours)
{
    glColor4ubv(kFirst);
    glRecti(0, 0, 2, 2);
    glColor4ubv(twoColours ? kSecond : kFirst);
    glBegin(GL_LINE_LOOP);
    glVertex2i(0, 0);
    glVertex2i(2, 0);
    glVertex2i(2, 2);
    glVertex2i(0, 2);
    glEnd();
}

} // namespace

// Each kind goes out opaque and blended, a flush ending each batch so that
// no two kinds merge into one.
void WarmUpRenderer()
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);
    for (const bool blended : {false, true})
    {
        if (blended)
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
        SendShapes(false);
        glFlush();
        SendShapes(true);
        glFlush();
    }
    glPopAttrib();
}
