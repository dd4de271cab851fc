#include "window/form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <filesystem>

#include "language/program_texts.h"
#include "plot/axes_layer.h"
#include "state/initial_state.h"
#include "text/number_text.h"
#include "window/about.h"
#include "window/airfoils_window.h"
#include "window/busy_work.h"
#include "window/file_panel.h"
#include "window/panel_window.h"
#include "window/picture_widget.h"
#include "window/plain_flap_panel.h"

namespace vantrel {
namespace {

std::string localPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

const QString kAxesSetting = QStringLiteral("view/axesAndValues");
const QString kFolderSetting = QStringLiteral("files/lastFolder");
const QString kLanguageSetting = QStringLiteral("view/language");
// The status line is set in the controls' font size.
constexpr double kStatusPointSize = 8.25;

}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), placement_(kForm1WidthTwips, kForm1HeightTwips) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("QEB-Vantrel - Numerical Applications of Thin Airfoil Theory"));
  auto* surface = new QWidget(this);
  surface->setObjectName(QStringLiteral("Form1Surface"));
  surface->setMinimumSize(placement_.designSize());
  surface->installEventFilter(this);
  setCentralWidget(surface);
  widgets_ = buildForm1Widgets(surface, placement_);
  menu_ = buildForm1Menu(menuBar());
  addAction(menu_.Mn_Quit);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLine"));
  statusBar()->addWidget(status_, 1);
  // The fitted text must not widen the label, or the bar could never shorten it.
  status_->setMinimumWidth(1);
  status_->installEventFilter(this);
  presenter_ = [this](const QString& message) { showProgramMessage(this, message); };
  scaleMenusAndStatus();
  // The surface, between the menu bar and the status line, opens at the designed size.
  resize(placement_.designSize() +
         QSize(0, menuBar()->sizeHint().height() + statusBar()->minimumHeight()));
  layout()->activate();
  resize(size() + placement_.designSize() - centralWidget()->size());

  handlers_ = std::make_unique<Form1Handlers>(ortak_, *this, std::filesystem::current_path());
  for (Picture picture : kAllPictures) pictureWidget(picture)->setAxesStyle(axesStyleOf(picture));
  menu_.Mn_Axes->setChecked(QSettings().value(kAxesSetting, false).toBool());
  widgets_.Frame_IOWindow->setRememberedFolder(QSettings().value(kFolderSetting).toString());
  widgets_.Frame_IOWindow->setSamplesFolder(FilePanel::installedSamples());
  setAxesShown(menu_.Mn_Axes->isChecked());
  // A setting this build does not know (written by a newer one, or by hand) speaks the original.
  const std::string code = QSettings().value(kLanguageSetting).toString().toStdString();
  setLanguage(languageOfCode(code).value_or(Language::Original));
  connectEvents();
  connectKeys();
  handlers_->Form_Load();
  showStatus();
}

Form1::~Form1() = default;

void Form1::connectEvents() {
  connect(menu_.Mn_Airfoil, &QAction::triggered, this, &Form1::Mn_Airfoil_Click);
  connect(menu_.Mn_Polynomial, &QAction::triggered, this, &Form1::Mn_Polynomial_Click);
  connect(menu_.Mn_Numerical, &QAction::triggered, this, &Form1::Mn_Numerical_Click);
  connect(menu_.Mn_LumpVM, &QAction::triggered, this, &Form1::Mn_LumpVM_Click);
  connect(menu_.Mn_About, &QAction::triggered, this, &Form1::Mn_About_Click);
  connect(menu_.Mn_Axes, &QAction::toggled, this, [this](bool shown) {
    QSettings().setValue(kAxesSetting, shown);
    setAxesShown(shown);
  });
  for (QAction* choice : menu_.Mn_Language->actions()) {
    connect(choice, &QAction::triggered, this, [this, choice] {
      QSettings().setValue(kLanguageSetting, choice->data());
      setLanguage(*languageOfCode(choice->data().toString().toStdString()));
    });
  }
  connect(menu_.Mn_Quit, &QAction::triggered, this, &QWidget::close);
  connect(widgets_.Cmnd_LSQM, &QPushButton::clicked, this, &Form1::Cmnd_LSQM_Click);
  connect(widgets_.Frame_IOWindow, &FilePanel::fileChosen, this, &Form1::File1_Click);
  connect(widgets_.Frame_IOWindow, &FilePanel::messageRequested, this, &Form1::presentMessage);
  for (Picture picture : kAllPictures) {
    connect(pictureWidget(picture), &PictureWidget::messageRequested, this, &Form1::presentMessage);
  }
  connectScrollBar(widgets_.HScroll_Alfa, &Form1::HScroll_Alfa_Change);
  connectScrollBar(widgets_.HScroll_xM, &Form1::HScroll_xM_Change);
  connectLessonEvents();
}

