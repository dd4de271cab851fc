#include <iostream>

int main() {
  std::cerr << "usage: qeb-vantrel-batch [--workdir DIR] [--json] [--plots DIR] ACTION...\n";
  return 2;
}
