// Converts arbitrary bytes as a Selig or Lednicer airfoil and reads back what the converter
// wrote: a conversion that succeeds must give a file the program's own reader accepts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <variant>

#include "input/nca_parser.h"
#include "input/selig_lednicer_converter.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "state/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte picks the station count: the edges 0..3 and a few ordinary ones.
  const int stations = data[0] < 8 ? data[0] : 2 + data[0] % 120;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  auto converted = vantrel::convertToDataFile(in, "fuzz.dat", stations);
  const auto* text = std::get_if<std::string>(&converted);
  if (text == nullptr) return 0;

  std::istringstream written(*text);
  const double pi = 4 * std::atan(1.0);
  auto read = vantrel::parseNcaFile(written, "fuzz.dat", pi);
  if (const auto* failure = std::get_if<vantrel::ReadFailure>(&read)) {
    std::fprintf(stderr, "converted file not readable: %s\n", failure->message.c_str());
    std::abort();
  }
  if (std::get<vantrel::AirfoilData>(read).NPoint != stations) {
    std::fprintf(stderr, "converted file has the wrong station count\n");
    std::abort();
  }
  return 0;
}
