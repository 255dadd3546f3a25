# SDL2 for the web build: Debian's source package, fetched with `apt-get source` and built with
# this build's emscripten as a static library (video on a canvas with WebGL, audio through Web
# Audio). Emscripten's own SDL2 port would be downloaded at link time, which an offline
# machine cannot do. Source and library are cached outside the build folder as
# cmake/libopenmpt.cmake caches libopenmpt (DEMO_DEPS_CACHE, else ~/.cache/demo-deps), keyed by
# source version and emscripten version. Defines the imported target sdl2_static.

if(DEFINED ENV{DEMO_DEPS_CACHE})
  set(deps_cache "$ENV{DEMO_DEPS_CACHE}")
else()
  set(deps_cache "$ENV{HOME}/.cache/demo-deps")
endif()

execute_process(COMMAND apt-get source --print-uris libsdl2
  OUTPUT_VARIABLE uris ERROR_VARIABLE uris_error RESULT_VARIABLE uris_result)
if(NOT uris_result EQUAL 0 OR NOT uris MATCHES "libsdl2_([^ ]+)\\.dsc")
  message(FATAL_ERROR "Cannot find Debian's libsdl2 source package (is a deb-src entry "
    "configured? scripts/setup.sh adds one): ${uris_error}")
endif()
set(sdl2_version "${CMAKE_MATCH_1}")
execute_process(COMMAND ${CMAKE_C_COMPILER} -dumpversion
  OUTPUT_VARIABLE compiler_version OUTPUT_STRIP_TRAILING_WHITESPACE)
set(sdl2_source "${deps_cache}/libsdl2-${sdl2_version}-source")
set(sdl2_prefix "${deps_cache}/libsdl2-${sdl2_version}-emscripten-${compiler_version}")

# Each step works in a scratch folder and renames it into place when it is complete, so an
# interrupted run never leaves a half-made cache entry behind.
if(NOT EXISTS "${sdl2_source}/CMakeLists.txt")
  message(STATUS "Fetching libsdl2 ${sdl2_version} source into ${sdl2_source}")
  set(scratch "${sdl2_source}.partial")
  file(REMOVE_RECURSE "${scratch}")
  file(MAKE_DIRECTORY "${scratch}")
  execute_process(COMMAND apt-get source -qq libsdl2 WORKING_DIRECTORY "${scratch}"
    RESULT_VARIABLE fetch_result)
  file(GLOB unpacked LIST_DIRECTORIES true "${scratch}/libsdl2-*/")
  list(FILTER unpacked EXCLUDE REGEX "\\.(dsc|gz|xz)$")
  if(NOT fetch_result EQUAL 0 OR NOT unpacked)
    message(FATAL_ERROR "apt-get source libsdl2 failed in ${scratch}")
  endif()
  file(RENAME "${unpacked}" "${sdl2_source}")
  file(REMOVE_RECURSE "${scratch}")
endif()

if(NOT EXISTS "${sdl2_prefix}/lib/libSDL2.a")
  message(STATUS "Building SDL2 ${sdl2_version} for the web into ${sdl2_prefix} "
    "(once per machine; several minutes)")
  set(scratch "${sdl2_prefix}.partial")
  file(REMOVE_RECURSE "${scratch}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${sdl2_source}" -B "${scratch}/build"
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
      -DSDL_STATIC=ON -DSDL_SHARED=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON
      -DCMAKE_INSTALL_PREFIX=${scratch}/install
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} --build "${scratch}/build" -j 2
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${scratch}/build"
    COMMAND_ERROR_IS_FATAL ANY)
  file(RENAME "${scratch}/install" "${sdl2_prefix}")
  file(REMOVE_RECURSE "${scratch}")
endif()

add_library(sdl2_static STATIC IMPORTED)
set_target_properties(sdl2_static PROPERTIES
  IMPORTED_LOCATION "${sdl2_prefix}/lib/libSDL2.a"
  INTERFACE_INCLUDE_DIRECTORIES "${sdl2_prefix}/include/SDL2"
  # As -I, ahead of the SDL headers of emscripten's own (SDL 1) on its system include path.
  IMPORTED_NO_SYSTEM ON)
