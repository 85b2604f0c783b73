# Shared helpers of the end-to-end tests: the built program runs as a process
# of its own on a virtual X server and is driven with real key presses and
# mouse clicks (xdotool). Sourced by each test after setting E2E_NAVN:
#   source lib.sh; e2e_start BYGGEMAPPE PROGRAM KILDEMAPPE
# Each test gets a fresh home folder, so no earlier run's recovery file,
# settings or example copies reach it. A failure leaves a picture of the
# whole screen in BYGGEMAPPE/e2e-fejl/E2E_NAVN.png.
set -uo pipefail
# E2E_SPOR=1 traces every step with the seconds since the start.
if [ -n "${E2E_SPOR:-}" ]; then PS4='+ $SECONDS '; set -x; fi

E2E_SKIP=77
E2E_PROGRAM_PID=""
E2E_XVFB_PID=""
E2E_TMP=""
E2E_HOVED=""
E2E_MAERKE="intet kopieret"

# ---------------------------------------------------------------- start and end

e2e_start() {
    E2E_BYG=$1 E2E_PLOTVIK=$2 E2E_KILDE=$3
    # Without an X server or a way to press keys there is nothing to drive.
    for v in Xvfb xdotool; do
        if ! command -v "$v" >/dev/null; then
            echo "Springes over: $v findes ikke (scripts/installer.sh installerer det)"
            exit $E2E_SKIP
        fi
    done
    for v in import convert xclip; do
        if ! command -v "$v" >/dev/null; then
            echo "FEJL: $v findes ikke; scripts/installer.sh installerer det"
            exit 1
        fi
    done
    rm -f "$E2E_BYG/e2e-fejl/${E2E_NAVN:-e2e}.png"
    if [ ! -x "$E2E_PLOTVIK" ]; then
        echo "FEJL: programmet $E2E_PLOTVIK findes ikke"
        exit 1
    fi
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/plotvik-e2e.XXXXXX")
    trap e2e_ryd_op EXIT
    trap 'exit 1' INT TERM
    export HOME=$E2E_TMP/hjem
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # The program chooses its own language: the test must not depend on the
    # machine's locale, and a Danish message must come from the program.
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    # test.sh runs everything offscreen; this program needs the X server.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
    e2e_start_skaerm
}

# Xvfb picks a free display itself and writes its number once it accepts
# clients, so parallel tests never collide and no fixed wait is needed.
e2e_start_skaerm() {
    local fd_fil=$E2E_TMP/skaerm
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_fil" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    local i
    for ((i = 0; i < 200; i++)); do
        if [ -s "$fd_fil" ] && grep -q '[0-9]' "$fd_fil"; then
            export DISPLAY=:$(tr -dc '0-9' <"$fd_fil")
            return 0
        fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    cat "$E2E_TMP/xvfb.log"
    echo "FEJL: Xvfb kunne ikke starte"
    exit 1
}

e2e_ryd_op() {
    local kode=$?
    e2e_stop_plotvik
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ -n "$E2E_TMP" ] && [ -z "${PLOTVIK_BEHOLD_TEMP:-}" ]; then rm -rf "$E2E_TMP"; fi
    exit $kode
}

# The program with the given arguments, its output in the temporary folder.
e2e_start_plotvik() {
    # In the test's own folder: a file it writes by a relative name stays there.
    (cd "$E2E_TMP" && exec "$E2E_PLOTVIK" "$@") >>"$E2E_TMP/plotvik.log" 2>&1 &
    E2E_PROGRAM_PID=$!
    # Out of the job table: its SIGKILL is the test's doing, not news.
    disown "$E2E_PROGRAM_PID"
}

# SIGKILL, as a crash or a power cut ends it: nothing of its own runs.
e2e_stop_plotvik() {
    if [ -n "$E2E_PROGRAM_PID" ]; then
        kill -KILL "$E2E_PROGRAM_PID" 2>/dev/null
        local i
        for ((i = 0; i < 100; i++)); do
            kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || break
            sleep 0.05
        done
        E2E_PROGRAM_PID=""
    fi
}

# ---------------------------------------------------------------- failing

e2e_skaermbillede() {
    local mappe=$E2E_BYG/e2e-fejl
    mkdir -p "$mappe"
    import -window root "$mappe/${E2E_NAVN:-e2e}.png" 2>/dev/null &&
        echo "Skærmbillede: $mappe/${E2E_NAVN:-e2e}.png"
}

