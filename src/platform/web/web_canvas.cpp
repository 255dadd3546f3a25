// The page's canvas: a WebGL 1 context under the fixed-function layer, key presses from the
// browser, and the page's record of the pointer.
#include "web_canvas.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <deque>
#include <optional>
#include <string>

#include "fixed_function/gl_entry_points.h"

namespace {

constexpr const char* kCanvas = "#canvas";

// The page keeps the pointer's last position over the picture in Module.pointer.
EM_JS(int, PointerX, (), { return Module.pointer ? Module.pointer.x : 0; });
EM_JS(int, PointerY, (), { return Module.pointer ? Module.pointer.y : 0; });
EM_JS(void, ShowPointer, (bool shown), { Module.canvas.style.cursor = shown ? "" : "none"; });

class WebCanvas final : public SystemWindow {
 public:
  explicit WebCanvas(PictureDrawing drawing) : drawing_(drawing) {}
  ~WebCanvas() override {
    DeleteGLContext();
    DestroyDemoWindow();
  }

  WebCanvas(const WebCanvas&) = delete;
  WebCanvas& operator=(const WebCanvas&) = delete;

  // The canvas starts at the picture's size in pixels; the page scales it with CSS. A sharp
  // canvas takes its displayed size at the first frame.
  bool CreateDemoWindow(int width, int height) override {
    if (emscripten_set_canvas_element_size(kCanvas, width, height) != EMSCRIPTEN_RESULT_SUCCESS) {
      error_ = "cannot use the canvas: the page has no #canvas element";
      return false;
    }
    drawn_ = PictureSize{width, height};
    displayed_ = PictureSize{0, 0};
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, true, OnKeyDown);
    windowOpen_ = true;
    open = this;
    return true;
  }

  bool CreateGLContext() override {
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
      error_ =
          "This browser gives the page no WebGL context: turn WebGL (hardware acceleration) on "
          "in its settings, or try another browser.";
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

  void ShowDemoWindow() override {}
  void SwapBuffers() override {
    // The browser shows the canvas once the frame's callback returns.
    if (context_ != 0) FlushFixedFunction();
  }

  void DeleteGLContext() override {
    if (context_ == 0) return;
    StopFixedFunction();
    emscripten_webgl_destroy_context(context_);
    context_ = 0;
  }

  void DestroyDemoWindow() override {
    if (!windowOpen_) return;
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, true, nullptr);
    ShowPointer(true);
    messages_.clear();
    windowOpen_ = false;
    open = nullptr;
  }

  void HideCursor() override { ShowPointer(false); }
  std::string ErrorText() const override { return error_; }
  // The browser runs no animation frames for a page that cannot be seen, so the canvas counts
  // as showing whenever a frame is asked for.
  bool Showing() const override { return true; }
  // The browser paces the frames.
  double RefreshRate() const override { return 0; }
  // The picture fills the canvas: 800 x 600 pixels, or a sharp picture's 4:3 area.
  DrawingArea WhereToDraw() const override { return DrawingArea{drawn_}; }

  // FitWebCanvasToDisplay's work (web_canvas.h).
  void FitToDisplay() {
    if (drawing_ != PictureDrawing::Sharp || context_ == 0) return;
    double cssWidth = 0;
    double cssHeight = 0;
    if (emscripten_get_element_css_size(kCanvas, &cssWidth, &cssHeight) !=
        EMSCRIPTEN_RESULT_SUCCESS) {
      return;
    }
    // The page's CSS keeps the box 4:3; the rounded device pixels may be a pixel off it.
    const double ratio = emscripten_get_device_pixel_ratio();
    PictureSize size =
        DrawingSizeFor(PictureDrawing::Sharp, static_cast<int>(std::lround(cssWidth * ratio)),
                       static_cast<int>(std::lround(cssHeight * ratio)));
    if (size == displayed_) return;
    displayed_ = size;
    emscripten_set_canvas_element_size(kCanvas, size.width, size.height);
    // A browser gives a canvas larger than its WebGL can draw a smaller drawing buffer; the
    // picture then takes that buffer's 4:3 area, and the page scales it up as without sharp.
    int bufferWidth = 0;
    int bufferHeight = 0;
    emscripten_webgl_get_drawing_buffer_size(context_, &bufferWidth, &bufferHeight);
    if (bufferWidth < size.width || bufferHeight < size.height) {
      size = DrawingSizeFor(PictureDrawing::Sharp, bufferWidth, bufferHeight);
      emscripten_set_canvas_element_size(kCanvas, size.width, size.height);
    }
    drawn_ = size;
  }

  std::uint32_t GetTickCount() override {
    return static_cast<std::uint32_t>(std::fmod(std::floor(emscripten_get_now()), 4294967296.0));
  }

  std::uint64_t NowUs() override { return static_cast<std::uint64_t>(emscripten_get_now() * 1000); }
  // A page must never block: the browser paces the frames, so these return at once.
  void Sleep(std::uint32_t) override {}
  void WaitForMessage(std::uint32_t) override {}
  // Where the page last saw the pointer, in picture pixels (it follows the pointer all along,
  // so the position is known before the first move over the picture).
  CursorPos GetCursorPos() const override { return CursorPos{PointerX(), PointerY()}; }
  bool PeekMessage(Message& message) override {
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

  void PostQuitMessage(int exitCode) override { pendingQuit_ = exitCode; }
  long DefWindowProc(const Message&) override { return 0; }

  // The page's "end" control: the close command, as the system's close button gives it.
  void Close() { messages_.push_back(Message{MessageType::Close, 0}); }

  // The canvas while it is open, for the page's controls.
  static WebCanvas* open;

 private:
  static EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void* platform) {
    // The browser's key codes name Esc 27, as kKeyEscape does.
    static_cast<WebCanvas*>(platform)->messages_.push_back(
        Message{MessageType::KeyDown, static_cast<std::intptr_t>(event->keyCode)});
    return event->keyCode == kKeyEscape;  // Esc is the demo's; other keys keep their meaning
  }

  PictureDrawing drawing_;
  // The canvas's size in pixels, which a sharp picture is drawn at, and the size its display
  // asked for when it was set (larger where the browser's WebGL could not draw that).
  PictureSize drawn_;
  PictureSize displayed_{0, 0};
  bool windowOpen_ = false;
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_ = 0;
  std::deque<Message> messages_;
  std::optional<int> pendingQuit_;
  std::string error_;
};

WebCanvas* WebCanvas::open = nullptr;

}  // namespace

// Called by the page's "end" control; nothing happens while no demo runs.
extern "C" EMSCRIPTEN_KEEPALIVE void CloseDemoWindow() {
  if (WebCanvas::open != nullptr) WebCanvas::open->Close();
}

void FitWebCanvasToDisplay() {
  if (WebCanvas::open != nullptr) WebCanvas::open->FitToDisplay();
}

std::unique_ptr<SystemWindow> CreateWebCanvas(PictureDrawing drawing) {
  return std::make_unique<WebCanvas>(drawing);
}
