#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrel::batch {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The whole tool: the arguments after the program name in, the exit status out.
int runBatchTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vantrel::batch
