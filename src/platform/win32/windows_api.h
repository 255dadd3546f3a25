// windows.h (and mmsystem.h) for the Win32 platform files, without the macros that would rename our
// own PeekMessage, DefWindowProc and FreeModule; and the system's text for an error code.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
// The build predefines these for the GL headers; windows.h gives them their own definitions.
#undef WINGDIAPI
#undef APIENTRY
#undef CALLBACK
#include <windows.h>
// waveOut, which WIN32_LEAN_AND_MEAN leaves out.
#include <mmsystem.h>
#undef PeekMessage
#undef DefWindowProc
#undef FreeModule

#include <string>

// What FormatMessage says about an error code from GetLastError, on one line. Code 0 means the
// call failed without saying why, and is reported as that (never as "success").
std::string SystemErrorText(DWORD code);
