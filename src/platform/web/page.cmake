# The web page: index.html (the page shell in web/), index.js and index.wasm beside the music.
add_executable(demo platform/web/web_main.cpp)
target_link_libraries(demo PRIVATE demo_host demo_platform_web)
set(shell ${PROJECT_SOURCE_DIR}/web/shell.html)
set_target_properties(demo PROPERTIES OUTPUT_NAME index SUFFIX .html LINK_DEPENDS ${shell})
target_link_options(demo PRIVATE
  -fexceptions
  --shell-file ${shell}
  # Emscripten 3.1.6 crashes minifying its HTML output.
  -sMINIFY_HTML=0
  -sALLOW_MEMORY_GROWTH=1
  # The page starts the demo after a click or a key, once sound is allowed and music.xm is in.
  -sINVOKE_RUN=0
  -sFORCE_FILESYSTEM=1
  "-sEXPORTED_RUNTIME_METHODS=['callMain','FS']"
  "-sEXPORTED_FUNCTIONS=['_main','_PlayAgain','_FillWebAudio']")
# Debian's emscripten runs its JavaScript optimiser with node, which finds Debian's acorn
# package only through NODE_PATH; set here so any way of building the folder links.
set_property(TARGET demo PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")
