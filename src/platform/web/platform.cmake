# The web platform library: canvas, WebGL, browser events and Web Audio, with GL 1.1 over
# WebGL and the shared module decoding.
add_library(demo_platform STATIC
  platform/module_decoder.cpp
  platform/module_file.cpp
  platform/module_render.cpp
  platform/web/fixed_function.cpp
  platform/web/frame_batch.cpp
  platform/web/gl_matrix.cpp
  platform/web/web_audio_player.cpp
  platform/web/web_platform.cpp)
target_include_directories(demo_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# libopenmpt reports unreadable modules with exceptions, which emscripten turns off by default.
target_compile_options(demo_platform PRIVATE -fexceptions)
target_link_libraries(demo_platform PRIVATE openmpt_static)
