# The services the tests and the screenshot need, for scripts to source:
#   start_xvfb LOG_DIR [WxH]  a virtual X server on a free display, 1920x1200 unless given;
#                             sets XVFB_DISPLAY (":N")
#   start_cups LOG_DIR    the print spooler with a cups-pdf queue "PDF" as the default printer
#   stop_services         stops what these started; already running services are left alone
# A sourcing script should `trap stop_services EXIT`.

started_pids=()

stop_services() {
    local pid
    for pid in "${started_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    started_pids=()
}

# wait_until WHAT COMMAND...: retries COMMAND for up to ten seconds.
wait_until() {
    local what=$1
    shift
    for _ in $(seq 100); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "$what did not come up" >&2
    return 1
}

start_xvfb() {
    local log_dir=$1 size=${2:-1920x1200}
    local display_file=$log_dir/xvfb-$size.display
    rm -f "$display_file"
    # -displayfd: Xvfb takes the first free display number and writes it once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$display_file" >"$log_dir/xvfb-$size.log" 2>&1 &
    started_pids+=($!)
    wait_until "Xvfb (see $log_dir/xvfb-$size.log)" test -s "$display_file"
    XVFB_DISPLAY=:$(head -n1 "$display_file")
}

# Root's print jobs land in /root/PDF, another user's in that user's ~/PDF.
start_cups() {
    local log_dir=$1
    local as_root=()
    ((EUID == 0)) || as_root=(sudo)
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        setsid "${as_root[@]}" /usr/sbin/cupsd -f >"$log_dir/cupsd.log" 2>&1 &
        started_pids+=($!)
        wait_until "cupsd (see $log_dir/cupsd.log)" sh -c "lpstat -r | grep -q 'is running'"
    fi
    # lpadmin warns on every call that printer drivers are deprecated: show its words only on failure.
    local output
    output=$("${as_root[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>&1) ||
        { echo "$output" >&2; return 1; }
    lpoptions -d PDF >/dev/null
}
