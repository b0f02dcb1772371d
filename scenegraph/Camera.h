#pragma once

#include "scenegraph/Base.h"

namespace Scenegraph
{

// A projection and a view matrix, column-major as OpenGL takes them. The
// engine sets its one camera up at start-up; nothing draws through it yet.
// Unused by the game: its matrices wait for a future 3D scene; tests check them.
class CCamera : public IBase
{
public:
    CCamera();                              // perspective, 90 degrees, 4:3, looking from x 30 at the origin
    ~CCamera() override;                    // nothing of its own to free

    // Places the camera and sets the view; false when the view matrix cannot be inverted.
    bool LookAt(float eyeX, float eyeY, float eyeZ, float centerX, float centerY, float centerZ, float upX,
                float upY, float upZ);
    // the box, and orthographic from now on
    void SetOrthographic(float width, float height, float nearPlane, float farPlane);

    float m_fov;                            // degrees, vertical
    float m_aspect;                         // width / height
    float m_near;                           // distance of the near plane
    float m_far;                            // distance of the far plane
    float m_eye[3];                         // where the camera stands
    float m_center[3];                      // the point it looks at
    float m_up[3];                          // unit; the view's true up after LookAt
    float m_orthoWidth;                     // width of the orthographic box
    float m_orthoHeight;                    // height of the orthographic box
    float m_perspective;                    // 1 perspective, 0 orthographic
    float m_projection[16];                 // perspective or orthographic, whichever was set last
    float m_view[16];                       // world to eye, set by LookAt

private:
    void ComputePerspective();
    void ComputeView();
};

extern CCamera g_camera;                    // the engine's camera, for the whole process

} // namespace Scenegraph
