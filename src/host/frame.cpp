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

// The area the viewport and the font's glyphs now suit.
DrawingArea preparedArea;

// A frame drawn elsewhere gets its viewport, and where its size changed the glyphs for that
// size: the picture's (800 x 600) for the faithful picture, or a sharp picture's.
void PrepareArea(const DrawingArea& area) {
  glViewport(area.x, area.y, area.size.width, area.size.height);
  if (area.size != preparedArea.size) {
    FreeFont();
    BuildFont(DemoFontGlyphsAtScale(static_cast<float>(area.size.height) / gResY));
  }
  preparedArea = area;
}

}  // namespace

void PrepareFrameState() {
  BuildFont(DemoFontGlyphs());
  preparedArea = DrawingArea{};
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
  if (input.area != preparedArea) PrepareArea(input.area);
  const Scene& scene = SceneNumber(input.scene);
  SetOrbitCamera(scene.camera, input.t, input.cursor);
  scene.draw(input.t);
  const TypedText& text = scene.text;
  DrawTypedLines(text.table, text.rows, text.interval, text.drift, text.colour, input.t);
}
