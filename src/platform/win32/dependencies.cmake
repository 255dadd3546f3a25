# The Windows platform's dependencies: the system's OpenGL, and libopenmpt built from
# Debian's source package with the cross compiler.
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
set(DEMO_OPENMPT_SYSTEM_LIBRARIES ole32 rpcrt4)
include(cmake/libopenmpt.cmake)
# mingw-w64's GL headers include all of windows.h unless these are defined, and its macros
# rename our own PeekMessage, DefWindowProc and FreeModule. Only src/platform/win32/
# includes windows.h (through windows_api.h, which redefines these as windows.h does).
add_compile_definitions("WINGDIAPI=__declspec(dllimport)" "APIENTRY=__stdcall"
  "CALLBACK=__stdcall")

add_library(demo_openmpt INTERFACE)
target_link_libraries(demo_openmpt INTERFACE openmpt_static)
# The C runtime opens files in text mode unless told otherwise, so the music file is read
# with Win32 calls.
set(DEMO_MODULE_FILE_SOURCES platform/win32/module_file.cpp platform/win32/windows_api.cpp)
set(DEMO_BUILD_TOOLS OFF)
set(DEMO_GL_LAYER OFF)
