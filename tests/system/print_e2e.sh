#!/usr/bin/env bash
# End-to-end printing: a private CUPS server with a PDF printer as the default printer. The
# program prints a worksheet, its solutions, a grid sheet, the teacher's page (whose text
# must hold the totals of the board answered), the hidden numbers' sheet and solution
# (read back cell by cell: empty where the program says it hides a number) and the counting
# sheet and solution (read back cell by cell: grey on the solution where the program's count
# goes); the PDFs must come
# out with one page each and must not be blank. Then, with a printer that rejects jobs and with no print
# system at all, printing must do nothing and say nothing.
#
# Everything lives in one temporary folder: the server's configuration, spool, logs and socket,
# and its own ServerBin, which lends the machine's CUPS filters but has a single backend of our
# own, "pdfout", that stores each job as it arrives (a PDF, made by CUPS's own pdftopdf filter)
# in the folder named by the device URI. Nothing is written under /etc, /var or the user's
# home, so a run that is stopped halfway leaves the machine's printer set-up as it was; the
# machine's own CUPS, if any, is left alone. The server is told to stop when this script dies,
# however it dies, and only it is stopped here. Works as root (the server then runs filters and
# the backend as "lp") and as an ordinary user.
set -euo pipefail
jobs_bin="$(realpath "$1")"
work="$(mktemp -d -t print_e2e.XXXXXX)"
chmod 755 "$work"
cupsd_pid="" jobs_pid=""
# Runs on every exit; bash runs it too when the script is stopped with SIGTERM or SIGINT.
cleanup() {
    local pid
    for pid in $jobs_pid $cupsd_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# The program runs in the background so that a signal to this script is handled at once.
run_jobs() {
    timeout 120 "$jobs_bin" "$@" 2>/dev/null &
    jobs_pid=$!
    local rc=0
    wait "$jobs_pid" || rc=$?
    jobs_pid=""
    return "$rc"
}

mkdir -p "$work"/{root,spool,state,cache,log,home} "$work/tmp" "$work/out"
chmod 1777 "$work/tmp" "$work/out"

# ServerBin: the machine's filters and helpers, and our backend instead of the machine's.
bin="$work/serverbin"
mkdir -p "$bin/backend"
for d in /usr/lib/cups/*/; do
    d="${d%/}"
    [[ "${d##*/}" == backend ]] || ln -s "$d" "$bin/${d##*/}"
done
cat >"$bin/backend/pdfout" <<'BACKEND'
#!/bin/sh
# pdfout:/folder - stores each job, as it comes out of the filters, as folder/job-ID.pdf.
if [ $# -eq 0 ]; then
    echo 'direct pdfout "Unknown" "PDF file in a folder"'
    exit 0
fi
dir="${DEVICE_URI#pdfout:}"
[ -d "$dir" ] || { echo "ERROR: no folder $dir" >&2; exit 1; }
part="$dir/.job-$1.part"
if [ $# -ge 6 ]; then cat -- "$6" >"$part"; else cat >"$part"; fi || exit 1
chmod 644 "$part" && mv -f "$part" "$dir/job-$1.pdf" || exit 1
echo "INFO: stored $dir/job-$1.pdf" >&2
BACKEND
chmod 755 "$bin/backend/pdfout"

# A PDF printer: CUPS lays the program's PDF out on the page (pdftopdf) and hands it over.
cat >"$work/pdfout.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFOUT.PPD"
*Manufacturer: "Quadena"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Page Region: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/Letter: "0 0 612 792"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
PPD

cat >"$work/root/cups-files.conf" <<CONF
ServerRoot $work/root
ServerBin $bin
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

export CUPS_SERVER="$work/cups.sock" QT_QPA_PLATFORM=offscreen HOME="$work/home"
unset CUPS_SERVERROOT CUPS_SERVERBIN CUPS_DATADIR CUPS_STATEDIR CUPS_CACHEDIR
setpriv --pdeathsig TERM cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" \
    >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# lpstat -r says whether the server answers, but always exits with 0.
scheduler_up() { [[ "$(LC_ALL=C lpstat -r 2>/dev/null)" == "scheduler is running" ]]; }
for _ in $(seq 100); do scheduler_up && break; sleep 0.2; done
if ! scheduler_up; then
    echo "FAIL: the private CUPS server did not start"
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null | tail -n 20
    exit 1
fi
# lpadmin warns that printer drivers are deprecated: shown only when it fails.
if ! msg=$(lpadmin -p PDF -E -v "pdfout:$work/out" -P "$work/pdfout.ppd" 2>&1 && lpadmin -d PDF 2>&1); then
    echo "FAIL: the PDF printer could not be set up"
    echo "$msg"
    exit 1
fi

failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

run_jobs >"$work/jobs.out" || fail "printing through the program"
cat "$work/jobs.out"
for _ in $(seq 120); do [[ -z "$(lpstat -o 2>/dev/null)" ]] && break; sleep 0.5; done
[[ -z "$(lpstat -o 2>/dev/null)" ]] && pass "every job left the queue" || fail "jobs still queued"

# Job numbers give the order the program printed in.
mapfile -t pdfs < <(ls -d "$work/out"/job-*.pdf 2>/dev/null | sort -V)
[[ ${#pdfs[@]} -eq 8 ]] && pass "eight PDFs" || fail "${#pdfs[@]} PDFs instead of eight"
names=(worksheet solutions "grid sheet" "results page" "hidden numbers' sheet" "its solution"
    "counting sheet" "its solution")
for i in "${!pdfs[@]}"; do
    pages=$(pdfinfo "${pdfs[$i]}" 2>/dev/null | awk '/^Pages:/ {print $2}')
    rm -f "$work/page.pgm"
    pdftoppm -r 40 -gray -singlefile "${pdfs[$i]}" "$work/page" 2>/dev/null || true
    dark=$([[ -f "$work/page.pgm" ]] && od -An -tu1 -v -j 20 "$work/page.pgm" \
        | awk '{for (i = 1; i <= NF; i++) if ($i < 128) n++} END {print n + 0}' || echo 0)
    if [[ "$pages" == 1 && "$dark" -gt 200 ]]; then
        pass "${names[$i]:-job $i}: $pages page, $dark dark pixels at 40 dpi"
    else
        fail "${names[$i]:-job $i}: ${pages:-no} pages, ${dark:-no} dark pixels"
        sed 's/^/    /' "$work/log/error_log" 2>/dev/null | tail -n 20 || true
    fi
done

# The teacher's page holds the totals of the board answered, as text.
results_text=$([[ ${#pdfs[@]} -ge 4 ]] && pdftotext "${pdfs[3]}" - 2>/dev/null || true)
if grep -q "trovare i numeri da 0 a 99: 1 esatte, 1 errate, 50% esatte" <<<"$results_text"; then
    pass "the results page reads back with its totals"
else
    fail "the results page's totals: $(head -c 300 <<<"$results_text")"
fi

# The hidden numbers' two pages, read back at 100 dpi against the numbers the program hid.
hidden=$(sed -n 's/^hidden://p' "$work/jobs.out")
read_back() {
    [[ ${#pdfs[@]} -ge 6 && -n "$hidden" ]] || return 1
    pdftoppm -r 100 -gray -singlefile "${pdfs[4]}" "$work/sheet" &&
        pdftoppm -r 100 -gray -singlefile "${pdfs[5]}" "$work/solution" &&
        run_jobs --read-back "$work/sheet.pgm" "$work/solution.pgm" $hidden >"$work/read-back.out"
}
if read_back; then
    pass "the hidden numbers' sheet reads back: $(tr '\n' ' ' <"$work/read-back.out")"
else
    fail "the hidden numbers' sheet: $(cat "$work/read-back.out" 2>/dev/null | tr '\n' ' ')"
fi

# The counting sheet's two pages, read back against the numbers of the program's count.
counted=$(sed -n 's/^counted://p' "$work/jobs.out")
read_back_counted() {
    [[ ${#pdfs[@]} -ge 8 && -n "$counted" ]] || return 1
    pdftoppm -r 100 -gray -singlefile "${pdfs[6]}" "$work/count-sheet" &&
        pdftoppm -r 100 -gray -singlefile "${pdfs[7]}" "$work/count-solution" &&
        run_jobs --read-back-counted "$work/count-sheet.pgm" "$work/count-solution.pgm" $counted \
            >"$work/read-back-counted.out"
}
if read_back_counted; then
    pass "the counting sheet reads back: $(tr '\n' ' ' <"$work/read-back-counted.out")"
else
    fail "the counting sheet: $(cat "$work/read-back-counted.out" 2>/dev/null | tr '\n' ' ')"
fi

# A printer that rejects jobs: printing does nothing visible and says nothing.
cupsreject PDF 2>/dev/null
if run_jobs --no-printer >"$work/rejecting.out"; then
    pass "a printer that rejects jobs: $(grep -v "^hidden:\|^counted:" "$work/rejecting.out" | head -n 2 | tr '\n' ' ')"
else
    fail "a printer that rejects jobs"
fi

kill "$cupsd_pid"; wait "$cupsd_pid" 2>/dev/null || true
cupsd_pid=""
# No print system: the socket is gone.
if run_jobs --no-printer >"$work/no-printer.out"; then
    pass "$(tail -n 1 "$work/no-printer.out")"
else
    fail "no print system"
fi
[[ $(ls -A "$work/out" | wc -l) -eq ${#pdfs[@]} ]] \
    && pass "nothing more was printed" || fail "something was printed without a print system"

echo "$((13 - failed)) passed, $failed failed"
exit $((failed > 0))
