# The Linux program's suite: unit (no GL), gl (offscreen context), e2e (the real binary under
# Xvfb), audio.
find_package(GTest REQUIRED)
include(GoogleTest)

# No test may reach a real sound device. (The offscreen window forces offscreen video itself.)
# Pictures are drawn by Mesa's software rasteriser (llvmpipe) whatever GPU the machine has, so
# compared pixels mean the same everywhere: GLX (the demo on Xvfb) and EGL (offscreen) alike.
set(software_gl LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe __GLX_VENDOR_LIBRARY_NAME=mesa)
find_file(MESA_EGL_VENDOR 50_mesa.json
  PATHS /usr/share/glvnd/egl_vendor.d /etc/glvnd/egl_vendor.d NO_DEFAULT_PATH)
if(MESA_EGL_VENDOR)
  list(APPEND software_gl __EGL_VENDOR_LIBRARY_FILENAMES=${MESA_EGL_VENDOR})
endif()
set(test_environment SDL_AUDIODRIVER=dummy ${software_gl})

# Each test's time limit, sized to it with room for a busy machine, so a hang fails in
# seconds rather than at CTest's default of 25 minutes; three times as long in the sanitizer
# build, which runs that much slower. Listing a test program's cases runs it once at build
# time; that gets room too.
set(time_scale 1)
if(DEMO_SANITIZE)
  set(time_scale 3)
endif()
math(EXPR unit_test_timeout "10 * ${time_scale}")
math(EXPR gl_test_timeout "30 * ${time_scale}")
math(EXPR audio_test_timeout "30 * ${time_scale}")
math(EXPR gtest_discovery_timeout "20 * ${time_scale}")

# Every .cpp in a folder belongs to that folder's test program.
file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/unit/*.cpp)
add_executable(unit_tests ${unit_sources} support/recording_platform.cpp)
target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(unit_tests PRIVATE demo_host demo_capture display_simulation glyph_rasteriser
  soundtrack_composer GTest::gtest_main)
demo_target_options(unit_tests)
demo_test_program(unit_tests)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT ${gtest_discovery_timeout}
  PROPERTIES LABELS unit TIMEOUT ${unit_test_timeout} ENVIRONMENT "${test_environment}")

file(GLOB gl_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gl/*.cpp)
add_executable(gl_tests ${gl_sources} sanitizer_options.cpp)
target_include_directories(gl_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gl)
# Mesa's GLU is the reference the demo's own perspective and look-at are held against.
target_link_libraries(gl_tests PRIVATE demo_host demo_capture demo_fixed_function OpenGL::GLU
  PNG::PNG GTest::gtest GTest::gtest_main)
demo_target_options(gl_tests)
demo_test_program(gl_tests)
gtest_discover_tests(gl_tests DISCOVERY_TIMEOUT ${gtest_discovery_timeout}
  PROPERTIES LABELS gl TIMEOUT ${gl_test_timeout} ENVIRONMENT "${test_environment}")

# End-to-end: shell scripts that start the real demo, each on its own Xvfb server.
add_executable(send_close_request e2e/send_close_request.cpp)
target_link_libraries(send_close_request PRIVATE X11)
demo_target_options(send_close_request)
add_executable(write_test_module e2e/write_test_module.cpp)
target_include_directories(write_test_module PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(write_test_module PRIVATE soundtrack_composer)
demo_target_options(write_test_module)

# Seconds each script may take, room for a busy machine included; 120 unless named here.
set(e2e_timeout_test_bad_music_runs_silent 180)
set(e2e_timeout_test_capture_output_targets 240)
set(e2e_timeout_test_capture_video 180)
set(e2e_timeout_test_scenes_follow_cursor 480)
set(e2e_timeout_test_release_linux_archive_runs 300)
set(e2e_timeout_test_release_reproducible 240)
set(e2e_timeout_test_release_runs_on_debian_11_and_13 900)
set(e2e_timeout_test_window_cursor 300)
set(e2e_timeout_test_window_mode 240)
set(e2e_timeout_test_capture_long_streams_sound 240)
set(e2e_timeout_test_capture_size 180)
set(e2e_timeout_test_setup_steps_on_debian_13 900)
file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/test_*.sh)
# The portable program the release ships (scripts/build-portable-linux.sh; test.sh builds it
# there before the Linux suite).
set(DEMO_PORTABLE_DIR ${PROJECT_SOURCE_DIR}/build/portable CACHE PATH
  "Where scripts/build-portable-linux.sh wrote the portable demo")
set(e2e_environment
  DEMO=$<TARGET_FILE:demo>
  DEMO_PORTABLE_PROGRAM=${DEMO_PORTABLE_DIR}/demo
  DEMO_BUILD_DIR=${CMAKE_BINARY_DIR}
  SEND_CLOSE_REQUEST=$<TARGET_FILE:send_close_request>
  DEMO_CAPTURE=$<TARGET_FILE:demo-capture>
  WRITE_TEST_MODULE=$<TARGET_FILE:write_test_module>
  ${test_environment})
foreach(script ${e2e_scripts})
  get_filename_component(name ${script} NAME_WE)
  set(timeout 120)
  if(DEFINED e2e_timeout_${name})
    set(timeout ${e2e_timeout_${name}})
  endif()
  add_test(NAME e2e_${name} COMMAND bash ${script})
  set_tests_properties(e2e_${name} PROPERTIES
    LABELS e2e TIMEOUT ${timeout} SKIP_RETURN_CODE 77 ENVIRONMENT "${e2e_environment}")
endforeach()
# Without root (or the portable program) it says why and is skipped.
set_tests_properties(e2e_test_release_runs_on_debian_11_and_13 PROPERTIES SKIP_RETURN_CODE 77)

add_subdirectory(audio)
# Draws the offscreen frame that best matches a screenshot of the demo, for the e2e tests.
add_executable(match_frame e2e/match_frame.cpp)
target_link_libraries(match_frame PRIVATE demo_host demo_platform_offscreen)
demo_target_options(match_frame)
