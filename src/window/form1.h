#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/form1_handlers.h"
#include "language/program_texts.h"
#include "state/controls.h"
#include "state/ortak.h"
#include "surface/picture_box.h"
#include "window/form1_widgets.h"
#include "window/message_box.h"
#include "window/twips_placement.h"

class QLineEdit;
class QLabel;
class QScrollBar;
class QShortcut;

namespace vantrel {

class About;
class AirfoilsWindow;
class BusyWork;
class CompareWindow;
class ConvergenceWindow;
class PanelWindow;
class PictureWidget;
class PlainFlapPanel;

// The main window. It owns the shared analysis state and the handlers, forwards its events to
// them, and is the controls the procedures write into.
class Form1 : public QMainWindow, public Controls {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Controls
  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  void setCaption(Label label, const std::string& caption) override;
  void setLabelVisible(Label label, bool visible) override;
  bool isSelected(Option option) const override;
  void setFrameVisible(Frame frame, bool visible) override;
  void showMessage(const std::string& message) override;
  PictureBox& picture(Picture picture) override;

  // Handlers started by the window's controls and menu.
  void Mn_Airfoil_Click();
  void File1_Click(const QString& folder, const QString& fileName);
  void Mn_Polynomial_Click();
  void Cmnd_LSQM_Click();
  void HScroll_Alfa_Change();
  void HScroll_xM_Change();
  void Mn_Numerical_Click();
  void Mn_LumpVM_Click();
  void Mn_PlainFlap_Click();
  void Cmnd_FlapApply_Click();
  void Mn_Compare_Click();
  void Mn_CompareAirfoils_Click();
  void Mn_Converge_Click();
  void Mn_Panel_Click();
  void Mn_About_Click();
  void Text_Alfa_Enter();
  void Text_xM_Enter();
  // Escape: closes the panels that are open.
  void closePanels();
  void setAxesShown(bool shown);
  // The language of the messages and report headings (View › Language), remembered between runs
  // only when chosen from the menu.
  void setLanguage(Language language);
  Language language() const;

  bool FileLoaded() const { return handlers_->FileLoaded(); }
  const std::string& DataFile() const { return handlers_->DataFile(); }
  const Ortak& ortak() const { return ortak_; }
  const Form1Widgets& widgets() const { return widgets_; }
  const Form1Menu& menu() const { return menu_; }
  PictureWidget* pictureWidget(Picture picture) const;
  About* aboutWindow() const { return about_.get(); }
  QLabel* statusLabel() const { return status_; }
  // The whole status line, of which the label shows what fits.
  const QString& statusText() const { return statusText_; }
  bool axesShown() const;

  // How long an action runs before its progress dialog and busy cursor appear.
  void setProgressDelay(int milliseconds) { progressDelayMs_ = milliseconds; }
  PlainFlapPanel* flapPanel() const { return flapPanel_; }
  CompareWindow* compareWindow() const { return compareWindow_; }
  AirfoilsWindow* airfoilsWindow() const { return airfoilsWindow_; }
  ConvergenceWindow* convergenceWindow() const { return convergenceWindow_; }
  PanelWindow* panelWindow() const { return panelWindow_; }

  void setMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
  void presentMessage(const QString& message);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectEvents();
  void connectLessonEvents();
  void connectScrollBar(QScrollBar* bar, void (Form1::*handler)());
  void connectKeys();
  // Runs one user action through the handlers: long work shows its progress and can be
  // cancelled, and an action never starts while another one runs.
  template <typename Action>
  void runAction(Action action);
  void afterAction();
  void showStatus();
  void fitStatus();
  void showStatusTooltip(const QPoint& globalPointer);
  void refreshPictures();
  void scaleMenusAndStatus();
  void releaseHeldScrollBars();
  QLineEdit* textBox(TextBox box) const;
  QLabel* label(Label label) const;

  Ortak ortak_;
  TwipsPlacement placement_;
  Form1Widgets widgets_{};
  Form1Menu menu_{};
  std::unique_ptr<Form1Handlers> handlers_;
  std::unique_ptr<About> about_;
  // The lesson windows, made when first asked for; the main window owns them as their parent.
  PlainFlapPanel* flapPanel_ = nullptr;
  CompareWindow* compareWindow_ = nullptr;
  AirfoilsWindow* airfoilsWindow_ = nullptr;
  ConvergenceWindow* convergenceWindow_ = nullptr;
  PanelWindow* panelWindow_ = nullptr;
  MessagePresenter presenter_;
  QLabel* status_ = nullptr;
  QString statusText_;            // the whole line, which the label shows as far as it fits
  BusyWork* busyWork_ = nullptr;  // the action under way, if any
  int progressDelayMs_ = 300;
};

}  // namespace vantrel
