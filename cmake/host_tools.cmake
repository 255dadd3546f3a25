# The tools the build runs: the soundtrack composer (writes music.xm beside the demo) and the
# glyph table generator (writes the font's source for src/text). A native build makes them as
# ordinary targets; a cross build makes them for the build machine with ExternalProject from
# this same source tree. Sets DEMO_MAKE_GLYPH_TABLE and DEMO_HOST_TOOLS (what a rule running them depends on).
# A build given another build's glyph table (DEMO_GLYPH_TABLE, the portable demo) makes neither:
# its archive takes music.xm from that build too.
if(DEMO_GLYPH_TABLE)
  return()
elseif(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(host_dir ${CMAKE_BINARY_DIR}/host-tools)
  set(compose ${host_dir}/compose_soundtrack)
  set(DEMO_MAKE_GLYPH_TABLE ${host_dir}/make_glyph_table)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_dir}
    CMAKE_ARGS -DDEMO_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_dir} --target compose_soundtrack
      make_glyph_table
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${compose} ${DEMO_MAKE_GLYPH_TABLE})
  set(DEMO_HOST_TOOLS host_tools ${compose} ${DEMO_MAKE_GLYPH_TABLE})
else()
  add_subdirectory(tools/compose)
  add_subdirectory(tools/glyph_table)
  set(compose $<TARGET_FILE:compose_soundtrack>)
  set(DEMO_MAKE_GLYPH_TABLE $<TARGET_FILE:make_glyph_table>)
  set(DEMO_HOST_TOOLS compose_soundtrack make_glyph_table)
endif()

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/music.xm
  COMMAND ${compose} ${CMAKE_BINARY_DIR}/music.xm
  DEPENDS ${DEMO_HOST_TOOLS}
  COMMENT "Composing music.xm")
add_custom_target(soundtrack ALL DEPENDS ${CMAKE_BINARY_DIR}/music.xm)
