# Sourced by run.sh and the scenario runner. gw_copy_samples SAMPLES LIST DEST copies the sample
# files named in LIST (one name a line, written by CMake from its list) from SAMPLES into DEST,
# and nothing else that lies in SAMPLES.
gw_copy_samples() {
  mkdir -p "$3" || return 1
  while IFS= read -r gw_name; do
    [ -n "$gw_name" ] || continue
    cp "$1/$gw_name" "$3/$gw_name" || return 1
  done < "$2"
}
