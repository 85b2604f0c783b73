#!/usr/bin/env bash
# Installs what Plotvik needs to build and test on Debian 12, only when it is missing.
# Sourced by run.sh and test.sh.
PLOTVIK_PAKKER=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2
                libgsl-dev libfast-float-dev libfmt-dev
                libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
                xvfb xauth librsvg2-bin desktop-file-utils appstream dpkg-dev)
PLOTVIK_PAKKER+=(qt6-translations-l10n)  # Qt's own texts (buttons, file dialogs) in Danish
PLOTVIK_PAKKER+=(qt6-serialport-dev)  # live capture from a serial measuring device
# The end-to-end tests: real key presses and clicks, screenshots, the clipboard.
PLOTVIK_PAKKER+=(xdotool imagemagick xclip file)
plotvik_installer() {
  local mangler=()
  for pakke in "${PLOTVIK_PAKKER[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pakke" 2>/dev/null | grep -q "install ok installed"; then
      mangler+=("$pakke")
    fi
  done
  if ((${#mangler[@]})); then
    echo "Installerer: ${mangler[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${mangler[@]}" </dev/null
  fi
}
