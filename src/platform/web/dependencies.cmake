# The web page's dependencies: libopenmpt built from Debian's source package with emscripten;
# the browser gives the rest. GL 1.1 is the page's own layer over WebGL (src/fixed_function).
# Emscripten leaves C++ exceptions off unless asked, and libopenmpt reports bad input with them.
set(DEMO_OPENMPT_CXX_FLAGS -fexceptions)
include(cmake/libopenmpt.cmake)
add_library(OpenGL::GL INTERFACE IMPORTED)

add_library(demo_openmpt INTERFACE)
# libopenmpt reports unreadable modules with exceptions, which emscripten turns off by default.
target_compile_options(demo_openmpt INTERFACE -fexceptions)
target_link_libraries(demo_openmpt INTERFACE openmpt_static)
set(DEMO_MODULE_FILE_SOURCES platform/module_file.cpp)
set(DEMO_BUILD_TOOLS OFF)
set(DEMO_GL_LAYER ON)
