// A fresh empty folder for one test, removed with everything in it when the test ends; it can
// also be made the working directory for as long as it lives.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::path(::testing::TempDir()) / name) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    if (!previous_.empty()) std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Makes this folder the working directory until it is removed.
  void Enter() {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  // Writes a file with the given text into the folder; returns its path.
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name) << text;
    return (path_ / name).string();
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};
