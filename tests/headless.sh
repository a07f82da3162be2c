#!/bin/sh
# Runs a test program against a real X display with software OpenGL and a
# silent audio driver. Inside an existing display (the suite usually runs under
# one xvfb-run) it only sets the drivers.
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-x11}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1280x720x24 -noreset" "$@"
fi
exec "$@"
