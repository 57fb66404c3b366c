#d
  1 black
: rows
1
: columns
1
