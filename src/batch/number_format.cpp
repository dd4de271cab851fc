#include "batch/number_format.h"

#include <array>
#include <charconv>

namespace vantrel::batch {
namespace {

template <typename Number>
std::string shortest(Number value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string shortestText(double value) {
  return shortest(value);
}
std::string shortestText(float value) {
  return shortest(value);
}

}  // namespace vantrel::batch
