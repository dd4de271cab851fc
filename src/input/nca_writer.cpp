#include "input/nca_writer.h"

#include <algorithm>

#include "text/locale_free_numbers.h"

namespace vantrel {

std::string fixedEightDecimals(double value) {
  // Written whatever the locale, so a window that has set a comma locale still writes a point.
  std::string text = fixedText(value, 8);
  const bool allZero = text.find_first_not_of("-0.") == std::string::npos;
  if (allZero && !text.empty() && text.front() == '-') text.erase(0, 1);
  return text;
}

std::string stationDataFile(std::string_view name, std::string_view description,
                            const StationTable& stations) {
  std::string text;
  text.append(name).append("\r\n");
  text.append(description).append("\r\n");
  text.append("xU yU xL yL\r\n");
  const std::size_t count =
      std::min({stations.xU.size(), stations.yU.size(), stations.xL.size(), stations.yL.size()});
  for (std::size_t i = 0; i < count; ++i) {
    text.append(fixedEightDecimals(stations.xU[i])).append(" ");
    text.append(fixedEightDecimals(stations.yU[i])).append(" ");
    text.append(fixedEightDecimals(stations.xL[i])).append(" ");
    text.append(fixedEightDecimals(stations.yL[i])).append("\r\n");
  }
  return text;
}

}  // namespace vantrel
