# The web page's suite, in headless Chromium and in Firefox ESR.
add_subdirectory(web)
