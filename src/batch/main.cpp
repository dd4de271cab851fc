#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "batch/batch_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  try {
    return vantrel::batch::runBatchTool(arguments, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "qeb-vantrel-batch: there is not enough memory to finish the run\n";
    return vantrel::batch::kExitFailed;
  } catch (const std::exception& error) {
    // A failure of the system underneath (memory, file system) ends the run with a reason.
    std::cerr << "qeb-vantrel-batch: " << error.what() << "\n";
    return vantrel::batch::kExitFailed;
  }
}
