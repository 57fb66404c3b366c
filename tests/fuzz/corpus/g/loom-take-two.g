Test puzzle loom-take-two
#d
   a:a  #2F4F6F  colour 1
   b:b  #5E9EDE  colour 2
: rows
5b 1b 1b
2b 2b 2b 2b
1b 1a 4b 1a
1b 5a 2b
2b 3b 1a 2a 1b
5b 1b 1a 1b
1b 1b 1a 1b 2b
1a 5b 1a 1b
5a 2a 1b 1b
3a 2a 1b 2b
3a 2a 1b 1b
3a 1a 1a 1b 3b
3a 2a 1b 1b 2a
5a 1b 1b 2a
3a 1b 1b 2a
: columns
1b 1b 1b 6a
2b 2b 1b 6a
1b 1b 1b 7a
1b 1b 1b 1a 2a
1b 1b 1b 1a 2a
2b 2b 1b 2a
1b 1b 1b 2a
1b 4b
1b 9a
2b 1a 4a
1b 2a 8b
1b 2a 1b
2b 1a 2b 1b 5b
1b 1a 1b 1b 1b 1b 3a
1b 1b 1b 1b 1b 3a
: end
