#include "batch/airfoil_commands.h"

#include <filesystem>
#include <fstream>
#include <ios>

#include "input/naca.h"
#include "input/read_data_file.h"
#include "input/selig_lednicer_converter.h"
#include "text/windows1254_text.h"

namespace vantrel::batch {
namespace {

// Worded as the window words a file it cannot read, naming the file as the window's list does.
std::string cannotRead(const std::string& label, const std::string& reason) {
  return "Cannot read \"" + quotedForMessage(label, 200) + "\": " + reason + ".";
}

}  // namespace

int runNaca(const NacaCommand& command, std::ostream& out, std::ostream& err) {
  const auto airfoil = nacaAirfoil(command.designation, command.stations);
  if (!airfoil) {
    err << "qeb-vantrel-batch: naca: \"" << quotedForMessage(command.designation, 200)
        << "\" is not a NACA 4- or 5-digit designation this generator covers\n";
    return 1;
  }
  out << nacaDataFile(*airfoil);
  out.flush();
  return out ? 0 : 1;
}

int runConvert(const ConvertCommand& command, std::ostream& out, std::ostream& err) {
  // The same reader and checks as `open`: a pipe, a device or a file beyond the cap is refused
  // before a byte is read.
  std::ifstream in;
  std::string label;
  if (auto refused = openAirfoilForReading(command.file, in, label)) {
    err << "qeb-vantrel-batch: convert: " << *refused << "\n";
    return 1;
  }
  try {
    const auto converted = convertAirfoil(in, label, command.stations);
    if (const auto* error = std::get_if<ConvertError>(&converted)) {
      err << "qeb-vantrel-batch: convert: " << error->message << "\n";
      return 1;
    }
    const auto& file = std::get<ConvertedFile>(converted);
    for (const auto& note : file.notes) {
      err << "qeb-vantrel-batch: convert: \"" << quotedForMessage(label, 200) << "\": " << note
          << "\n";
    }
    out << file.text;
  } catch (const std::ios_base::failure& failure) {
    err << "qeb-vantrel-batch: convert: " << cannotRead(label, failure.code().message()) << "\n";
    return 1;
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace vantrel::batch
