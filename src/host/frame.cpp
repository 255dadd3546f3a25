// One frame drawn as the table of scenes describes it, and the GL state frames rely on.
#include "frame.h"

#include <GL/gl.h>

#include "gl_context.h"
#include "scenes/projection.h"
#include "scenes/scene_table.h"
#include "screen.h"
#include "text/demo_font.h"
#include "text/font.h"

void PrepareFrameState() {
  BuildFont(DemoFontGlyphs());
  glEnable(GL_CULL_FACE);
  // The cube's faces wind clockwise seen from outside, so culling front faces keeps the outer
  // sides that face the viewer, with no depth test.
  glCullFace(GL_FRONT);
  LoadPerspective(gResX, gResY);
}

bool OpenFrameSurface(DemoWindow& window, std::string& error) {
  if (!window.CreateDemoWindow(gResX, gResY) || !EnableOpenGL(window)) {
    error = window.ErrorText();
    window.DestroyDemoWindow();
    return false;
  }
  PrepareFrameState();
  return true;
}

void CloseFrameSurface(DemoWindow& window) {
  DisableOpenGL(window);
  window.DestroyDemoWindow();
}

void DrawFrame(const FrameInput& input) {
  const Scene& scene = SceneNumber(input.scene);
  SetOrbitCamera(scene.camera, input.t, input.cursor);
  scene.draw(input.t);
  const TypedText& text = scene.text;
  DrawTypedLines(text.table, text.rows, text.interval, text.drift, text.colour, input.t);
}
