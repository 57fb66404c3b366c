The red cross with a colour header.
#d
   0:   white   background
   1:#  black   the default colour
   r:%  #FF0000 red
: rows
1 1r 1
3
1 1r 1
: columns
3
1r 1 1r
3
: end