void Form1::connectScrollBar(QScrollBar* bar, void (Form1::*handler)()) {
  // Every settled change computes; a dragged thumb computes once, when it is let go, and only
  // if it was let go at another value: a thumb grabbed and put back has changed nothing.
  connect(bar, &QScrollBar::valueChanged, this, [this, bar, handler] {
    if (!bar->isSliderDown()) (this->*handler)();
  });
  connect(bar, &QScrollBar::sliderPressed, this,
          [bar] { bar->setProperty("valueWhenGrabbed", bar->value()); });
  connect(bar, &QScrollBar::sliderReleased, this, [this, bar, handler] {
    if (bar->value() != bar->property("valueWhenGrabbed").toInt()) (this->*handler)();
  });
}

void Form1::connectKeys() {
  connect(widgets_.Text_Alfa, &QLineEdit::returnPressed, this, &Form1::Text_Alfa_Enter);
  connect(widgets_.Text_xM, &QLineEdit::returnPressed, this, &Form1::Text_xM_Enter);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setObjectName(QStringLiteral("ClosePanels"));
  connect(escape, &QShortcut::activated, this, &Form1::closePanels);
  connect(widgets_.Close_IOWindow, &QToolButton::clicked, this,
          [this] { setFrameVisible(Frame::Frame_IOWindow, false); });
  connect(widgets_.Close_LeastSquares, &QToolButton::clicked, this,
          [this] { setFrameVisible(Frame::Frame_LeastSquares, false); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    placement_.apply(centralWidget()->size());
    scaleMenusAndStatus();
  }
  if (watched == status_ && event->type() == QEvent::Resize) fitStatus();
  if (watched == status_ && event->type() == QEvent::ToolTip) {
    showStatusTooltip(static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// The menus and the status line grow with the controls, so a projected window stays readable.
// Their scale follows the whole window, not the surface between them: a taller menu bar must not
// shrink the surface, and with it the scale, in turn.
void Form1::scaleMenusAndStatus() {
  const QSize design = placement_.designSize();
  constexpr int kDesignChromeHeight = 48;  // menu bar and status bar at the designed size
  const double scale =
      std::max(1.0, std::min(double(width()) / design.width(),
                             double(height()) / (design.height() + kDesignChromeHeight)));
  QFont menuFont = QApplication::font();
  menuFont.setPointSizeF(menuFont.pointSizeF() * scale);
  for (QWidget* widget : std::initializer_list<QWidget*>{
           menuBar(), menu_.Mn_Analysis, menu_.Mn_Vantrel, menu_.Mn_View, menu_.Mn_Language}) {
    widget->setFont(menuFont);
  }
  QFont statusFont = status_->font();
  statusFont.setPointSizeF(kStatusPointSize * scale);
  status_->setFont(statusFont);
  statusBar()->setFixedHeight(QFontMetrics(statusFont).height() + 6);
}
bool Form1::axesShown() const {
  return menu_.Mn_Axes->isChecked();
}

// The next message and the next report speak the language; what is already written stays.
void Form1::setLanguage(Language language) {
  ortak_.language = language;
  const QString code = QString::fromUtf8(languageCode(language));
  for (QAction* choice : menu_.Mn_Language->actions()) choice->setChecked(choice->data() == code);
}

Language Form1::language() const {
  return ortak_.language;
}

void Form1::setAxesShown(bool shown) {
  if (menu_.Mn_Axes->isChecked() != shown) menu_.Mn_Axes->setChecked(shown);
  for (Picture picture : kAllPictures) pictureWidget(picture)->setAxesShown(shown);
}

void Form1::closePanels() {
  setFrameVisible(Frame::Frame_IOWindow, false);
  setFrameVisible(Frame::Frame_LeastSquares, false);
}

// --- Controls ---

QLineEdit* Form1::textBox(TextBox box) const {
  switch (box) {
    case TextBox::Text_Alfa0:
      return widgets_.Text_Alfa0;
    case TextBox::Text_CmAC:
      return widgets_.Text_CmAC;
    case TextBox::Text_CL:
      return widgets_.Text_CL;
    case TextBox::Text_Cmx:
      return widgets_.Text_Cmx;
    case TextBox::Text_Alfa:
      return widgets_.Text_Alfa;
    case TextBox::Text_xM:
      return widgets_.Text_xM;
    case TextBox::Text_N:
      return widgets_.Text_N;
  }
  return widgets_.Text_N;
}

QLabel* Form1::label(Label label) const {
  switch (label) {
    case Label::Lbl_Airfoil:
      return widgets_.Lbl_Airfoil;
    case Label::Lbl_LSQ:
      return widgets_.Lbl_LSQ;
    case Label::Lbl_Degree:
      return widgets_.Lbl_Degree;
  }
  return widgets_.Lbl_Airfoil;
}

PictureWidget* Form1::pictureWidget(Picture picture) const {
  switch (picture) {
    case Picture::Picture_Airfoil:
      return widgets_.Picture_Airfoil;
    case Picture::Picture_Camber:
      return widgets_.Picture_Camber;
    case Picture::Picture_Load:
      return widgets_.Picture_Load;
    case Picture::Picture_Cmx:
      return widgets_.Picture_Cmx;
    case Picture::Picture_CL:
      return widgets_.Picture_CL;
  }
  return widgets_.Picture_Airfoil;
}

std::string Form1::text(TextBox box) const {
  return textBox(box)->text().toStdString();
}

void Form1::setText(TextBox box, const std::string& text) {
  textBox(box)->setText(QString::fromStdString(text));
}

void Form1::setCaption(Label label, const std::string& caption) {
  this->label(label)->setText(QString::fromStdString(caption));
}

void Form1::setLabelVisible(Label label, bool visible) {
  this->label(label)->setVisible(visible);
}

bool Form1::isSelected(Option option) const {
  return option == Option::Opt_WithEnd ? widgets_.Opt_WithEnd->isChecked()
                                       : widgets_.Opt_WithOutEnd->isChecked();
}

void Form1::setFrameVisible(Frame frame, bool visible) {
  QWidget* panel = frame == Frame::Frame_IOWindow ? static_cast<QWidget*>(widgets_.Frame_IOWindow)
                                                  : widgets_.Frame_LeastSquares;
  if (visible && frame == Frame::Frame_IOWindow) widgets_.Frame_IOWindow->prepareToShow();
  panel->setVisible(visible);
  // A panel just opened lies above the plots and above the other panel.
  if (visible) panel->raise();
}

void Form1::showMessage(const std::string& message) {
  presentMessage(QString::fromStdString(message));
}

void Form1::presentMessage(const QString& message) {
  if (busyWork_) busyWork_->letInputThrough();
  releaseHeldScrollBars();
  if (presenter_) presenter_(message);
  if (busyWork_) busyWork_->stopInputAgain();
}

// A modal box takes the mouse away from a scroll-bar arrow or page area held down; the bar would
// go on stepping behind the box and open one box after another. It is let go as the button would.
void Form1::releaseHeldScrollBars() {
  for (QScrollBar* bar : {widgets_.HScroll_Alfa, widgets_.HScroll_xM}) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), bar->mapToGlobal(QPointF()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
  }
}

PictureBox& Form1::picture(Picture picture) {
  return pictureWidget(picture)->box();
}

// --- Handlers ---

template <typename Action>
void Form1::runAction(Action action) {
  // Events are taken while long work reports its progress; an action begun from one of them
  // would work on half-made results.
  if (busyWork_) return;
  BusyWork work(this, progressDelayMs_);
  connect(&work, &BusyWork::progressShown, this, [this, &work] {
    work.letInputThrough();
    releaseHeldScrollBars();
    work.stopInputAgain();
  });
  busyWork_ = &work;
  handlers_->session().progress = &work;
  action();
  handlers_->session().progress = nullptr;
  busyWork_ = nullptr;
  afterAction();
}

void Form1::afterAction() {
  refreshPictures();
  if (panelWindow_) panelWindow_->followAlfa(TextToNumber(text(TextBox::Text_Alfa)));
  // A hidden Compare Airfoils takes the angle when it is opened again.
  if (airfoilsWindow_ && airfoilsWindow_->isVisible()) {
    airfoilsWindow_->setAlfa(TextToNumber(text(TextBox::Text_Alfa)));
  }
  showStatus();
}

namespace {

constexpr const char* kStatusSeparator = "  |  ";

// The line as the status bar has room for it: whole when it fits; else the values in use first,
// then the method, then the airfoil (which the airfoil plot names too), cut at the end.
QString fittedStatus(const QString& line, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(line) <= width) return line;
  QStringList parts = line.split(QString::fromLatin1(kStatusSeparator));
  if (parts.size() == 3) parts = QStringList{parts[1], parts[0], parts[2]};
  return metrics.elidedText(parts.join(QString::fromLatin1(kStatusSeparator)), Qt::ElideRight,
                            width);
}

// The whole line for the tooltip, a part (and each clause of the method) to a row, and a row
// wrapped between words where it runs wider than `width`.
QString statusTooltip(const QString& line, const QFontMetrics& metrics, int width) {
  QStringList rows;
  const auto addWrapped = [&](const QString& clause) {
    QString row;
    for (const QString& word : clause.split(QLatin1Char(' '))) {
      const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
      if (!row.isEmpty() && metrics.horizontalAdvance(longer) > width) {
        rows << row;
        row = word;
      } else {
        row = longer;
      }
    }
    rows << row;
  };
  for (const QString& part : line.split(QString::fromLatin1(kStatusSeparator))) {
    const QStringList clauses = part.split(QStringLiteral("; "));
    for (int i = 0; i < clauses.size(); ++i) {
      addWrapped(i + 1 < clauses.size() ? clauses[i] + QLatin1Char(';') : clauses[i]);
    }
  }
  return rows.join(QLatin1Char('\n'));
}

}  // namespace

// The status bar holds one line at every size; the whole line shows as a tooltip.
void Form1::showStatus() {
  statusText_ = QString::fromStdString(handlers_->statusLine());
  fitStatus();
}

void Form1::fitStatus() {
  status_->setText(
      fittedStatus(statusText_, QFontMetrics(status_->font()), status_->contentsRect().width()));
  constexpr int kTipRoom = 24;  // the tooltip's frame and margins, and a little air
  status_->setToolTip(
      statusTooltip(statusText_, QFontMetrics(QToolTip::font()), width() - 2 * kTipRoom));
}

// Above the status bar and inside the window, wherever the pointer rests on it.
void Form1::showStatusTooltip(const QPoint& globalPointer) {
  const QString tip = status_->toolTip();
  if (tip.isEmpty()) return;
  constexpr int kTipFrame = 10;  // the tooltip's frame and margins, generously
  const QSize size = QFontMetrics(QToolTip::font()).size(0, tip) + QSize(kTipFrame, kTipFrame);
  const QRect window(mapToGlobal(QPoint(0, 0)), this->size());
  const int left = std::clamp(globalPointer.x(), window.left(), window.right() - size.width());
  const int top = status_->mapToGlobal(QPoint(0, 0)).y() - size.height() - 2;
  // Qt places a tooltip below and right of the point it is given, by (2, 16).
  QToolTip::showText(QPoint(left, top) - QPoint(2, 16), tip, status_);
}

void Form1::refreshPictures() {
  for (Picture picture : kAllPictures) pictureWidget(picture)->refreshIfChanged();
}

void Form1::Mn_Airfoil_Click() {
  if (busyWork_) return;
  handlers_->Mn_Airfoil_Click();
}

void Form1::File1_Click(const QString& folder, const QString& fileName) {
  runAction([&] {
    // The next run's file panel opens where the last file was read.
    if (handlers_->File1_Click(localPath(folder), localPath(fileName))) {
      QSettings().setValue(kFolderSetting, folder);
      // The airfoil read has no flap: the flap panel no longer speaks of the last one.
      if (flapPanel_) flapPanel_->showFlapApplied(false, PictureBox{});
    }
  });
}

void Form1::Mn_Polynomial_Click() {
  if (busyWork_) return;
  handlers_->Mn_Polynomial_Click();
}

void Form1::Cmnd_LSQM_Click() {
  runAction([this] { handlers_->Cmnd_LSQM_Click(); });
}

void Form1::HScroll_Alfa_Change() {
  runAction([this] { handlers_->HScroll_Alfa_Change(widgets_.HScroll_Alfa->value()); });
}

void Form1::HScroll_xM_Change() {
  runAction([this] { handlers_->HScroll_xM_Change(widgets_.HScroll_xM->value()); });
}

// The bar goes to the typed value without running its own handler a second time.
void Form1::Text_Alfa_Enter() {
  runAction([this] {
    const int position = handlers_->Text_Alfa_Enter();
    const QSignalBlocker quiet(widgets_.HScroll_Alfa);
    widgets_.HScroll_Alfa->setValue(position);
  });
}

void Form1::Text_xM_Enter() {
  runAction([this] {
    const int position = handlers_->Text_xM_Enter();
    const QSignalBlocker quiet(widgets_.HScroll_xM);
    widgets_.HScroll_xM->setValue(position);
  });
}

void Form1::Mn_Numerical_Click() {
  runAction([this] { handlers_->Mn_Numerical_Click(); });
}

void Form1::Mn_LumpVM_Click() {
  runAction([this] { handlers_->Mn_LumpVM_Click(); });
}

void Form1::Mn_About_Click() {
  if (!about_) about_ = std::make_unique<About>();
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace vantrel
