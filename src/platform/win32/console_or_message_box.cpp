// Choosing between the inherited streams, the parent's console and a message box.
#include "console_or_message_box.h"

#include "platform/user_text.h"

namespace {

constexpr const char* kDemoName = "Blob grid & cube crosses";

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ConsoleOrMessageBox::ConsoleOrMessageBox() {
  // The C runtime's stdout and stderr write to the standard handles the program was given.
  if (Usable(GetStdHandle(STD_ERROR_HANDLE))) return;
  // A program already attached to a console is refused with ERROR_ACCESS_DENIED and may write
  // to that one (Wine attaches a GUI program to the console of the program that started it).
  if (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED) {
    console_ = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  if (console_ != INVALID_HANDLE_VALUE) {
    SendUserTextTo([this](TextStream, const std::string& text) {
      DWORD written = 0;
      WriteFile(console_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    });
  } else {
    SendUserTextTo([this](TextStream, const std::string& text) { kept_ += text; });
  }
}

ConsoleOrMessageBox::~ConsoleOrMessageBox() {
  SendUserTextTo(nullptr);
  if (console_ != INVALID_HANDLE_VALUE) CloseHandle(console_);
}

void ConsoleOrMessageBox::Finish(int exitCode, bool askedForText) {
  SendUserTextTo(nullptr);
  if (kept_.empty() || (exitCode == 0 && !askedForText)) return;
  MessageBoxA(nullptr, kept_.c_str(), kDemoName,
              MB_OK | (exitCode != 0 ? MB_ICONERROR : MB_ICONINFORMATION));
  kept_.clear();
}
