// Music output: not yet built, so every song stays silent.
#include "module_player.h"

ModulePlayer::~ModulePlayer() = default;

void ModulePlayer::StartMixer(int, int, unsigned) {}

Song* ModulePlayer::LoadSong(const char*) { return nullptr; }

void ModulePlayer::PlaySong(Song*) {}

void ModulePlayer::FreeSong(Song*) {}
