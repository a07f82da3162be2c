# Sourced by the test scripts. Mesa unloads its software driver when the
# display closes, and with it the driver's own pointers to the memory it
# keeps; a sanitized run that preloads the driver keeps it mapped, so that
# memory stays reachable instead of turning up as a leak.

# Prints the path of Mesa's software driver, or nothing where none is found.
software_driver() {
  for driver in /usr/lib/*/dri/swrast_dri.so /usr/lib/dri/swrast_dri.so; do
    if [ -f "$driver" ]; then
      echo "$driver"
      return 0
    fi
  done
  return 0
}
