// The web's GL layer draws triangle strips and vertex arrays on the pixels Mesa draws for the
// same calls, with the demo's front-face culling on: cubes under cameras, clipped by the view
// and behind the eye, and arrays of finished clip coordinates (infinite and NaN ones too)
// under identity matrices, as the cube batch sends them.
#include <cmath>
#include <limits>

#include "layer_beside_mesa.h"
#include "scenes/cube.h"

namespace {

template <typename Gl>
void Camera(Gl& gl, float eyeX, float eyeY, float eyeZ) {
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  Perspective(gl, 45, 800.0 / 600, static_cast<double>(0.1f), 100);
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadIdentity();
  LookAt(gl, eyeX, eyeY, eyeZ, 0, 0, 0, 0, 1, 0);
}

template <typename Gl>
void IdentityMatrices(Gl& gl) {
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadIdentity();
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadIdentity();
}

// The cube's strips sent vertex by vertex, as cube() sends them.
template <typename Gl>
void Cube(Gl& gl) {
  int first = 0;
  for (const int length : kCubeStripLengths) {
    gl.Begin(GL_TRIANGLE_STRIP);
    for (int i = first; i < first + length; ++i) {
      gl.Vertex3f(kCubeStrips[i].x, kCubeStrips[i].y, kCubeStrips[i].z);
    }
    gl.End();
    first += length;
  }
}

const float kInfinity = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

}  // namespace

using FixedFunctionTrianglesGL = LayerBesideMesa;

TEST_F(FixedFunctionTrianglesGL, CubeStripsCoverMesasPixels) {
  ExpectSamePixels("cubes under a camera", [](auto& gl) {
    Camera(gl, 3, 4, 5);
    for (int i = 0; i < 5; ++i) {
      gl.PushMatrix();
      gl.Color3f(0.2f * i, 0.5f, 1 - 0.15f * i);
      gl.Translatef(-2.0f + i, 0.3f * i, -1.5f * i);
      gl.Rotatef(17.0f * i, 1, 2, 0.5f);
      gl.Scalef(0.4f, 0.6f, 0.5f);
      Cube(gl);
      gl.PopMatrix();
    }
  });
  ExpectSamePixels("a cube cut by the view's sides and near plane", [](auto& gl) {
    Camera(gl, 0.5f, 0.3f, 2.2f);
    gl.Color3f(0.7f, 0.1f, 0.3f);
    gl.Scalef(1.6f, 1.2f, 1.9f);
    Cube(gl);
  });
  ExpectSamePixels("colours outside [0, 1] are clamped", [](auto& gl) {
    Camera(gl, -4, 2, 6);
    gl.Color3f(1.7f, -0.4f, 0.5f);
    Cube(gl);
  });
  ExpectSamePixels("a cube behind the eye draws nothing", [](auto& gl) {
    Camera(gl, 0, 0, 6);
    gl.Translatef(0, 0, 12);
    gl.Color3f(0, 0, 0);
    Cube(gl);
  }, true);
}

TEST_F(FixedFunctionTrianglesGL, VertexArraysCoverMesasPixels) {
  // Clip coordinates of two overlapping triangles and a quad crossing the view's edge, in the
  // cube's winding (clockwise: front-face culling keeps it), and one counter-clockwise
  // triangle that culling removes.
  const GLfloat clip[] = {-0.9f, -0.8f, 0.1f, 1,  0.1f,  0.7f, 0.2f, 1,  0.3f,  -0.6f, 0, 1,
                          -2, 1.5f, 0, 2,         0.5f, 3, 0, 2.5f,      0.4f, 0.2f, 0, 1.5f,
                          0.8f, -0.3f, 0, 1,      1.4f, -0.3f, 0, 1,     0.8f, -0.9f, 0, 1,
                          1.4f, -0.9f, 0, 1,      -0.5f, 0.1f, 0, 1,     -0.1f, 0.1f, 0, 1,
                          -0.3f, 0.5f, 0, 1};
  const GLfloat colours[] = {1, 0, 0, 1, 1, 0, 0, 1, 0.25f, 0.5f, 0.75f, 1,
                             0, 1, 0, 1, 0, 1, 0, 1, 0, 0.3f, 0.9f, 1,
                             0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0.5f, 0.5f, 0, 1,
                             1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1};
  const GLuint indices[] = {0, 1, 2, 3, 4, 5, 6, 8, 7, 7, 8, 9, 10, 11, 12};
  ExpectSamePixels("clip coordinates under identity matrices, flat shaded", [&](auto& gl) {
    IdentityMatrices(gl);
    gl.PushAttrib(GL_LIGHTING_BIT);
    gl.ShadeModel(GL_FLAT);
    gl.PushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    gl.EnableClientState(GL_VERTEX_ARRAY);
    gl.EnableClientState(GL_COLOR_ARRAY);
    gl.VertexPointer(4, GL_FLOAT, 0, clip);
    gl.ColorPointer(4, GL_FLOAT, 0, colours);
    gl.DrawElements(GL_TRIANGLES, 15, GL_UNSIGNED_INT, indices);
    gl.PopClientAttrib();
    gl.PopAttrib();
  });

  // Positions of three floats with a stride, short indices, under a camera; no colour array,
  // so the current colour.
  struct Corner {
    GLfloat x, y, z, unused;
  };
  const Corner corners[] = {{-1, -1, 0, 9}, {-1, 1, 0, 9}, {1, -1, 0, 9}, {1, 1, 0.5f, 9}};
  const GLushort quad[] = {0, 1, 2, 2, 1, 3};
  ExpectSamePixels("positions with a stride under a camera", [&](auto& gl) {
    Camera(gl, 1, -2, 4);
    gl.Color3f(0.1f, 0.6f, 0.4f);
    gl.EnableClientState(GL_VERTEX_ARRAY);
    gl.VertexPointer(3, GL_FLOAT, sizeof(Corner), corners);
    gl.DrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, quad);
    gl.DisableClientState(GL_VERTEX_ARRAY);
  });
}

TEST_F(FixedFunctionTrianglesGL, InfiniteAndNaNClipCoordinatesDrawAsMesaDrawsThem) {
  // One corner of the first triangle is odd; the second triangle, finite, makes sure something
  // is drawn. The layer multiplies by the identity matrices as the GL does (0 times infinity
  // makes NaNs in the other components) and Mesa's rasteriser judges the result.
  const float odd[] = {kInfinity, -kInfinity, kNaN};
  for (int component = 0; component < 4; ++component) {
    for (const float value : odd) {
      GLfloat clip[] = {-0.9f, -0.9f, 0, 1, -0.9f, 0.9f, 0, 1, 0.9f, -0.9f, 0, 1,
                        0.2f, 0.2f, 0, 1,   0.2f, 0.8f, 0, 1,  0.8f, 0.2f, 0, 1};
      clip[4 + component] = value;
      const GLubyte indices[] = {0, 1, 2, 3, 4, 5};
      ExpectSamePixels("component " + std::to_string(component) + " = " + std::to_string(value),
                       [&](auto& gl) {
                         IdentityMatrices(gl);
                         gl.Color3f(0.3f, 0.3f, 0.9f);
                         gl.EnableClientState(GL_VERTEX_ARRAY);
                         gl.VertexPointer(4, GL_FLOAT, 0, clip);
                         gl.DrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_BYTE, indices);
                         gl.DisableClientState(GL_VERTEX_ARRAY);
                       });
    }
  }
}
