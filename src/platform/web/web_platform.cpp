// The web platform: the page's canvas, a WebGL 1 context under the fixed-function layer, key
// presses from the browser, and the page's record of the pointer.
#include "web_platform.h"

#include <emscripten.h>

#include <cmath>

#include "fixed_function/gl_entry_points.h"

namespace {

constexpr const char* kCanvas = "#canvas";

// The page keeps the pointer's last position over the picture in Module.pointer.
EM_JS(int, PointerX, (), { return Module.pointer ? Module.pointer.x : 0; });
EM_JS(int, PointerY, (), { return Module.pointer ? Module.pointer.y : 0; });
EM_JS(void, ShowPointer, (bool shown), { Module.canvas.style.cursor = shown ? "" : "none"; });

}  // namespace

WebPlatform::~WebPlatform() {
  DeleteGLContext();
  DestroyDemoWindow();
}

std::string WebPlatform::ErrorText() const { return error_; }

bool WebPlatform::CreateDemoWindow(int width, int height) {
  if (emscripten_set_canvas_element_size(kCanvas, width, height) != EMSCRIPTEN_RESULT_SUCCESS) {
    error_ = "cannot use the canvas: the page has no #canvas element";
    return false;
  }
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, true, OnKeyDown);
  windowOpen_ = true;
  return true;
}

bool WebPlatform::CreateGLContext() {
  if (!windowOpen_) return false;
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  // An opaque picture without multisampling, as the native context draws it.
  attributes.alpha = false;
  attributes.depth = true;
  attributes.stencil = false;
  attributes.antialias = false;
  attributes.majorVersion = 1;
  context_ = emscripten_webgl_create_context(kCanvas, &attributes);
  if (context_ <= 0) {
    context_ = 0;
    error_ = "cannot create a WebGL context (is WebGL turned off in this browser?)";
    return false;
  }
  emscripten_webgl_make_context_current(context_);
  if (!StartFixedFunction()) {
    error_ = "cannot compile the WebGL programs";
    DeleteGLContext();
    return false;
  }
  return true;
}

void WebPlatform::ShowDemoWindow() {}

void WebPlatform::SwapBuffers() {
  // The browser shows the canvas once the frame's callback returns.
  if (context_ != 0) FlushFixedFunction();
}

void WebPlatform::DeleteGLContext() {
  if (context_ == 0) return;
  StopFixedFunction();
  emscripten_webgl_destroy_context(context_);
  context_ = 0;
}

void WebPlatform::DestroyDemoWindow() {
  if (!windowOpen_) return;
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, true, nullptr);
  ShowPointer(true);
  messages_.clear();
  windowOpen_ = false;
}

void WebPlatform::HideCursor() { ShowPointer(false); }

std::uint32_t WebPlatform::GetTickCount() {
  return static_cast<std::uint32_t>(std::fmod(std::floor(emscripten_get_now()), 4294967296.0));
}

void WebPlatform::Sleep(std::uint32_t) {}

CursorPos WebPlatform::GetCursorPos() const { return CursorPos{PointerX(), PointerY()}; }

EM_BOOL WebPlatform::OnKeyDown(int, const EmscriptenKeyboardEvent* event, void* platform) {
  // The browser's key codes name Esc 27, as kKeyEscape does.
  static_cast<WebPlatform*>(platform)->messages_.push_back(
      Message{MessageType::KeyDown, static_cast<std::intptr_t>(event->keyCode)});
  return event->keyCode == kKeyEscape;  // Esc is the demo's; other keys keep their meaning
}

bool WebPlatform::PeekMessage(Message& message) {
  if (pendingQuit_) {
    message = Message{MessageType::Quit, *pendingQuit_};
    pendingQuit_.reset();
    return true;
  }
  if (messages_.empty()) return false;
  message = messages_.front();
  messages_.pop_front();
  return true;
}

void WebPlatform::PostQuitMessage(int exitCode) { pendingQuit_ = exitCode; }

long WebPlatform::DefWindowProc(const Message&) { return 0; }

std::string WebPlatform::ProgramDirectory() const { return ""; }

void WebPlatform::StartMixer(int mixRate, int maxChannels, unsigned flags) {
  music_.StartMixer(mixRate, maxChannels, flags);
}

Song* WebPlatform::LoadSong(const char* path) { return music_.LoadSong(path); }

void WebPlatform::PlaySong(Song* song) { music_.PlaySong(song); }

void WebPlatform::FreeSong(Song* song) { music_.FreeSong(song); }
