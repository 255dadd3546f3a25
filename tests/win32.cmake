# The 32-bit Windows program's suite, under Wine.
add_subdirectory(windows)
