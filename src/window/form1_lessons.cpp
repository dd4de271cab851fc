// The main window's lesson commands: a plain flap, the methods side by side, the convergence study.
#include <QDir>
#include <filesystem>

#include "input/plain_flap.h"
#include "lessons/compare_methods.h"
#include "panel/panel_lesson.h"
#include "plot/flap_picture.h"
#include "state/messages.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "window/airfoils_window.h"
#include "window/compare_window.h"
#include "window/file_panel.h"
#include "window/convergence_window.h"
#include "window/form1.h"
#include "window/panel_window.h"
#include "window/plain_flap_panel.h"

namespace vantrel {
namespace {

QString airfoilNameOf(const Ortak& ortak) {
  return QString::fromStdString(bytesToUtf8(ortak.AirfoilName));
}

}  // namespace

void Form1::connectLessonEvents() {
  connect(menu_.Mn_PlainFlap, &QAction::triggered, this, &Form1::Mn_PlainFlap_Click);
  connect(menu_.Mn_Compare, &QAction::triggered, this, &Form1::Mn_Compare_Click);
  connect(menu_.Mn_CompareAirfoils, &QAction::triggered, this, &Form1::Mn_CompareAirfoils_Click);
  connect(menu_.Mn_Converge, &QAction::triggered, this, &Form1::Mn_Converge_Click);
  connect(menu_.Mn_Panel, &QAction::triggered, this, &Form1::Mn_Panel_Click);
}

void Form1::Mn_PlainFlap_Click() {
  if (!flapPanel_) {
    flapPanel_ = new PlainFlapPanel(this);
    connect(flapPanel_, &PlainFlapPanel::applyRequested, this, &Form1::Cmnd_FlapApply_Click);
    connect(flapPanel_, &PlainFlapPanel::messageRequested, this, &Form1::presentMessage);
  }
  flapPanel_->show();
  flapPanel_->raise();
  flapPanel_->activateWindow();
}

// The flapped airfoil is a new airfoil: the status line names it, and no method yet.
void Form1::Cmnd_FlapApply_Click() {
  if (busyWork_) return;
  const std::string hinge = flapPanel_->hingeText().toStdString();
  const std::string deflection = flapPanel_->deflectionText().toStdString();
  if (handlers_->Cmnd_FlapApply_Click(hinge, deflection)) {
    const PlainFlap flap = std::get<PlainFlap>(flapFromText(hinge, deflection));
    const AirfoilData& asRead = handlers_->undeflectedAirfoil();
    flapPanel_->showFlapApplied(
        flap.DEG != 0.0, FlapMeanLinePicture(asRead.xC, asRead.yC, ortak_.xC, ortak_.yC, flap.XH));
  }
  afterAction();
}

void Form1::Mn_Compare_Click() {
  const auto comparison = CompareMethodsOfLoadedAirfoil(*handlers_);
  if (!comparison) return;
  if (!compareWindow_) {
    compareWindow_ = new CompareWindow(this);
    connect(compareWindow_, &CompareWindow::messageRequested, this, &Form1::presentMessage);
  }
  compareWindow_->show(*comparison, ortak_.AirfoilName);
}

// Works with no airfoil on screen too: the list takes files, samples and designations.
void Form1::Mn_CompareAirfoils_Click() {
  if (!airfoilsWindow_) {
    airfoilsWindow_ = new AirfoilsWindow(this);
    connect(airfoilsWindow_, &AirfoilsWindow::messageRequested, this, &Form1::presentMessage);
  }
  const FilePanel* files = widgets_.Frame_IOWindow;
  airfoilsWindow_->setFolders(files->folder().isEmpty() ? QDir::currentPath() : files->folder(),
                              FilePanel::installedSamples());
  airfoilsWindow_->setAlfa(TextToNumber(text(TextBox::Text_Alfa)));
  // The airfoil as the window holds it, a flap included.
  if (FileLoaded()) airfoilsWindow_->offerAirfoilOnScreen(loadedAirfoil(ortak_), DataFile());
  airfoilsWindow_->show();
  airfoilsWindow_->raise();
  airfoilsWindow_->activateWindow();
}

void Form1::Mn_Converge_Click() {
  if (!FileLoaded()) {
    showMessage(kOpenAirfoilMessage);
    return;
  }
  if (!convergenceWindow_) {
    convergenceWindow_ = new ConvergenceWindow(this);
    connect(convergenceWindow_, &ConvergenceWindow::messageRequested, this, &Form1::presentMessage);
  }
  // The study takes the airfoil on screen, a flap included, not the file as it lies on disk.
  const QString label = QStringLiteral("%1 (%2)").arg(
      airfoilNameOf(ortak_),
      QString::fromStdString(bytesToUtf8(std::filesystem::path(DataFile()).filename().string())));
  convergenceWindow_->prepare(loadedAirfoil(ortak_), label, TextToNumber(text(TextBox::Text_Alfa)));
  convergenceWindow_->show();
  convergenceWindow_->raise();
  convergenceWindow_->activateWindow();
}

void Form1::Mn_Panel_Click() {
  if (busyWork_) return;
  auto lesson = panelLessonOfLoadedAirfoil(*handlers_);
  if (!lesson) return;
  if (!panelWindow_) {
    panelWindow_ = new PanelWindow(this);
    connect(panelWindow_, &PanelWindow::messageRequested, this, &Form1::presentMessage);
  }
  panelWindow_->show(std::move(*lesson), airfoilNameOf(ortak_));
}

}  // namespace vantrel
