// The matrices GLU's gluPerspective and gluLookAt multiply onto the current matrix, in GLU's
// own arithmetic (double for the perspective, float vectors for the look-at), so a program
// gets GLU's exact matrices from the GL's glMultMatrixd, glMultMatrixf and glTranslated
// without loading GLU.
#pragma once

#include <array>

#include "gl_matrix/gl_matrix.h"

// Column-major doubles, as glMultMatrixd takes them.
using GlMatrixD = std::array<double, 16>;

// The factor gluPerspective multiplies by (fovy in degrees). False where GLU leaves the matrix
// as it is: an empty depth range, a zero field of view or a zero aspect.
bool PerspectiveFactor(double fovy, double aspect, double zNear, double zFar, GlMatrixD& out);

// The rotation gluLookAt multiplies by; it then translates by minus the eye (glTranslated).
GlMatrix LookAtRotation(double eyeX, double eyeY, double eyeZ, double centerX, double centerY,
                        double centerZ, double upX, double upY, double upZ);
