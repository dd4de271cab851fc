#include "input/read_by_file_type.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/selig_lednicer_converter.h"
#include "input/read_data_file.h"

namespace vantrel {
namespace {

bool isForeignAirfoil(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dat";
}

bool readForeignAirfoil(Session& session, const std::string& path) {
  std::ifstream in;
  std::string label;
  if (!openAirfoilFile(session, path, in, label)) return false;
  auto converted = convertToDataFile(in, label);
  if (const auto* error = std::get_if<ConvertError>(&converted)) {
    session.form.showMessage(error->message);
    return false;
  }
  std::istringstream airfoil(std::get<std::string>(converted));
  return readDataFileStream(session, airfoil, label);
}

}  // namespace

bool readByFileType(Session& session, const std::string& path) {
  if (isForeignAirfoil(path)) return readForeignAirfoil(session, path);
  return ReadDataFile(session, path);
}

}  // namespace vantrel
