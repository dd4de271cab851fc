#pragma once

#include <filesystem>
#include <string>

#include "input/nca_parser.h"
#include "state/controls.h"
#include "state/ortak.h"
#include "state/session.h"

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
  // Enter in Text_Alfa or Text_xM: what the scroll bar's change runs, with the typed number.
  // Returns the bar position nearest to it, for the bar to show without running again.
  int Text_Alfa_Enter();
  int Text_xM_Enter();
  void Mn_Numerical_Click();
  // Returns false when the work was stopped through the session's progress: nothing changed.
  bool Mn_LumpVM_Click();
  // "Apply" on the plain-flap panel: turns the flap of the airfoil as it was read; returns
  // whether the flapped airfoil was loaded.
  bool Cmnd_FlapApply_Click(const std::string& hingeText, const std::string& deflectionText);

  const std::string& DataFile() const { return DataFile_; }
  // The airfoil as last read from its file, before any flap.
  const AirfoilData& undeflectedAirfoil() const { return undeflected_; }
  bool FileLoaded() const { return FileLoaded_; }
  Session& session() { return session_; }
  const Session& session() const { return session_; }

  // Which airfoil, which method produced the numbers in the result boxes, at which angle and
  // reference point: one line for a status bar.
  std::string statusLine() const;

 private:
  Session& beginAction();
  // Runs one handler's work; when memory runs out it shows one message and puts the computed
  // values back as they were (a failed read has changed nothing to begin with).
  template <typename Work>
  bool guarded(Work&& work);
  bool haveCoefficients() const { return !session_.ortak.A.empty(); }
  void forgetResults();
  void computeAtTypedAlfa();
  void resultsFromCoefficients();

  Session session_;
  std::string DataFile_;
  bool FileLoaded_ = false;
  // How the coefficients in A were obtained, and what the result boxes show; empty: nothing.
  std::string coefficientsMethod_;
  std::string shownMethod_;
  std::string alfaInUse_;
  std::string xMInUse_;
  // The airfoil as last read from its file: a flap turns these stations, so flaps never pile up.
  AirfoilData undeflected_;
};

}  // namespace vantrel
