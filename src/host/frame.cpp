// What each scene draws per frame, and its text overlay's parameters.
#include "frame.h"

#include <GL/gl.h>

#include "gl_context.h"
#include "scenes/blob_grid.h"
#include "scenes/cube_cross.h"
#include "scenes/orbit_camera.h"
#include "scenes/projection.h"
#include "screen.h"
#include "text/font.h"
#include "text/text_tables.h"
#include "text/typed_lines.h"

void PrepareFrameState() {
  BuildFont();
  glEnable(GL_CULL_FACE);
  // The cube's faces wind clockwise seen from outside, so culling front faces keeps the outer
  // sides that face the viewer, with no depth test.
  glCullFace(GL_FRONT);
  LoadPerspective(gResX, gResY);
}

bool OpenFrameSurface(Platform& platform, std::string& error) {
  if (!platform.CreateDemoWindow(gResX, gResY) || !EnableOpenGL(platform)) {
    error = platform.ErrorText();
    platform.DestroyDemoWindow();
    return false;
  }
  PrepareFrameState();
  return true;
}

void CloseFrameSurface(Platform& platform) {
  DisableOpenGL(platform);
  platform.DestroyDemoWindow();
}

void DrawFrame(const FrameInput& input) {
  const float t = input.t;
  SetOrbitCamera(input.scene, t, input.cursor);
  if (input.scene == 1) {
    DrawBlobGrid(t);
    DrawTypedLines(texten, texten_rader, 0.32f, 25, Colour{0, 1, 0}, t);
  } else {
    DrawCubeCross(t);
    DrawTypedLines(texten2, texten2_rader, 0.2f, 5, Colour{1, 0, 0}, t);
  }
}
