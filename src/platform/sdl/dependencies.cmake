# The Linux platform's dependencies, all Debian packages: SDL2, libopenmpt and OpenGL,
# and for the tools beside the demo FreeType, fontconfig and libpng. DEMO_PORTABLE builds the
# demo alone for any x86-64 Linux instead (portable_dependencies.cmake).
option(DEMO_PORTABLE "Build only the demo, for any x86-64 Linux with glibc as old as the \
build's: SDL2, libopenmpt and the C++ runtime linked in" OFF)
if(DEMO_PORTABLE)
  include(${CMAKE_CURRENT_LIST_DIR}/portable_dependencies.cmake)
  return()
endif()

find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(OPENMPT REQUIRED IMPORTED_TARGET libopenmpt)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
find_package(PNG REQUIRED)

add_library(demo_sdl2 INTERFACE)
target_link_libraries(demo_sdl2 INTERFACE PkgConfig::SDL2)
add_library(demo_openmpt INTERFACE)
target_link_libraries(demo_openmpt INTERFACE PkgConfig::OPENMPT)
# The music file is read with POSIX calls.
set(DEMO_MODULE_FILE_SOURCES platform/module_file.cpp)
set(DEMO_BUILD_TOOLS ON)
# The web page's GL layer is built too, for the GL tests that compare it with Mesa (its
# drawing uses GLES2 calls, which Mesa's libGL has).
set(DEMO_GL_LAYER ON)
