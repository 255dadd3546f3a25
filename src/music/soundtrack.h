// The soundtrack: started once at start-up and freed first at shutdown.
#pragma once

#include "platform/platform.h"

// Starts the mixer (44100 Hz, 32 channels), loads "music.xm" from the working directory, else
// from beside the program, and plays it. Returns the song, or nullptr when there is none (one
// line on stderr says where it looked or why it cannot play); the demo runs on silent then.
Song* StartMusic(Platform& platform);

void FreeMusic(Platform& platform, Song* song);
