#include "input/read_any_airfoil.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/foreign_airfoil.h"
#include "input/name_text.h"
#include "input/read_data_file.h"

namespace vantrel {
namespace {

bool isForeignAirfoil(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dat";
}

std::string cannotOpenReason(const std::filesystem::path& path) {
  std::error_code error;
  const auto type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found) return "the file does not exist";
  if (type == std::filesystem::file_type::directory) return "it is a folder, not a file";
  return "the file cannot be opened";
}

// Messages name the file as the reader of the program's own files names it: without its folder.
bool readForeignAirfoil(Session& session, const std::string& path) {
  const std::filesystem::path file(path);
  const std::string label = file.has_filename() ? file.filename().string() : path;
  std::ifstream in;
  if (!std::filesystem::is_directory(file)) in.open(file, std::ios::binary);
  if (!in.is_open()) {
    session.form.showMessage("Cannot read \"" + quotedForMessage(label, 200) +
                             "\": " + cannotOpenReason(file) + ".");
    return false;
  }
  auto converted = convertToDataFile(in, label);
  if (const auto* error = std::get_if<ConvertError>(&converted)) {
    session.form.showMessage(error->message);
    return false;
  }
  std::istringstream airfoil(std::get<std::string>(converted));
  return ReadAirfoilStream(session, airfoil, label);
}

}  // namespace

bool ReadAirfoilFile(Session& session, const std::string& path) {
  if (isForeignAirfoil(path)) return readForeignAirfoil(session, path);
  return ReadDataFile(session, path);
}

}  // namespace vantrel
