// The demo's lines to its user, on the standard streams or where the entry point sends them.
#include "user_text.h"

#include <cstdio>
#include <utility>

namespace {

UserTextDestination& Destination() {
  static UserTextDestination destination;
  return destination;
}

}  // namespace

void TellUser(TextStream stream, const std::string& text) {
  if (Destination()) {
    Destination()(stream, text);
    return;
  }
  std::FILE* file = stream == TextStream::Output ? stdout : stderr;
  std::fputs(text.c_str(), file);
  std::fflush(file);
}

void SendUserTextTo(UserTextDestination destination) { Destination() = std::move(destination); }
