Test puzzle nonny-tree
#d
   a:a  #2F4F6F  colour 1
   b:b  #5E9EDE  colour 2
   c:c  #8DEE4D  colour 3
: rows
0
2c
4c
5c
6c
8c
6c
8c
2b
4a 2b 4a
: columns
1a
1c 1c 1a
5c 1a
6c 1a
7c 2b
7c 2b
6c 1a
4c 1a
1c 1c 1a
1a
: end
