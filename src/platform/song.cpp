// Loading and freeing songs, and the line a player gives when there is no music.
#include "song.h"

#include "module_decoder.h"
#include "user_text.h"

void ReportNoSound(const std::string& why) {
  TellUser(TextStream::Error, "demo: no music: " + why + "\n");
}

Song* LoadSongFile(const char* path) {
  std::string why;
  openmpt_module* module = LoadModuleFile(path, why);
  if (module == nullptr) {
    ReportNoSound(why);
    return nullptr;
  }
  return new Song{module};
}

void DeleteSong(Song* song) {
  FreeModule(song->module);
  delete song;
}
