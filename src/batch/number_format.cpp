#include "batch/number_format.h"

#include "text/number_chars.h"

namespace vantrel::batch {

std::string shortestText(double value) {
  return vantrel::shortestText(value);
}
std::string shortestText(float value) {
  return vantrel::shortestText(value);
}

}  // namespace vantrel::batch
