#include "input/read_data_file.h"

namespace vantrel {

bool ReadDataFile(Session& session, const std::string& DataFile) {
  (void)session;
  (void)DataFile;
  return false;  // not built yet
}

bool ReadAirfoilStream(Session& session, std::istream& in, const std::string& fileLabel) {
  (void)session;
  (void)in;
  (void)fileLabel;
  return false;  // not built yet
}

}  // namespace vantrel
