// The soundtrack: started once at start-up and freed first at shutdown.
#pragma once

#include "platform/music_output.h"

// Starts the mixer (44100 Hz, 32 channels), loads "music.xm" from the working directory, else
// from beside the program, and plays it. Returns the song, or nullptr when there is none (one
// line to the user says where it looked or why it cannot play); the demo runs on silent then.
Song* StartMusic(MusicOutput& music);

void FreeMusic(MusicOutput& music, Song* song);
