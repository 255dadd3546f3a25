# The text file that goes into each archive: what the demo is, how to run it, what it needs,
# its controls and credits. Sourced by make_release.sh; print_notes PLATFORM.

print_notes() {
  local platform=$1
  shift
  cat <<TEXT
${RELEASE_TITLE}
$(printf '%*s' ${#RELEASE_TITLE} '' | tr ' ' '=')

A small self-running real-time demo: an 800 x 600 picture with its own tracker-module
soundtrack (music.xm), in two scenes built from one cube.

  1. The blob grid (about 31 seconds): a 16 x 16 x 16 lattice of cubes where two soft
     blobs swim through a sphere, merge and part.
  2. The cube crosses (until you quit): four nested crosses of cubes swinging about two
     axes while the camera travels around them.

Lines of text type themselves out over each scene.

TEXT
  if [ "$platform" = web ]; then
    cat <<'TEXT'
How to open it
--------------
The demo is a web page: index.html, with its program inside, and its music (music.js) beside
it; keep the two files together. Open index.html in the browser (double-click it), or
serve the folder: upload it to a party site's HTML demo section or any web space, or on your
own machine run, in the folder,

  python3 -m http.server 8000

and open http://localhost:8000/. Click, tap or press a key to start: browsers
allow sound only after one.

What it needs
-------------
A browser with WebGL and Web Audio (it is tested in Chromium and Firefox), on a desktop, a
phone or a tablet. Nothing to install.
TEXT
  elif [ "$platform" = windows ]; then
    cat <<'TEXT'
How to run
----------
Keep demo.exe and music.xm together in one folder and double-click demo.exe (or run
"demo.exe --window" from a command prompt for a window). Only the picture opens, no console
window; if the demo has to stop, a message box says why. Started from a command prompt, it
writes what it has to say there instead ("demo.exe --help" lists the options).

What it needs
-------------
Windows (32-bit or 64-bit) with OpenGL on a processor with SSE2 (every PC since the Pentium 4
and Athlon 64), or Wine on Linux. Nothing to install: every library is linked in, and the
program uses only DLLs that come with Windows.
TEXT
  else
    cat <<'TEXT'
How to run
----------
Keep demo, run and music.xm together in one folder and start ./run (or ./demo; add --window
for a window). Without a display the demo says so and exits.

What it needs
-------------
Linux on x86-64 with glibc 2.31 or newer (Debian 11, Ubuntu 20.04 and every later release),
an X11 or Wayland desktop and an OpenGL driver. Nothing to install: SDL2, libopenmpt and the
C++ runtime are linked in. The program loads what every desktop has: OpenGL through
libGL.so.1, the X11 or Wayland client libraries, and ALSA or PulseAudio for the sound
(without either it plays silent).
TEXT
  fi
  if [ "$platform" = web ]; then
    cat <<TEXT

Controls
--------
  Mouse        steers the camera: left/right orbits, up/down lowers/raises the eye
  Finger       dragged over the picture, steers as the mouse does
  Esc          ends the demo (on a touch screen: the End button), then offers to play again
  F            switches full screen on and off (as does the Full screen button)
  Sharp        the start screen's Sharp picture toggle (or index.html?sharp) draws the
               picture at the screen's own resolution instead of scaling up 800 x 600 pixels
TEXT
  else
    cat <<TEXT

Controls
--------
  Mouse        steers the camera: left/right orbits, up/down lowers/raises the eye
  Esc          ends the demo (as does closing the window)
  Alt+Enter    switches between full screen and an 800 x 600 window
  --window     starts in the window (resizable; the picture keeps its 4:3 shape)
  --sharp      draws the picture at the size of the screen's 4:3 area instead of scaling up
               800 x 600 pixels: sharp edges and text on a big screen
  --help       lists the options
TEXT
  fi
  cat <<TEXT

Credits
-------
Code, graphics and music: ${RELEASE_CREDITS}.
Built with SDL2, libopenmpt and OpenGL; for Windows with mingw-w64; for the web with
emscripten.
TEXT
}
