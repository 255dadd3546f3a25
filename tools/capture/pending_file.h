// A file written under a temporary name beside its final one and renamed only when complete,
// so an interrupted or failed capture never leaves a half-written file under the final name.
#pragma once

#include <string>

class PendingFile {
 public:
  PendingFile() = default;
  // Removes the temporary file unless it was committed.
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Creates an empty temporary file in finalPath's folder, readable as a new file there
  // would be. False, with the reason in error, when that folder cannot be written or
  // finalPath is a folder.
  bool Create(const std::string& finalPath, std::string& error);
  const std::string& TemporaryPath() const { return temporaryPath_; }
  // Renames the temporary file to the final name. False, with the reason in error, if that
  // fails (the temporary file is then removed).
  bool Commit(std::string& error);

 private:
  std::string finalPath_;
  std::string temporaryPath_;
};
