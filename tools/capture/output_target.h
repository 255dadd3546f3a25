// Where a capture's bytes go. A regular file (new or existing, named directly or through
// symbolic links) is written under a temporary name in its own folder and renamed over it
// when complete, so the links stay and the file changes in one step. Anything else that can
// be written - "-" for standard output, a pipe, a terminal, a device - gets the bytes streamed
// as they are made; such a file is never replaced.
#pragma once

#include <string>

#include "pending_file.h"

class OutputTarget {
 public:
  OutputTarget() = default;
  // Closes a stream it opened; removes a temporary file that was not committed.
  ~OutputTarget();
  OutputTarget(const OutputTarget&) = delete;
  OutputTarget& operator=(const OutputTarget&) = delete;

  // Prepares out for writing. False, with the reason in error, when it is a folder, cannot be
  // written, or its folder cannot hold a temporary file.
  bool Open(const std::string& out, std::string& error);

  bool Streamed() const { return stream_ >= 0; }
  // A streamed target's file descriptor.
  int Stream() const { return stream_; }
  // A file target's temporary path, to be written and then committed.
  const std::string& TemporaryPath() const { return file_.TemporaryPath(); }
  // Puts a complete file in place; nothing to do for a stream.
  bool Commit(std::string& error);
  // The target for messages: the name given, or "standard output".
  const std::string& Name() const { return name_; }

 private:
  PendingFile file_;
  int stream_ = -1;
  bool ownsStream_ = false;
  std::string name_;
};

// The path a chain of symbolic links starting at path ends in (path itself when it is no
// link); relative links count from the folder holding them. The end need not exist. False,
// with the reason in error, on a loop or an unreadable link.
bool FollowLinks(const std::string& path, std::string& end, std::string& error);
