#include "input/read_data_file.h"

namespace vantrel {

bool ReadDataFile(Session& session, const std::string& DataFile) {
  (void)session;
  (void)DataFile;
  return false;  // not built yet
}

}  // namespace vantrel
