#include "input/read_data_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "input/coordinate_report.h"
#include "input/nca_parser.h"
#include "plot/graphics.h"
#include "reports/report_file.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

std::string cannotOpenReason(const std::filesystem::path& path, int openError) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return "the file does not exist";
  if (status.type() == std::filesystem::file_type::directory) return "it is a folder, not a file";
  return openError != 0 ? std::strerror(openError) : "the file cannot be opened";
}

// Teaching needs a few hundred stations; a million, at up to 64 bytes a line, is plenty. A larger
// file is refused before a byte of it is read.
constexpr std::uintmax_t kLargestAirfoilFile = 64u * 1024 * 1024;

// Why a file that exists cannot be an airfoil file, judged before it is opened: a pipe would
// wait for a writer for ever and a device would never end.
std::optional<std::string> refusedKindOrSize(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || status.type() == std::filesystem::file_type::not_found ||
      status.type() == std::filesystem::file_type::directory) {
    return std::nullopt;  // opening it tells the user why
  }
  if (status.type() != std::filesystem::file_type::regular) {
    return std::string("it is not a regular file but a device, a pipe or a socket");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kLargestAirfoilFile) {
    return "the file holds " + std::to_string((size + 1024 * 1024 - 1) / (1024 * 1024)) +
           " MB, more than the 64 MB (about a million stations) an airfoil file may hold";
  }
  return std::nullopt;
}

// A read replaces the name, the count and the seven station arrays, and nothing else.
void installAirfoil(Ortak& ortak, AirfoilData&& airfoil) {
  ortak.AirfoilName = std::move(airfoil.AirfoilName);
  ortak.NPoint = airfoil.NPoint;
  ortak.xU = std::move(airfoil.xU);
  ortak.yU = std::move(airfoil.yU);
  ortak.xL = std::move(airfoil.xL);
  ortak.yL = std::move(airfoil.yL);
  ortak.xC = std::move(airfoil.xC);
  ortak.yC = std::move(airfoil.yC);
  ortak.Theta = std::move(airfoil.Theta);
}

// The airfoil stays loaded when its report cannot be written; the user is told why.
void writeCoordinateReport(Session& session) {
  if (!session.writesReports) return;
  const std::filesystem::path path = session.reportPath(kCoordinateReport);
  const auto failed = replaceReport(session.reportVersion(kCoordinateReport), path,
                                    CoordinateReport(session.ortak));
  if (failed && !session.logFailureShown) {
    session.form.showMessage(reportFailureMessage(path, *failed));
    session.logFailureShown = true;
  }
}

}  // namespace

std::optional<std::string> openAirfoilForReading(const std::string& path, std::ifstream& in,
                                                 std::string& fileLabel) {
  const std::filesystem::path file(path);
  fileLabel = file.has_filename() ? file.filename().string() : path;
  if (auto refused = refusedKindOrSize(file)) {
    return "Cannot read \"" + quotedForMessage(fileLabel, 200) + "\": " + *refused + ".";
  }
  errno = 0;
  std::error_code statusError;
  // A folder opens like a file here but cannot be read.
  const bool isFolder = std::filesystem::is_directory(file, statusError);
  if (!isFolder) in.open(file, std::ios::binary);
  if (isFolder || !in) {
    const int openError = errno;
    return "Cannot read \"" + quotedForMessage(fileLabel, 200) +
           "\": " + cannotOpenReason(file, openError) + ".";
  }
  return std::nullopt;
}

bool openAirfoilFile(Session& session, const std::string& path, std::ifstream& in,
                     std::string& fileLabel) {
  if (auto refused = openAirfoilForReading(path, in, fileLabel)) {
    session.form.showMessage(*refused);
    return false;
  }
  return true;
}

bool ReadDataFile(Session& session, const std::string& DataFile) {
  std::ifstream in;
  std::string label;
  if (!openAirfoilFile(session, DataFile, in, label)) return false;
  return readDataFileStream(session, in, label);
}

bool readDataFileStream(Session& session, std::istream& in, const std::string& fileLabel) {
  auto read = parseNcaFile(in, fileLabel, session.ortak.Pi);
  if (auto* failed = std::get_if<ReadFailure>(&read)) {
    session.form.showMessage(failed->message);
    return false;
  }
  installAirfoil(session, std::move(std::get<AirfoilData>(read)));
  return true;
}

void installAirfoil(Session& session, AirfoilData&& airfoil) {
  installAirfoil(session.ortak, std::move(airfoil));
  DrawAirfoil(session);
  DrawCamber(session);
  writeCoordinateReport(session);
}

}  // namespace vantrel
