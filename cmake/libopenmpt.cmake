# libopenmpt for the Windows and web builds: Debian's source package, fetched with `apt-get source`
# and built by cmake/libopenmpt/ as a static library with this build's cross compiler. Both
# are cached outside the build folder (DEMO_DEPS_CACHE, else ~/.cache/demo-deps), keyed by
# source version, compiler version and compile flags, so fresh clones on the same machine build
# it once.
# Defines the imported target openmpt_static. The including platform may set
# DEMO_OPENMPT_CXX_FLAGS (flags the library needs beyond the toolchain's) and
# DEMO_OPENMPT_SYSTEM_LIBRARIES (what a program linking it needs from the system).

if(DEFINED ENV{DEMO_DEPS_CACHE})
  set(deps_cache "$ENV{DEMO_DEPS_CACHE}")
else()
  set(deps_cache "$ENV{HOME}/.cache/demo-deps")
endif()

# The version `apt-get source` would fetch, from the name of the package's .dsc file.
execute_process(COMMAND apt-get source --print-uris libopenmpt
  OUTPUT_VARIABLE uris ERROR_VARIABLE uris_error RESULT_VARIABLE uris_result)
if(NOT uris_result EQUAL 0 OR NOT uris MATCHES "libopenmpt_([^ ]+)\\.dsc")
  message(FATAL_ERROR "Cannot find Debian's libopenmpt source package (is a deb-src entry "
    "configured? scripts/setup.sh adds one): ${uris_error}")
endif()
set(openmpt_version "${CMAKE_MATCH_1}")
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpfullversion
  OUTPUT_VARIABLE compiler_version OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT compiler_version)  # em++ answers only -dumpversion
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpversion
    OUTPUT_VARIABLE compiler_version OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
  OUTPUT_VARIABLE compiler_target OUTPUT_STRIP_TRAILING_WHITESPACE)
set(openmpt_source "${deps_cache}/libopenmpt-${openmpt_version}-source")
# The toolchain's flags (the 32-bit Windows build's SSE2 arithmetic) apply to the library too.
set(openmpt_cxx_flags "${CMAKE_CXX_FLAGS} ${DEMO_OPENMPT_CXX_FLAGS}")
string(STRIP "${openmpt_cxx_flags}" openmpt_cxx_flags)
string(MD5 flags_key "${openmpt_cxx_flags}")
string(SUBSTRING "${flags_key}" 0 8 flags_key)
set(openmpt_prefix "${deps_cache}/libopenmpt-${openmpt_version}-${compiler_target}-gcc-${compiler_version}-${flags_key}")

# Each step works in a scratch folder and renames it into place when it is complete, so an
# interrupted run never leaves a half-made cache entry behind. The source is shared by every
# build of it, and builds configured at the same time (test.sh runs legs side by side) take
# turns fetching it.
file(MAKE_DIRECTORY "${deps_cache}")
file(LOCK "${openmpt_source}.lock" GUARD FILE TIMEOUT 1800)
if(NOT EXISTS "${openmpt_source}/Makefile.am")
  message(STATUS "Fetching libopenmpt ${openmpt_version} source into ${openmpt_source}")
  set(scratch "${openmpt_source}.partial")
  file(REMOVE_RECURSE "${scratch}")
  file(MAKE_DIRECTORY "${scratch}")
  execute_process(COMMAND apt-get source -qq libopenmpt WORKING_DIRECTORY "${scratch}"
    RESULT_VARIABLE fetch_result)
  file(GLOB unpacked LIST_DIRECTORIES true "${scratch}/libopenmpt-*/")
  list(FILTER unpacked EXCLUDE REGEX "\\.(dsc|gz|xz)$")
  if(NOT fetch_result EQUAL 0 OR NOT unpacked)
    message(FATAL_ERROR "apt-get source libopenmpt failed in ${scratch}")
  endif()
  file(RENAME "${unpacked}" "${openmpt_source}")
  file(REMOVE_RECURSE "${scratch}")
endif()
file(LOCK "${openmpt_source}.lock" RELEASE)

if(NOT EXISTS "${openmpt_prefix}/lib/libopenmpt.a")
  # NOTICE, not STATUS: a quiet build (./release.sh) still says why it takes minutes.
  message(NOTICE "Building libopenmpt ${openmpt_version} for ${CMAKE_SYSTEM_NAME} from Debian's "
    "source package into ${openmpt_prefix}: this takes several minutes, once per machine")
  set(scratch "${openmpt_prefix}.partial")
  file(REMOVE_RECURSE "${scratch}")
  # Each step must succeed (checked by hand: CMake 3.18, the portable build's, has no
  # COMMAND_ERROR_IS_FATAL).
  foreach(step configure build install)
    if(step STREQUAL configure)
      set(command ${CMAKE_COMMAND} -S "${CMAKE_CURRENT_LIST_DIR}/libopenmpt" -B "${scratch}/build"
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
        -DOPENMPT_SOURCE_DIR=${openmpt_source} -DCMAKE_INSTALL_PREFIX=${scratch}/install
        "-DCMAKE_CXX_FLAGS=${openmpt_cxx_flags}")
    elseif(step STREQUAL build)
      set(command ${CMAKE_COMMAND} --build "${scratch}/build" -j 2)
    else()
      set(command ${CMAKE_COMMAND} --install "${scratch}/build")
    endif()
    execute_process(COMMAND ${command} RESULT_VARIABLE step_result)
    if(NOT step_result EQUAL 0)
      message(FATAL_ERROR "libopenmpt's ${step} step failed in ${scratch}")
    endif()
  endforeach()
  file(RENAME "${scratch}/install" "${openmpt_prefix}")
  file(REMOVE_RECURSE "${scratch}")
endif()

add_library(openmpt_static STATIC IMPORTED)
set_target_properties(openmpt_static PROPERTIES
  IMPORTED_LOCATION "${openmpt_prefix}/lib/libopenmpt.a"
  INTERFACE_INCLUDE_DIRECTORIES "${openmpt_prefix}/include")
set_target_properties(openmpt_static PROPERTIES
  INTERFACE_LINK_LIBRARIES "${DEMO_OPENMPT_SYSTEM_LIBRARIES}")
