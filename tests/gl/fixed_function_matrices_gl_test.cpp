// The web's GL layer keeps the very matrices Mesa keeps after the same calls: both stacks,
// every matrix call the layer implements, and the demo's own perspective and look-at factors
// against Mesa's GLU, bit for bit.
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "layer_beside_mesa.h"

namespace {

// A call sequence run on Mesa and on the layer from identity matrices.
struct Sequence {
  const char* name;
  std::function<void(MesaCalls&)> onMesa;
  std::function<void(FixedFunction&)> onLayer;
};

template <typename Calls>
Sequence Make(const char* name, Calls calls) {
  return {name, calls, calls};
}

void ResetBoth(MesaCalls& mesa, FixedFunction& layer) {
  for (const GLenum mode : {GL_PROJECTION, GL_MODELVIEW}) {
    mesa.MatrixMode(mode);
    mesa.LoadIdentity();
    layer.MatrixMode(mode);
    layer.LoadIdentity();
  }
}

const float kInfinity = std::numeric_limits<float>::infinity();

std::vector<Sequence> Sequences() {
  const GLfloat factorF[16] = {0.5f, 1, -2, 0, 3, 0.25f, 7, 0, -1, 2, 1.5f, 0.1f, 4, -5, 6, 1};
  const GLdouble factorD[16] = {1.1, 0.2, 0.3, 0, -0.4, 0.9, 0.01, 0, 0.7, -0.3, 1.3, 0,
                                2.2, 3.3, -4.4, 1};
  return {
      Make("translate", [](auto& gl) { gl.Translatef(1.5f, -2.25f, 7.1f); }),
      Make("translate in doubles", [](auto& gl) { gl.Translated(0.1, 1e-3, -123.456); }),
      Make("scale", [](auto& gl) {
        gl.Translatef(3, 4, 5);
        gl.Scalef(0.3f, -2, 1e-3f);
      }),
      Make("rotate about the axes and against them", [](auto& gl) {
        gl.Rotatef(33, 1, 0, 0);
        gl.Rotatef(-71.5f, 0, 1, 0);
        gl.Rotatef(12, 0, 0, 1);
        gl.Rotatef(40, -1, 0, 0);
        gl.Rotatef(41, 0, -2, 0);
        gl.Rotatef(42, 0, 0, -3);
      }),
      Make("rotate about a slanted unnormalised axis", [](auto& gl) {
        gl.Translatef(1, 2, 3);
        gl.Rotatef(123.4f, 1, 2, 3);
        gl.Rotatef(-7, -0.3f, 0.2f, 5);
      }),
      Make("rotate about no axis", [](auto& gl) {
        gl.Scalef(2, 3, 4);
        gl.Rotatef(30, 0, 0, 0);
      }),
      Make("ortho", [](auto& gl) {
        gl.MatrixMode(GL_PROJECTION);
        gl.Ortho(0, 800, 0, 600, -1, 1);
        gl.MatrixMode(GL_MODELVIEW);
        gl.Ortho(-3.5, 2.25, -1, 7, 0.5, 99);
      }),
      Make("perspective then camera", [](auto& gl) {
        gl.MatrixMode(GL_PROJECTION);
        Perspective(gl, 45, 800.0 / 600, static_cast<double>(0.1f), 100);
        gl.MatrixMode(GL_MODELVIEW);
        LookAt(gl, 3, 4, 5, 0, 0.5, 0, 0, 1, 0);
        gl.Rotatef(17, 0, 1, 0);
      }),
      Make("look-at along the vertical axis", [](auto& gl) {
        LookAt(gl, 0, -7, 0, 0, 0, 0, 0, 0, 1);
        Perspective(gl, 60, 1, 1, 10);
      }),
      Make("multiply by given matrices", [factorF, factorD](auto& gl) {
        gl.Translatef(1, 1, 1);
        gl.MultMatrixf(factorF);
        gl.MultMatrixd(factorD);
      }),
      Make("push, change, pop in both modes", [](auto& gl) {
        gl.MatrixMode(GL_PROJECTION);
        gl.Translatef(0, 0, -1);
        gl.PushMatrix();
        gl.Scalef(9, 9, 9);
        gl.MatrixMode(GL_MODELVIEW);
        gl.Rotatef(10, 0, 0, 1);
        gl.PushMatrix();
        gl.Translatef(5, 5, 5);
        gl.PushMatrix();
        gl.LoadIdentity();
        gl.PopMatrix();
        gl.Rotatef(3, 1, 1, 0);
        gl.MatrixMode(GL_PROJECTION);
        gl.PopMatrix();
        gl.MatrixMode(GL_MODELVIEW);
      }),
      Make("infinite and NaN factors", [](auto& gl) {
        gl.Translatef(kInfinity, 0, 1);
        gl.Scalef(1, std::nanf(""), -kInfinity);
        gl.MatrixMode(GL_PROJECTION);
        Perspective(gl, 45, 4.0 / 3, 0.1, 100);
        gl.Translatef(0, -kInfinity, 0);
      }),
  };
}

std::string Describe(const GLfloat* m) {
  std::string text;
  for (int i = 0; i < 16; ++i) text += std::to_string(m[i]) + (i % 4 == 3 ? "; " : " ");
  return text;
}

}  // namespace

using FixedFunctionMatricesGL = LayerBesideMesa;

TEST_F(FixedFunctionMatricesGL, EveryCallSequenceLeavesMesasMatricesBitForBit) {
  for (const Sequence& sequence : Sequences()) {
    ResetBoth(mesa, layer);
    sequence.onMesa(mesa);
    sequence.onLayer(layer);
    for (const GLenum name : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
      GLfloat expected[16];
      GLfloat actual[16];
      glGetFloatv(name, expected);
      ASSERT_TRUE(layer.GetFloatv(name, actual));
      EXPECT_EQ(std::memcmp(expected, actual, sizeof expected), 0)
          << sequence.name << (name == GL_MODELVIEW_MATRIX ? ", model-view" : ", projection")
          << "\n  Mesa  " << Describe(expected) << "\n  layer " << Describe(actual);
    }
  }
}
