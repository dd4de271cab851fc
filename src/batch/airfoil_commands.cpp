#include "batch/airfoil_commands.h"

#include <fstream>

#include "input/selig_lednicer_converter.h"
#include "input/naca.h"

namespace vantrel::batch {

int runNaca(const NacaCommand& command, std::ostream& out, std::ostream& err) {
  const auto airfoil = nacaAirfoil(command.designation, command.stations);
  if (!airfoil) {
    err << "qeb-vantrel-batch: naca: \"" << command.designation
        << "\" is not a NACA 4- or 5-digit designation this generator covers\n";
    return 1;
  }
  out << nacaDataFile(*airfoil);
  out.flush();
  return out ? 0 : 1;
}

int runConvert(const ConvertCommand& command, std::ostream& out, std::ostream& err) {
  std::ifstream in(command.file, std::ios::binary);
  if (!in) {
    err << "qeb-vantrel-batch: convert: cannot open \"" << command.file << "\"\n";
    return 1;
  }
  const auto converted = convertToDataFile(in, command.file, command.stations);
  if (const auto* error = std::get_if<ConvertError>(&converted)) {
    err << "qeb-vantrel-batch: convert: " << error->message << "\n";
    return 1;
  }
  out << std::get<std::string>(converted);
  out.flush();
  return out ? 0 : 1;
}

}  // namespace vantrel::batch
