# The web platform library: canvas, WebGL, browser events and Web Audio, with GL 1.1 over WebGL
# (the GL's global names bound to src/fixed_function's layer).
add_subdirectory(fixed_function)
add_library(demo_platform_web STATIC
  platform/web/web_audio_player.cpp
  platform/web/web_platform.cpp)
target_compile_options(demo_platform_web PRIVATE -fexceptions)
target_link_libraries(demo_platform_web PUBLIC demo_platform demo_gl_entry_points
  PRIVATE openmpt_static)
demo_target_options(demo_platform_web)
