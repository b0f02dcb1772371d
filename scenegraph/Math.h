#pragma once

// Unused by the game: the camera and the mesh reader's normals are the callers.
// Vectors are three floats, matrices 3 by 3 or 4 by 4 floats, column-major
// as OpenGL takes them.
namespace Scenegraph
{

void  Cross(const float a[3], const float b[3], float result[3]);    // a x b
void  Normalize(float vector[3]);           // a zero vector stays as it is
float Dot(const float a[3], const float b[3]);    // a . b

float Determinant3(const float matrix[9]);  // of a 3 by 3 matrix
void  Minor(const float matrix[16], int row, int column, float minor[9]); // the 4 by 4 matrix less that row and column
float Determinant(const float matrix[16]);  // of a 4 by 4 matrix
bool  Invert(float matrix[16]);             // false, and unchanged, when nearly singular

} // namespace Scenegraph
