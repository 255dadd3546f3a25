// Where the soundtrack is looked for: the working directory first, then beside the program,
// and the places named when it is in neither.
#include "music/music_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace {

void ExpectMentions(const std::string& text, const std::string& part) {
  EXPECT_NE(text.find(part), std::string::npos) << "'" << text << "' lacks '" << part << "'";
}

}  // namespace

TEST(MusicFile, TheWorkingDirectoryComesFirstThenTheProgramsFolder) {
  ScratchFolder here("music_here");
  ScratchFolder program("music_program");
  here.Enter();
  const std::string beside = program.Write("music.xm", "beside");

  EXPECT_EQ(FindMusicFile("music.xm", program.Path()).found, beside);
  here.Write("music.xm", "here");
  EXPECT_EQ(FindMusicFile("music.xm", program.Path()).found, "music.xm");
}

TEST(MusicFile, AnythingUnderTheNameInTheWorkingDirectoryIsTakenSoLoadingCanSayWhatIsWrong) {
  ScratchFolder here("music_folder_here");
  ScratchFolder program("music_folder_program");
  here.Enter();
  program.Write("music.xm", "beside");
  std::filesystem::create_directory("music.xm");
  EXPECT_EQ(FindMusicFile("music.xm", program.Path()).found, "music.xm");
}

TEST(MusicFile, WhenMissingTheMessageNamesEveryPlaceLookedIn) {
  ScratchFolder here("music_missing_here");
  ScratchFolder program("music_missing_program");
  here.Enter();
  const std::string cwd = std::filesystem::current_path().string();

  MusicSearch search = FindMusicFile("music.xm", program.Path());
  EXPECT_EQ(search.found, "");
  std::string message = DescribeMissingMusic("music.xm", search);
  ExpectMentions(message, "no music.xm in the working directory (" + cwd + ")");
  ExpectMentions(message, "or beside the program (" + program.Path() + ")");

  // A platform that cannot tell where its program lies: only the working directory is named.
  search = FindMusicFile("music.xm", "");
  EXPECT_EQ(search.found, "");
  message = DescribeMissingMusic("music.xm", search);
  ExpectMentions(message, "(" + cwd + ")");
  EXPECT_EQ(message.find("beside"), std::string::npos) << message;
}
