#!/usr/bin/env bash
# End-to-end printing: a private CUPS server (its own folder and socket, so the machine's own
# CUPS is left alone) with a cups-pdf queue as the default printer. The program prints a
# worksheet, its solutions and a grid sheet; the PDFs must come out with one page each and
# must not be blank. Then, with no print system at all, printing must do nothing and say
# nothing. cups-pdf's output folder is set in /etc/cups/cups-pdf.conf, which is put back as
# it was; only the processes started here are stopped.
set -euo pipefail
# The CUPS server runs the cups-pdf backend as root only when it runs as root itself.
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=PATH "$0" "$@"
jobs_bin="$(realpath "$1")"
work="$(mktemp -d)"
chmod 755 "$work"
conf=/etc/cups/cups-pdf.conf
cupsd_pid=""
cleanup() {
    [[ -n "$cupsd_pid" ]] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null || true
    [[ -f "$work/cups-pdf.conf.saved" ]] && cp -p "$work/cups-pdf.conf.saved" "$conf"
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{root,spool,state,cache,log} "$work/tmp" "$work/out"
chmod 1777 "$work/tmp" "$work/out"
cat >"$work/root/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
StateDir $work/state
CacheDir $work/cache
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
CONF
cat >"$work/root/cupsd.conf" <<CONF
Listen $work/cups.sock
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cp -p "$conf" "$work/cups-pdf.conf.saved"
sed -i "s|^#\?Out .*|Out $work/out|; s|^#\?AnonDirName .*|AnonDirName $work/out|" "$conf"

export CUPS_SERVER="$work/cups.sock" QT_QPA_PLATFORM=offscreen
cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d PDF

failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

timeout 120 "$jobs_bin" 2>/dev/null || fail "printing through the program"
for _ in $(seq 120); do [[ -z "$(lpstat -o 2>/dev/null)" ]] && break; sleep 0.5; done
[[ -z "$(lpstat -o 2>/dev/null)" ]] && pass "every job left the queue" || fail "jobs still queued"
sleep 1

mapfile -t pdfs < <(ls -tr "$work/out"/*.pdf 2>/dev/null)
[[ ${#pdfs[@]} -eq 3 ]] && pass "three PDFs" || fail "${#pdfs[@]} PDFs instead of three"
names=(worksheet solutions "grid sheet")
for i in "${!pdfs[@]}"; do
    pages=$(pdfinfo "${pdfs[$i]}" 2>/dev/null | awk '/^Pages:/ {print $2}')
    pdftoppm -r 40 -gray -singlefile "${pdfs[$i]}" "$work/page" 2>/dev/null
    dark=$(od -An -tu1 -v -j 20 "$work/page.pgm" | awk '{for (i = 1; i <= NF; i++) if ($i < 128) n++} END {print n + 0}')
    if [[ "$pages" == 1 && "$dark" -gt 200 ]]; then
        pass "${names[$i]:-job $i}: $pages page, $dark dark pixels at 40 dpi"
    else
        fail "${names[$i]:-job $i}: ${pages:-no} pages, ${dark:-no} dark pixels"
    fi
done

kill "$cupsd_pid"; wait "$cupsd_pid" 2>/dev/null || true
cupsd_pid=""
# No print system: the socket is gone.
if out=$(timeout 120 "$jobs_bin" --no-printer 2>/dev/null); then
    pass "$(tail -n 1 <<<"$out")"
else
    fail "no print system"
fi
[[ -z "$(ls -A "$work/out")" || ${#pdfs[@]} -eq $(ls "$work/out" | wc -l) ]] \
    && pass "nothing more was printed" || fail "something was printed without a print system"

echo "$((7 - failed)) passed, $failed failed"
exit $((failed > 0))
