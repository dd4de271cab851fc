#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return vantrel::batch::runBatchTool(arguments, std::cout, std::cerr);
}
