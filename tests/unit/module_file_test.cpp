// Reading a module file whole (every byte as it is on disk, and a reason for what cannot be
// read), and the line a failed load gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/module_decoder.h"
#include "support/scratch_folder.h"

TEST(ModuleFile, EveryByteComesBackAsWrittenWhateverItsValue) {
  ScratchFolder folder("module_file_bytes");
  // An XM header holds 0x1A at offset 37, which a text-mode read on Windows takes as the end;
  // carriage returns and line feeds must not be translated either. Longer than one read.
  std::vector<std::uint8_t> written(200000);
  for (std::size_t i = 0; i < written.size(); ++i) written[i] = static_cast<std::uint8_t>(i * 7);
  written[37] = 0x1A;
  written[38] = '\r';
  written[39] = '\n';
  const std::string path = folder.Path() + "/song.xm";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(written.data()),
             static_cast<std::streamsize>(written.size()));

  std::vector<std::uint8_t> read;
  std::string why;
  ASSERT_TRUE(ReadModuleFile(path.c_str(), read, why)) << why;
  EXPECT_EQ(read, written);
}

TEST(ModuleFile, WhatCannotBeReadIsRefusedWithItsName) {
  ScratchFolder folder("module_file_refused");
  std::vector<std::uint8_t> bytes;
  std::string why;
  const std::string missing = folder.Path() + "/missing.xm";
  EXPECT_FALSE(ReadModuleFile(missing.c_str(), bytes, why));
  EXPECT_NE(why.find(missing), std::string::npos) << why;
  EXPECT_EQ(why.find("uccess"), std::string::npos) << why;

  std::filesystem::create_directory(folder.Path() + "/folder.xm");
  const std::string directory = folder.Path() + "/folder.xm";
  why.clear();
  EXPECT_FALSE(ReadModuleFile(directory.c_str(), bytes, why));
  EXPECT_NE(why.find(directory), std::string::npos) << why;
  EXPECT_TRUE(bytes.empty());
}

// Loading a good module is covered by the players' tests; here, what the viewer is told.
TEST(ModuleFile, LoadingSaysWhichFileFailedAndWhy) {
  ScratchFolder folder("module_file_load");
  const std::string text = folder.Path() + "/notes.xm";
  std::ofstream(text) << "not a module at all\n";
  std::string why;
  EXPECT_EQ(LoadModuleFile(text.c_str(), why), nullptr);
  ASSERT_FALSE(why.empty());
  EXPECT_EQ(why.rfind(text + " is not a module libopenmpt can play (", 0), 0u) << why;
  EXPECT_EQ(why.back(), ')') << why;

  const std::string missing = folder.Path() + "/missing.xm";
  why.clear();
  EXPECT_EQ(LoadModuleFile(missing.c_str(), why), nullptr);
  EXPECT_NE(why.find(missing), std::string::npos) << why;
  EXPECT_EQ(why.find("is not a module"), std::string::npos) << why;
}
