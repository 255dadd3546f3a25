// Framebuffer-object scaling of the picture onto a window of another size, and sharp frames
// drawn between bars.
#include "picture_target.h"

#include <GL/glext.h>

struct PictureTarget::Functions {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
  PFNGLBLITFRAMEBUFFERPROC blitFramebuffer;
};

namespace {

template <typename F>
bool Load(GlFunctionLoader loader, F& function, const char* name) {
  function = reinterpret_cast<F>(loader(name));
  return function != nullptr;
}

// Clears the colour buffer (within the scissor, if on) to black, keeping the demo's own
// clear colour.
void ClearBlack() {
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
}

}  // namespace

PictureSize DrawingSizeFor(PictureDrawing drawing, int drawableWidth, int drawableHeight) {
  if (drawing == PictureDrawing::Scaled) return PictureSize{};
  const Rect fit = FitPicture(drawableWidth, drawableHeight, gResX, gResY);
  // On a drawable no larger than the picture, the picture is drawn and scaled down as ever:
  // there is no sharper way to show it.
  if (fit.width <= gResX || fit.height <= gResY) return PictureSize{};
  return PictureSize{fit.width, fit.height};
}

PictureTarget::PictureTarget(PictureDrawing drawing, GlFunctionLoader loader)
    : drawing_(drawing), loader_(loader) {}

bool PictureTarget::LoadFunctions() {
  static Functions functions;
  static const bool loaded =
      Load(loader_, functions.genFramebuffers, "glGenFramebuffers") &&
      Load(loader_, functions.deleteFramebuffers, "glDeleteFramebuffers") &&
      Load(loader_, functions.bindFramebuffer, "glBindFramebuffer") &&
      Load(loader_, functions.genRenderbuffers, "glGenRenderbuffers") &&
      Load(loader_, functions.deleteRenderbuffers, "glDeleteRenderbuffers") &&
      Load(loader_, functions.bindRenderbuffer, "glBindRenderbuffer") &&
      Load(loader_, functions.renderbufferStorage, "glRenderbufferStorage") &&
      Load(loader_, functions.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
      Load(loader_, functions.checkFramebufferStatus, "glCheckFramebufferStatus") &&
      Load(loader_, functions.blitFramebuffer, "glBlitFramebuffer");
  if (loaded) gl_ = &functions;
  return loaded;
}

bool PictureTarget::Prepare(int drawableWidth, int drawableHeight) {
  drawableWidth_ = drawableWidth;
  drawableHeight_ = drawableHeight;
  const PictureSize size = DrawingSizeFor(drawing_, drawableWidth, drawableHeight);
  if (gl_ != nullptr) gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (size != PictureSize{}) {
    DrawBetweenBars(FitPicture(drawableWidth, drawableHeight, gResX, gResY));
    return true;
  }
  glDisable(GL_SCISSOR_TEST);
  area_ = DrawingArea{};
  offscreen_ = drawableWidth != gResX || drawableHeight != gResY;
  if (!offscreen_) return true;
  if (framebuffer_ == 0 && !MakeFramebuffer()) {
    // Drawn straight to the window instead, at the picture's size in its lower-left corner.
    offscreen_ = false;
    return false;
  }
  gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  return true;
}

// A sharp frame fills the window's 4:3 area itself, so it needs no copy: the bars are cleared
// black, and the scissor keeps the frame's own clear, and text drifting past its edges,
// inside the area.
void PictureTarget::DrawBetweenBars(const Rect& area) {
  offscreen_ = false;
  area_ = DrawingArea{PictureSize{area.width, area.height}, area.x, area.y};
  glDisable(GL_SCISSOR_TEST);
  ClearBlack();
  glScissor(area.x, area.y, area.width, area.height);
  glEnable(GL_SCISSOR_TEST);
}

bool PictureTarget::MakeFramebuffer() {
  if (!LoadFunctions()) return false;
  gl_->genRenderbuffers(1, &colourBuffer_);
  gl_->bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
  gl_->renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, gResX, gResY);
  gl_->genFramebuffers(1, &framebuffer_);
  gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  gl_->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                               colourBuffer_);
  if (gl_->checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return true;
  Release();
  return false;
}

void PictureTarget::Present() {
  if (!offscreen_) return;
  const Rect fit = FitPicture(drawableWidth_, drawableHeight_, gResX, gResY);
  gl_->bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  gl_->bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  ClearBlack();  // the bars
  // The picture's first row is its bottom one in GL, as is the window's, so no flip.
  gl_->blitFramebuffer(0, 0, gResX, gResY, fit.x, fit.y, fit.x + fit.width, fit.y + fit.height,
                       GL_COLOR_BUFFER_BIT, GL_LINEAR);
  gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
}

void PictureTarget::Release() {
  if (gl_ == nullptr) return;
  gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
  if (framebuffer_ != 0) gl_->deleteFramebuffers(1, &framebuffer_);
  if (colourBuffer_ != 0) gl_->deleteRenderbuffers(1, &colourBuffer_);
  framebuffer_ = 0;
  colourBuffer_ = 0;
  offscreen_ = false;
}
