Test puzzle sgt-pattern-5x5-s3
: rows
1
3
1
4
3
: columns
1
2
2 2
1 1
3
: end
