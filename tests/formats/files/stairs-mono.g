A monochrome puzzle: the text before the first line starting with # or : is ignored.
: rows
1
2
3
: columns
3
2
1
: end
