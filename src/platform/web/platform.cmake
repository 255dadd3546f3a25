# The web platform library: canvas, WebGL, browser events and Web Audio, with GL 1.1 over WebGL.
add_library(demo_platform_web STATIC
  platform/web/fixed_function.cpp
  platform/web/frame_batch.cpp
  platform/web/web_audio_player.cpp
  platform/web/web_platform.cpp)
target_compile_options(demo_platform_web PRIVATE -fexceptions)
target_link_libraries(demo_platform_web PUBLIC demo_platform OpenGL::GL
  PRIVATE demo_gl_matrix openmpt_static)
demo_target_options(demo_platform_web)
