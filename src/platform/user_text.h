// What the demo tells the person running it: the usage, why it stops, why it plays silent. It
// goes to standard output or standard error unless the entry point sends it elsewhere: a
// Windows GUI program started from Explorer has neither stream.
#pragma once

#include <functional>
#include <string>

enum class TextStream { Output, Error };

using UserTextDestination = std::function<void(TextStream stream, const std::string& text)>;

// Writes text (whole lines, each ending in a newline) to the stream, or hands it to the
// destination set below.
void TellUser(TextStream stream, const std::string& text);

// Sends what TellUser gets to `destination` from now on; an empty one restores the streams.
// Both are for the main thread, the only one that tells the user anything.
void SendUserTextTo(UserTextDestination destination);
