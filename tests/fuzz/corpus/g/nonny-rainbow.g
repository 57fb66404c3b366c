Test puzzle nonny-rainbow
#d
   a:a  #2F4F6F  colour 1
   b:b  #5E9EDE  colour 2
   c:c  #8DEE4D  colour 3
   d:d  #BD3DBC  colour 4
: rows
4a
1a 4b 1a
1a 2b 2c 2b 1a
1a 2b 1c 2d 1c 2b 1a
1a 1b 1c 1d 1d 1c 1b 1a
: columns
2a
1a 2b
1a 2b 1c
1a 2b 1c 1d
1a 1b 1c 1d
1a 1b 1c 1d
1a 2b 1c 1d
1a 2b 1c
1a 2b
2a
: end
