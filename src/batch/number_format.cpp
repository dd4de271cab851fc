#include "batch/number_format.h"

#include "text/locale_free_numbers.h"

namespace vantrel::batch {

std::string shortestText(double value) {
  return vantrel::shortestText(value);
}
std::string shortestText(float value) {
  return vantrel::shortestText(value);
}

}  // namespace vantrel::batch
