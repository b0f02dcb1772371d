// The plainest window program on the same windowing library: clear and swap
// as fast as the swap lets it, a key press turning the clear colour over.
// The desktop benchmark sets the game's figures beside this one's.

#include <GLFW/glfw3.h>

#include <cstdio>

namespace
{

bool g_light = false;                       // the clear colour: light or dark

void OnKey(GLFWwindow*, int, int, int action, int)
{
    if (action == GLFW_PRESS)
        g_light = !g_light;
}

} // namespace

int main()
{
    if (!glfwInit())
        return 1;
    GLFWwindow* window = glfwCreateWindow(600, 480, "Clear and swap", nullptr, nullptr);
    if (!window)
    {
        std::fprintf(stderr, "no window\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
    glfwSetKeyCallback(window, OnKey);
    while (!glfwWindowShouldClose(window))
    {
        const float level = g_light ? 0.9f : 0.1f;
        glClearColor(level, level, level, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    glfwTerminate();
    return 0;
}
