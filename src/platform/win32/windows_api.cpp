// The system's text for Win32 error codes.
#include "windows_api.h"

std::string SystemErrorText(DWORD code) {
  if (code == 0) return "the system gave no reason";
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string said = length > 0 && text != nullptr ? std::string(text, length) : std::string();
  LocalFree(text);
  while (!said.empty() &&
         (said.back() == '\n' || said.back() == '\r' || said.back() == ' ' || said.back() == '.')) {
    said.pop_back();
  }
  if (said.empty()) said = "error " + std::to_string(code);
  return said;
}
