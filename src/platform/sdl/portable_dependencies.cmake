# The portable demo's dependencies (DEMO_PORTABLE), for a program that starts on any x86-64
# Linux whose glibc is at least the build system's, with nothing to install:
# - SDL2 as a static library whose video and audio back-ends (X11, Wayland, ALSA, PulseAudio)
#   it loads at run time, found through the pkg-config file of SDL2_PREFIX
#   (scripts/build-portable-linux.sh builds it so);
# - libopenmpt as a static library without external codecs (cmake/libopenmpt.cmake);
# - the C++ runtime and libgcc linked in;
# - OpenGL through libGL.so.1, which every desktop with a GL driver has.
# Only the demo is built; its glyph table comes from another build of the same source
# (DEMO_GLYPH_TABLE), so it draws the same text without FreeType, fontconfig or the font.
set(SDL2_PREFIX "" CACHE PATH "Where the static SDL2 is installed")
set(DEMO_GLYPH_TABLE "" CACHE FILEPATH "The glyph table source another build generated")
if(NOT EXISTS "${SDL2_PREFIX}/lib/pkgconfig/sdl2.pc" OR NOT EXISTS "${DEMO_GLYPH_TABLE}")
  message(FATAL_ERROR "DEMO_PORTABLE needs SDL2_PREFIX (a static SDL2) and DEMO_GLYPH_TABLE")
endif()

find_package(PkgConfig REQUIRED)
set(ENV{PKG_CONFIG_PATH} "${SDL2_PREFIX}/lib/pkgconfig")
pkg_check_modules(SDL2 REQUIRED sdl2)
add_library(demo_sdl2 INTERFACE)
target_include_directories(demo_sdl2 INTERFACE ${SDL2_STATIC_INCLUDE_DIRS})
target_link_libraries(demo_sdl2 INTERFACE ${SDL2_STATIC_LDFLAGS})

set(OpenGL_GL_PREFERENCE LEGACY)
find_package(OpenGL REQUIRED)

include(cmake/libopenmpt.cmake)
add_library(demo_openmpt INTERFACE)
target_link_libraries(demo_openmpt INTERFACE openmpt_static)

add_link_options(-static-libstdc++ -static-libgcc)
set(DEMO_MODULE_FILE_SOURCES platform/module_file.cpp)
set(DEMO_BUILD_TOOLS OFF)
set(DEMO_GL_LAYER OFF)
