#pragma once

#include <filesystem>
#include <string>

#include "app/controls.h"
#include "app/ortak.h"
#include "app/session.h"

namespace vantrel {

// The main window's event handlers, free of any toolkit: the Qt window forwards its events here,
// the batch tool replays the user's actions through the same calls.
class Form1Handlers {
 public:
  Form1Handlers(Ortak& ortak, Controls& form, std::filesystem::path workDir);

  void Form_Load();
  void Mn_Airfoil_Click();
  // A file chosen in the file list; returns whether it was read.
  bool File1_Click(const std::string& folder, const std::string& fileName);
  void Mn_Polynomial_Click();
  void Cmnd_LSQM_Click();
  void HScroll_Alfa_Change(int value);
  void HScroll_xM_Change(int value);
  void Mn_Numerical_Click();
  void Mn_LumpVM_Click();

  const std::string& DataFile() const { return DataFile_; }
  bool FileLoaded() const { return FileLoaded_; }
  Session& session() { return session_; }
  const Session& session() const { return session_; }

 private:
  Session& beginAction();
  // Runs one handler's work; when memory runs out it shows one message and puts the computed
  // values back as they were (a failed read has changed nothing to begin with).
  template <typename Work>
  bool guarded(Work&& work);
  bool haveCoefficients() const { return !session_.ortak.A.empty(); }

  Session session_;
  std::string DataFile_;
  bool FileLoaded_ = false;
};

}  // namespace vantrel
