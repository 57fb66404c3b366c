#!/bin/sh
# cups_print_test.sh TEST_QT: prints the test puzzle on the system's default printer, the path the
# print dialog takes, and checks the page the printer made. The printer is a CUPS PDF printer
# (packages cups and printer-driver-cups-pdf) set up here; a CUPS server started here is stopped
# again, and a printer added here is removed. Without root, cupsd or the driver it skips (77).
set -u
test_qt=$1
printer=CUPS-PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
started=""
added=""
old_default=""
log=$(mktemp)

skip() {
  echo "cups print test skipped: $*"
  exit 77
}

cleanup() {
  rm -f "$log"
  [ -n "$added" ] && lpadmin -x "$printer" 2>/dev/null
  [ -n "$old_default" ] && lpadmin -d "$old_default" 2>/dev/null
  if [ -n "$started" ]; then
    kill "$started" 2>/dev/null
    wait "$started" 2>/dev/null
  fi
}

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

[ "$(id -u)" -eq 0 ] || skip "starting cupsd needs root"
for tool in cupsd lpadmin lpstat pdftoppm; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -f "$ppd" ] || skip "the PDF printer driver is not installed (printer-driver-cups-pdf)"
trap cleanup EXIT

if ! scheduler_running; then
  cupsd -f &  # in the foreground, so that its process id is the one to stop
  started=$!
  tries=0
  until scheduler_running; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && skip "cupsd did not start"
    sleep 0.1
  done
fi
if ! lpstat -p "$printer" >/dev/null 2>&1; then
  lpadmin -p "$printer" -v cups-pdf:/ -P "$ppd" -E 2>/dev/null || skip "the PDF printer could not be added"
  added=yes
fi
old_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
lpadmin -d "$printer" || skip "the PDF printer could not be made the default"

# Where the PDF printer writes a job of this user: the "Out" folder of its configuration.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
[ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
out=$(printf '%s' "$out" | sed "s|\${HOME}|$home|g; s|\${USER}|$user|g")
mkdir -p "$out"

QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} GW_CUPS_PDF_DIR="$out" \
  "$test_qt" --gtest_filter='QtPrinterPage.TheDefaultPrinterPrintsThePage' > "$log" 2>&1
status=$?
cat "$log"
grep -q '^\[  PASSED  \] 1 test' "$log" || status=1
exit "$status"
