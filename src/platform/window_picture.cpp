// The picture target's life beside its window's GL context.
#include "window_picture.h"

bool WindowPicture::Start(GlFunctionLoader loader) {
  target_.emplace(drawing_, loader);
  const PictureSize drawable = drawableSize_();
  return target_->Prepare(drawable.width, drawable.height);
}

void WindowPicture::Choose() {
  if (!target_) return;
  const PictureSize drawable = drawableSize_();
  target_->Prepare(drawable.width, drawable.height);
}

void WindowPicture::Present() {
  if (target_) target_->Present();
}

void WindowPicture::Show(const std::function<void()>& systemSwap) {
  Present();
  systemSwap();
  Choose();
}

void WindowPicture::Stop() {
  if (!target_) return;
  target_->Release();
  target_.reset();
}

DrawingArea WindowPicture::WhereToDraw() const {
  return target_ ? target_->WhereToDraw() : DrawingArea{};
}