# Ends the test as failed, also from inside $(...): the message goes to
# stderr, not into the variable, and the test itself is stopped.
e2e_fejl() {
    {
        echo "FEJL (${E2E_NAVN:-e2e}): $*"
        e2e_skaermbillede
        if [ -s "$E2E_TMP/plotvik.log" ]; then
            echo "---- programmets uddata"
            tail -n 20 "$E2E_TMP/plotvik.log"
        fi
    } >&2
    if [ "$BASHPID" != "$$" ]; then kill -TERM $$; fi
    exit 1
}

# ---------------------------------------------------------------- waiting

# Polls CMD until it succeeds, at most SEKUNDER: true if it did.
e2e_vent() {
    local sekunder=$1
    shift
    local slut=$((SECONDS + sekunder))
    while ! "$@"; do
        ((SECONDS < slut)) || return 1
        if [ -n "$E2E_PROGRAM_PID" ] && ! kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; then
            # One last look: the program may have done it and then ended.
            "$@"
            return
        fi
        sleep 0.1
    done
}

# A shown window of the program whose title matches the extended regular
# expression: prints its id (the newest where several match).
e2e_find_vindue() {
    local id sidste=""
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID" 2>/dev/null); do
        if xdotool getwindowname "$id" 2>/dev/null | grep -Eq -- "$1"; then sidste=$id; fi
    done
    [ -n "$sidste" ] && echo "$sidste"
}

# The main window: the program's one wide window (its title changes with
# the project; the dialogs and boxes are smaller).
e2e_find_hovedvindue() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID" 2>/dev/null); do
        local b
        b=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')
        if [ -n "$b" ] && ((b >= 700)) && xdotool getwindowname "$id" | grep -q 'Plotvik$'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# The start-up screen goes at a click or a key, as for any user in a hurry:
# a key where E2E_KUN_TASTATUR is set (a journey without the mouse).
e2e_hovedvindue_efter_klik() {
    e2e_find_hovedvindue >/dev/null && return 0
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID" 2>/dev/null); do
        xdotool getwindowname "$id" 2>/dev/null | grep -qx 'Plotvik' || continue
        if [ -n "${E2E_KUN_TASTATUR:-}" ]; then
            e2e_fokus "$id"
            xdotool key space
        else
            xdotool mousemove --window "$id" 200 140 click 1
        fi
    done
    return 1
}

e2e_vent_hovedvindue() {
    e2e_vent "${1:-20}" e2e_hovedvindue_efter_klik || e2e_fejl "programmets vindue kom ikke frem"
    E2E_HOVED=$(e2e_find_hovedvindue)
    e2e_fokus "$E2E_HOVED"
}

