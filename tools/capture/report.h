// demo-capture's messages on stderr and the exit statuses that go with them: 0 done,
// 1 a fault while working (or ffmpeg missing), 2 bad command line or output path,
// 128 + the signal when interrupted.
#pragma once

#include <string>

// "demo-capture: message" on a line of its own.
void Report(const std::string& message);
// Reports message and returns 1.
int ReportFailure(const std::string& message);
// Reports message followed by the usage text and returns 2.
int ReportUsageError(const std::string& message);
// Says that nothing was written (or, when the output was streamed, that it stops short) and
// returns 128 + the signal that interrupted us.
int ReportInterrupted(bool streamed);
