#include "scenegraph/Math.h"

#include <cmath>

namespace Scenegraph
{

void Cross(const float a[3], const float b[3], float result[3])
{
    const float x = a[1] * b[2] - a[2] * b[1];
    const float y = a[2] * b[0] - a[0] * b[2];
    const float z = a[0] * b[1] - a[1] * b[0];
    result[0] = x;
    result[1] = y;
    result[2] = z;
}

void Normalize(float vector[3])
{
    const float length = std::sqrt(vector[0] * vector[0] + vector[1] * vector[1] + vector[2] * vector[2]);
    if (length == 0.0f)
        return;
    const float scale = 1.0f / length;
    vector[0] *= scale;
    vector[1] *= scale;
    vector[2] *= scale;
}

float Dot(const float a[3], const float b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Element (row r, column c) of a column-major 3 by 3 matrix is m[c * 3 + r].
float Determinant3(const float m[9])
{
    return m[0] * (m[4] * m[8] - m[7] * m[5]) - m[3] * (m[1] * m[8] - m[7] * m[2]) +
           m[6] * (m[1] * m[5] - m[4] * m[2]);
}

void Minor(const float matrix[16], int row, int column, float minor[9])
{
    int at = 0;
    for (int c = 0; c < 4; ++c)
    {
        if (c == column)
            continue;
        for (int r = 0; r < 4; ++r)
            if (r != row)
                minor[at++] = matrix[c * 4 + r];
    }
}

// Expanded along the first column, elements 0 to 3.
float Determinant(const float matrix[16])
{
    float result = 0.0f;
    float minor[9];
    for (int k = 0; k < 4; ++k)
    {
        Minor(matrix, k, 0, minor);
        const float sign = (k % 2 == 0) ? 1.0f : -1.0f;
        result += matrix[k] * sign * Determinant3(minor);
    }
    return result;
}

bool Invert(float matrix[16])
{
    const float determinant = Determinant(matrix);
    if (std::fabs(determinant) < 0.0005f)
        return false;

    float inverse[16];
    float minor[9];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            Minor(matrix, c, r, minor);
            const float sign = ((r + c) % 2 == 0) ? 1.0f : -1.0f;
            inverse[c * 4 + r] = sign * Determinant3(minor) / determinant;
        }
    for (int i = 0; i < 16; ++i)
        matrix[i] = inverse[i];
    return true;
}

} // namespace Scenegraph
