# The web page's suite, in headless Chromium.
add_subdirectory(web)
