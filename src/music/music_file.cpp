// Looking for the soundtrack file in the working directory and beside the program.
#include "music_file.h"

#include <filesystem>
#include <system_error>

namespace {

bool Exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::string WorkingDirectory() {
  std::error_code error;
  const std::filesystem::path here = std::filesystem::current_path(error);
  return error ? "unknown" : here.string();
}

}  // namespace

MusicSearch FindMusicFile(const std::string& name, const std::string& programDirectory) {
  MusicSearch search;
  search.places = "the working directory (" + WorkingDirectory() + ")";
  if (Exists(name)) {
    search.found = name;
    return search;
  }
  if (programDirectory.empty()) return search;
  search.places += " or beside the program (" + programDirectory + ")";
  const std::filesystem::path beside = std::filesystem::path(programDirectory) / name;
  if (Exists(beside)) search.found = beside.string();
  return search;
}

std::string DescribeMissingMusic(const std::string& name, const MusicSearch& search) {
  return "no " + name + " in " + search.places;
}
