#pragma once

#include <QtGlobal>
#include <memory>

class QGuiApplication;

namespace vantrel {

// Text needs the toolkit's fonts, which only a running application provides. A program without a
// window (the batch tool) holds one of these while it draws text: it starts an application on
// the off-screen platform when none runs, and ends it again. The toolkit's notes about the
// platform it starts on are kept off the tool's error output, which belongs to the tool.
class TextRendering {
 public:
  TextRendering();
  ~TextRendering();
  TextRendering(const TextRendering&) = delete;
  TextRendering& operator=(const TextRendering&) = delete;

 private:
  int argc_ = 1;
  char programName_[18] = "qeb-vantrel-batch";
  char* argv_[2] = {programName_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
  QtMessageHandler previousHandler_ = nullptr;
};

}  // namespace vantrel
