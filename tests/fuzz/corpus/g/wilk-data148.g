Test puzzle wilk-data148
: rows
3
2 1
3 2
2 2
6
1 5
6
1
2
: columns
1 2
3 1
1 5
7 1
5
3
4
3
: end
