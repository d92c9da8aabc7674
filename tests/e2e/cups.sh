# A private CUPS server with one queue, the default, that writes each job as a PDF file.
# It listens on a socket of its own (CUPS_SERVER), so the machine's own printing is left
# alone. Needs root (the PDF backend only runs for a root cupsd). Sourced by run.sh.
#
# start_cups FOLDER: the server's files go in FOLDER, the PDFs in FOLDER/out. The filters run
# as lp, so the folders above FOLDER must let lp through.
# Returns non-zero, having said why, when the server cannot be had here.

# The backend reads its settings from /etc/cups, shared by every run on the machine: each run
# has an instance of its own, or two runs at once send each other's PDFs elsewhere.
CUPS_PDF_INSTANCE=orvelles-e2e-$$
CUPS_PDF_CONF=/etc/cups/cups-pdf-$CUPS_PDF_INSTANCE.conf

start_cups() {
    local dir="$1"
    CUPS_DIR="$dir"
    CUPS_OUT="$dir/out"
    if [ "$(id -u)" -ne 0 ]; then
        echo "printing: skipped, a private CUPS server needs root"
        return 1
    fi
    if [ ! -x /usr/sbin/cupsd ] || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
        echo "printing: skipped, cups or printer-driver-cups-pdf is missing"
        return 1
    fi
    mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log} "$CUPS_OUT"
    chmod 0755 "$dir" "$dir/etc"
    # The filters run as lp and copy the job into TempDir.
    chmod 1777 "$CUPS_OUT" "$dir/spool/tmp"
    cat > "$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
Sandboxing Relaxed
EOF
    cat > "$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
PreserveJobFiles Yes
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat > "$CUPS_PDF_CONF" <<EOF
Out $CUPS_OUT
Label 1
AnonDirName $CUPS_OUT
UserUMask 0000
EOF
    /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        > "$dir/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
    export CUPS_SERVER="$dir/cups.sock"
    if ! wait_until 100 lpstat -r > /dev/null 2>&1; then
        echo "printing: skipped, cupsd would not start here:"
        sed 's/^/    /' "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -n 5
        stop_cups
        return 1
    fi
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
    # A scheduler that has just answered can still drop the next connection while it settles
    # ("Bad file descriptor"); making the queue is tried for a few seconds.
    if ! wait_until 50 lpadmin -p OrvellesPDF -E -v "cups-pdf:/$CUPS_PDF_INSTANCE" -P "$ppd" ||
        ! wait_until 50 lpadmin -d OrvellesPDF; then
        echo "printing: skipped, the PDF queue could not be made"
        stop_cups
        return 1
    fi
    return 0
}

# The document the program sent as job N, as CUPS keeps it in its spool.
job_document() { printf '%s/spool/d%05d-001\n' "$CUPS_DIR" "$1"; }

# Waits for the queue to empty and for N PDF files; prints their names, oldest first.
wait_pdfs() {
    local want="$1"
    pdfs_ready() {
        [ -z "$(lpstat -o 2>/dev/null)" ] &&
            [ "$(find "$CUPS_OUT" -name '*.pdf' | wc -l)" -ge "$want" ]
    }
    wait_until 300 pdfs_ready || return 1
    ls -1tr "$CUPS_OUT"/*.pdf
}

stop_cups() {
    if [ -n "${CUPS_PID:-}" ]; then
        kill "$CUPS_PID" 2>/dev/null
        wait "$CUPS_PID" 2>/dev/null
    fi
    CUPS_PID=
    rm -f "$CUPS_PDF_CONF"
    unset CUPS_SERVER
}
