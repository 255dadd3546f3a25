// One frame drawn as the table of scenes describes it, and the GL state frames rely on.
#include "frame.h"

#include <GL/gl.h>

#include "gl_context.h"
#include "scenes/projection.h"
#include "scenes/scene_table.h"
#include "screen.h"
#include "text/demo_font.h"
#include "text/font.h"
#include "text/sharp_font.h"

namespace {

// The size the viewport and the font's glyphs now suit.
PictureSize preparedSize;

// A frame of another size gets the viewport and the glyphs for its size: the picture's
// (800 x 600) for the faithful picture, or a sharp picture's.
void PrepareSize(PictureSize size) {
  glViewport(0, 0, size.width, size.height);
  FreeFont();
  BuildFont(DemoFontGlyphsAtScale(static_cast<float>(size.height) / gResY));
  preparedSize = size;
}

}  // namespace

void PrepareFrameState() {
  BuildFont(DemoFontGlyphs());
  preparedSize = PictureSize{};
  glEnable(GL_CULL_FACE);
  // The cube's faces wind clockwise seen from outside, so culling front faces keeps the outer
  // sides that face the viewer, with no depth test.
  glCullFace(GL_FRONT);
  LoadPerspective(gResX, gResY);
}

bool OpenFrameSurface(DemoWindow& window, std::string& error, PictureSize size) {
  if (!window.CreateDemoWindow(size.width, size.height) || !EnableOpenGL(window)) {
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
  if (input.size != preparedSize) PrepareSize(input.size);
  const Scene& scene = SceneNumber(input.scene);
  SetOrbitCamera(scene.camera, input.t, input.cursor);
  scene.draw(input.t);
  const TypedText& text = scene.text;
  DrawTypedLines(text.table, text.rows, text.interval, text.drift, text.colour, input.t);
}
