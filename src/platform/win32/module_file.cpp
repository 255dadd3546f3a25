// Reading a module file whole with Win32 calls. The bytes come as they are: no C runtime text
// mode to stop at the 0x1A byte an XM header holds.
#include "platform/module_decoder.h"
#include "windows_api.h"

bool ReadModuleFile(const char* path, std::vector<std::uint8_t>& bytes, std::string& why) {
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    why = std::string("cannot open ") + path + ": " + SystemErrorText(GetLastError());
    return false;
  }
  // Only files on disk: a pipe or a device under the module's name could block forever.
  bool ok = GetFileType(file) == FILE_TYPE_DISK;
  if (!ok) why = std::string(path) + " is not a regular file";
  std::uint8_t chunk[65536];
  while (ok) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
      why = std::string("cannot read ") + path + ": " + SystemErrorText(GetLastError());
      ok = false;
    } else if (got == 0) {
      break;
    } else {
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
  }
  CloseHandle(file);
  return ok;
}