# Any other shown window of the program (a dialog or a message box), the
# newest first: the title is not used, as Qt's own dialogs are named in the
# language of its translations.
e2e_find_dialog() {
    local id sidste=""
    for id in $(xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID" 2>/dev/null); do
        [ "$id" = "${E2E_HOVED:-}" ] && continue
        # Qt's small helper windows are 1x1 or 3x3.
        local b
        b=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')
        [ -n "$b" ] && ((b > 20)) && sidste=$id
    done
    [ -n "$sidste" ] && echo "$sidste"
}

# Waits for a dialog, gives it the keyboard and prints its id.
e2e_vent_dialog() {
    local sekunder=${1:-15}
    e2e_vent "$sekunder" e2e_find_dialog >/dev/null || e2e_fejl "ingen dialog kom frem efter $sekunder s"
    local id
    id=$(e2e_find_dialog)
    e2e_fokus "$id"
    echo "$id"
}

e2e_ingen_dialog() { ! e2e_find_dialog >/dev/null; }
e2e_vent_ingen_dialog() {
    e2e_vent "${1:-15}" e2e_ingen_dialog || e2e_fejl "dialogen lukkede ikke"
    e2e_fokus "$E2E_HOVED"
}

e2e_program_endt() { ! kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; }

e2e_vist() { xdotool search --onlyvisible --pid "$E2E_PROGRAM_PID" 2>/dev/null | grep -qx "$1"; }
e2e_lukket() { ! e2e_vist "$1"; }

# Waits for a dialog, answers it with the keys and waits until that dialog
# has gone (another may open right after it). The keyboard goes back to the
# main window when no other dialog is shown.
e2e_svar_dialog() {
    local id
    id=$(e2e_vent_dialog)
    e2e_tast "$@"
    e2e_vent 15 e2e_lukket "$id" || e2e_fejl "dialogen lukkede ikke ved tasterne $*"
    e2e_ingen_dialog && e2e_fokus "$E2E_HOVED"
    return 0
}

# Waits for such a window, gives it the keyboard and prints its id.
e2e_vent_vindue() {
    local moenster=$1 sekunder=${2:-15}
    if ! e2e_vent "$sekunder" e2e_find_vindue "$moenster" >/dev/null; then
        e2e_fejl "intet vindue med titlen /$moenster/ efter $sekunder s"
    fi
    local id
    id=$(e2e_find_vindue "$moenster")
    e2e_fokus "$id"
    echo "$id"
}

e2e_vent_fil() {
    local fil=$1 sekunder=${2:-15}
    e2e_vent "$sekunder" test -s "$fil" || e2e_fejl "filen $fil blev ikke skrevet inden for $sekunder s"
}

# Waits until a file has stopped growing (the program writes it whole, but
# a picture may be written in steps).
e2e_vent_fil_faerdig() {
    local fil=$1 foer=-1 nu
    e2e_vent_fil "$fil" "${2:-15}"
    nu=$(stat -c %s "$fil")
    while [ "$nu" != "$foer" ]; do
        sleep 0.2
        foer=$nu
        nu=$(stat -c %s "$fil")
    done
}

# ---------------------------------------------------------------- input

# There is no window manager: the keyboard goes to a window by X's own focus.
e2e_fokus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Real key presses (XTEST) into the window that has the focus.
e2e_tast() { xdotool key --delay 30 "$@"; }
e2e_skriv() { xdotool type --delay 12 -- "$1"; }

# A left click at X,Y inside the window (the main window when only X Y).
e2e_klik() {
    [ -z "${E2E_KUN_TASTATUR:-}" ] || e2e_fejl "et klik i en test uden mus"
    if (($# == 2)); then set -- "$E2E_HOVED" "$@"; fi
    # No --sync: it never returns when the pointer is there already. The
    # server takes the move and the click in order all the same.
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Types a full file name into a file dialog that has just opened, and
# accepts it: the name field has the keyboard when the dialog opens.
e2e_vaelg_fil() {
    local id
    id=$(e2e_vent_dialog)
    e2e_tast ctrl+a
    e2e_skriv "$1"
    e2e_tast Return
    e2e_vent 15 e2e_lukket "$id" || e2e_fejl "fildialogen tog ikke imod $1"
    e2e_ingen_dialog && e2e_fokus "$E2E_HOVED"
    return 0
}

# ---------------------------------------------------------------- what is shown

# True when the main window's title matches the extended regular expression.
e2e_titel_er() { xdotool getwindowname "$E2E_HOVED" 2>/dev/null | grep -Eq -- "$1"; }

# The clipboard's text as the program put it there (empty when none).
e2e_udklip() { xclip -o -selection clipboard 2>/dev/null; }

# Clicks the cell at X,Y of a grid, copies it with Ctrl+C and prints what the
# clipboard got: only a grid that is shown can be clicked, so this reads the
# values the user sees.
e2e_kopier_celle() {
    # A mark of our own first, so that an old copy is never read as new.
    # (xclip keeps it until another takes the clipboard, or the X server ends.)
    printf '%s' "$E2E_MAERKE" | xclip -selection clipboard -i >/dev/null 2>&1
    e2e_fokus "$E2E_HOVED"
    e2e_klik "$1" "$2"
    e2e_tast ctrl+c
    local i
    for ((i = 0; i < 20; i++)); do
        [ "$(e2e_udklip)" != "$E2E_MAERKE" ] && break
        sleep 0.1
    done
    e2e_udklip | tr -d '\r' | grep -vxF "$E2E_MAERKE"
}

# The value of a table cell as the grid shows it: clicks it at X,Y and
# copies. A grid under program-controlled input copies the whole table (its
# header row first); then the cell is taken from row RAEKKE, column SOEJLE.
e2e_celle() {
    local x=$1 y=$2 raekke=$3 soejle=$4 tekst
    tekst=$(e2e_kopier_celle "$x" "$y")
    if [ "$(wc -l <<<"$tekst")" -le 1 ] && [[ $tekst != *$'\t'* ]]; then
        printf '%s\n' "$tekst"
    else
        awk -F '\t' -v r=$((raekke + 1)) -v k="$soejle" 'NR == r { print $k }' <<<"$tekst"
    fi
}

# The number of colours of a picture file.
e2e_antal_farver() { convert "$1" -format '%k' info: 2>/dev/null; }
