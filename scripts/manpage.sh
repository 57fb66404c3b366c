#!/bin/sh
# manpage.sh OUT PROGRAM NAME VERSION SUMMARY README SECTION...: writes the manual page of NAME
# to OUT. Its synopsis is the program's own --help, its description the README's text
# (the opening paragraph for ":intro", else the section under each heading named, such as
# "### gwtool", down to the next heading of the same or a higher level), converted with lowdown,
# so the manual is never a copy that could fall behind either.
set -eu
out=$1 program=$2 name=$3 version=$4 summary=$5 readme=$6
shift 6
upper=$(printf %s "$name" | tr '[:lower:]' '[:upper:]')

# The README's Markdown for one section; links inside the repository become their text.
section() {
  if [ "$1" = ":intro" ]; then
    awk 'NR > 1 && /^$/ && seen { exit } NR > 1 && /^[^#!]/ { seen = 1; print }' "$readme"
  else
    awk -v heading="$1" '
      $0 == heading { level = index($0, " "); on = 1; next }
      on && /^#+ / && index($0, " ") <= level { exit }
      on { print }' "$readme"
  fi | sed -e 's/\[\([^]]*\)\]([^):]*)/\1/g'
}

# The manual is the English one, whatever the language of whoever builds it.
help=$(LANGUAGE=en LC_MESSAGES=en_US.UTF-8 LC_ALL= "$program" --help 2>&1)
exec > "$out.part"
printf '.TH "%s" "1" "" "Gridwick %s" "User Commands"\n.SH NAME\n%s \\- %s\n' "$upper" "$version" "$name" "$summary"
{
  printf '# SYNOPSIS\n\n'
  # The usage names the program as it was called: the manual names it as installed.
  printf '%s\n' "$help" | sed -e "s|^\\([Uu]sage: \\)[^ ]*/$name|\\1$name|" -e 's/^/    /'
  printf '\n# DESCRIPTION\n\n'
  for heading in "$@"; do
    section "$heading"
    printf '\n'
  done
  printf '# SEE ALSO\n\n'
  for other in gridwick gwtool; do
    [ "$other" = "$name" ] || printf '**%s**(1)\n' "$other"
  done
} | lowdown -Tman
mv "$out.part" "$out"
