// gwtool: command-line work on puzzle files, without a window.
#include <cstdio>

int main(int, char**) {
  std::fprintf(stderr, "usage: gwtool solve FILE\n");
  return 2;
}
