#include "window/form1_widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "language/program_texts.h"
#include "state/controls.h"
#include "state/initial_state.h"
#include "window/file_panel.h"
#include "window/picture_widget.h"
#include "window/twips_placement.h"

namespace vantrel {
namespace {

// The window system's default control font of the original design.
constexpr double kControlPointSize = 8.25;

const QColor kPictureBackColor(255, 255, 192);

// A horizontal bar's arrows are as long as the bar is high, so they grow with the window as the
// bar does instead of keeping the style's fixed size.
class ScalingArrowsStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent && widget != nullptr) {
      const auto* bar = qobject_cast<const QScrollBar*>(widget);
      if (bar != nullptr && bar->orientation() == Qt::Horizontal) return bar->height();
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

class Builder {
 public:
  Builder(QWidget* surface, TwipsPlacement& placement) : surface_(surface), placement_(placement) {}

  template <typename Widget>
  Widget* add(Widget* widget, const char* name, QWidget* container, QRect twips) {
    widget->setObjectName(QString::fromLatin1(name));
    placement_.place(widget, twips, kControlPointSize, container == surface_);
    return widget;
  }

  PictureWidget* picture(const char* name, QRect twips) {
    auto* widget = new PictureWidget(TwipsPlacement::pixelsOf(twips.size()), surface_);
    return add(widget, name, surface_, twips);
  }

  QLabel* label(const char* name, QWidget* container, QRect twips, const QString& text) {
    return add(new QLabel(text, container), name, container, twips);
  }

  QLineEdit* textBox(const char* name, TextBox box, QWidget* container, QRect twips) {
    return add(new QLineEdit(QString::fromStdString(initialText(box)), container), name, container,
               twips);
  }

  QGroupBox* frame(const char* name, QRect twips, const QString& caption) {
    auto* frame = add(new QGroupBox(caption, surface_), name, surface_, twips);
    frame->setAutoFillBackground(true);
    return frame;
  }

  QScrollBar* scrollBar(const char* name, QWidget* container, QRect twips, int maximum, int value) {
    auto* bar = add(new QScrollBar(Qt::Horizontal, container), name, container, twips);
    bar->setRange(0, maximum);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setFocusPolicy(Qt::StrongFocus);  // arrow keys move it, as the original's did
    // Qt inverts a scroll bar's keys for scrolling content; here the right arrow must add.
    bar->setInvertedControls(false);
    auto* style = new ScalingArrowsStyle;
    style->setParent(bar);
    bar->setStyle(style);
    return bar;
  }

  QWidget* surface() const { return surface_; }

 private:
  QWidget* surface_;
  TwipsPlacement& placement_;
};

void paint(QWidget* widget, const QColor& back, const QColor& text = QColor()) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, back);
  if (text.isValid()) palette.setColor(QPalette::WindowText, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void buildPlots(Builder& b, Form1Widgets& w) {
  w.Picture_Airfoil = b.picture("Picture_Airfoil", {120, 120, 6000, 1500});
  w.Lbl_Airfoil = b.label("Lbl_Airfoil", w.Picture_Airfoil, {0, 1200, 6015, 255},
                          QString::fromStdString(initialCaption(Label::Lbl_Airfoil)));
  paint(w.Lbl_Airfoil, kPictureBackColor);

  w.Picture_Camber = b.picture("Picture_Camber", {120, 1680, 6045, 2535});
  w.Label4 = b.label("Label4", w.Picture_Camber, {210, 0, 1305, 210},
                     QStringLiteral("-------  CamberLine"));
  paint(w.Label4, kPictureBackColor, QColor(0, 0, 192));
  w.Lbl_LSQ = b.label("Lbl_LSQ", w.Picture_Camber, {2640, 0, 3105, 255},
                      QString::fromStdString(initialCaption(Label::Lbl_LSQ)));
  paint(w.Lbl_LSQ, kPictureBackColor, QColor(255, 0, 0));
  w.Lbl_Degree = b.label("Lbl_Degree", w.Picture_Camber, {5640, 0, 255, 255},
                         QString::fromStdString(initialCaption(Label::Lbl_Degree)));
  paint(w.Lbl_Degree, kPictureBackColor);

  w.Picture_Load = b.picture("Picture_Load", {120, 4320, 6015, 2535});
}

void buildResults(Builder& b, Form1Widgets& w) {
  w.Frame2 = b.frame("Frame2", {6240, 120, 3135, 1095}, QString());
  w.Label2 = b.label("Label2", w.Frame2, {120, 240, 615, 255}, QStringLiteral("\u03b1\u2080 ="));
  w.Text_Alfa0 = b.textBox("Text_Alfa0", TextBox::Text_Alfa0, w.Frame2, {600, 240, 735, 285});
  w.Label3 = b.label("Label3", w.Frame2, {1560, 240, 615, 255}, QStringLiteral("CmAC ="));
  w.Text_CmAC = b.textBox("Text_CmAC", TextBox::Text_CmAC, w.Frame2, {2160, 240, 735, 285});
  w.Label7 = b.label("Label7", w.Frame2, {120, 600, 375, 255}, QStringLiteral("CL ="));
  w.Text_CL = b.textBox("Text_CL", TextBox::Text_CL, w.Frame2, {600, 600, 735, 285});
  w.Label8 = b.label("Label8", w.Frame2, {1560, 600, 495, 255}, QStringLiteral("Cmx ="));
  w.Text_Cmx = b.textBox("Text_Cmx", TextBox::Text_Cmx, w.Frame2, {2160, 600, 735, 285});
  w.Picture_Cmx = b.picture("Picture_Cmx", {6240, 1320, 3135, 2415});
}

void buildInputs(Builder& b, Form1Widgets& w) {
  w.Frame1 = b.frame("Frame1", {6240, 3720, 3135, 855}, QString());
  w.Label5 = b.label("Label5", w.Frame1, {120, 120, 615, 255}, QStringLiteral("xM/c ="));
  paint(w.Label5, QColor(192, 192, 192));
  w.Text_xM = b.textBox("Text_xM", TextBox::Text_xM, w.Frame1, {720, 120, 495, 285});
  w.HScroll_xM = b.scrollBar("HScroll_xM", w.Frame1, {1200, 120, 1935, 255}, 100, 0);
  w.Label6 = b.label("Label6", w.Frame1, {360, 480, 255, 255}, QStringLiteral("\u03b1 ="));
  w.Text_Alfa = b.textBox("Text_Alfa", TextBox::Text_Alfa, w.Frame1, {720, 480, 495, 285});
  w.HScroll_Alfa = b.scrollBar("HScroll_Alfa", w.Frame1, {1200, 480, 1935, 255}, 200, 100);
  w.Picture_CL = b.picture("Picture_CL", {6240, 4560, 3135, 2295});
}

QToolButton* closeButton(Builder& b, const char* name, QWidget* panel, QRect twips) {
  auto* button = new QToolButton(panel);
  button->setText(QStringLiteral("\u2715"));
  button->setToolTip(QStringLiteral("Close (Esc)"));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return b.add(button, name, panel, twips);
}

void buildFilePanel(Builder& b, Form1Widgets& w) {
  w.Frame_IOWindow =
      b.add(new FilePanel(b.surface()), "Frame_IOWindow", b.surface(), {0, 0, 4260, 2730});
  b.add(w.Frame_IOWindow->Drive1(), "Drive1", w.Frame_IOWindow, {120, 240, 1965, 315});
  b.add(w.Frame_IOWindow->Dir1(), "Dir1", w.Frame_IOWindow, {105, 525, 1890, 2115});
  b.add(w.Frame_IOWindow->File1(), "File1", w.Frame_IOWindow, {2040, 240, 2115, 2430});
  w.Close_IOWindow = closeButton(b, "Close_IOWindow", w.Frame_IOWindow, {3975, 15, 240, 210});
  w.Frame_IOWindow->hide();
}

void buildLeastSquaresPanel(Builder& b, Form1Widgets& w) {
  w.Frame_LeastSquares = b.frame("Frame_LeastSquares", {120, 120, 2295, 1935},
                                 QStringLiteral("Least Squares Polynom"));
  QGroupBox* frame = w.Frame_LeastSquares;
  w.Label1 =
      b.label("Label1", frame, {105, 360, 1680, 255}, QStringLiteral("Degree of Polynom  ="));
  w.Text_N = b.textBox("Text_N", TextBox::Text_N, frame, {1800, 360, 375, 285});
  w.Opt_WithEnd = b.add(new QRadioButton(QStringLiteral("With End conditions"), frame),
                        "Opt_WithEnd", frame, {120, 720, 2025, 195});
  w.Opt_WithOutEnd = b.add(new QRadioButton(QStringLiteral("Without End conditions"), frame),
                           "Opt_WithOutEnd", frame, {120, 1080, 2055, 195});
  w.Opt_WithEnd->setChecked(true);
  w.Cmnd_LSQM = b.add(new QPushButton(QStringLiteral("CALCULATE"), frame), "Cmnd_LSQM", frame,
                      {120, 1440, 2055, 375});
  w.Close_LeastSquares = closeButton(b, "Close_LeastSquares", frame, {2025, 15, 240, 210});
}

QAction* command(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* languageMenu(QMenu* view) {
  QMenu* menu = view->addMenu(QStringLiteral("&Language"));
  menu->setObjectName(QStringLiteral("Mn_Language"));
  auto* choices = new QActionGroup(menu);
  for (Language language : allLanguages()) {
    const QString code = QString::fromUtf8(languageCode(language));
    QAction* choice = menu->addAction(QString::fromUtf8(textsIn(language).languageName));
    choice->setObjectName(QStringLiteral("Mn_Language_") + code);
    choice->setData(code);
    choice->setCheckable(true);
    choices->addAction(choice);
  }
  return menu;
}

}  // namespace

Form1Widgets buildForm1Widgets(QWidget* surface, TwipsPlacement& placement) {
  Builder builder(surface, placement);
  Form1Widgets widgets{};
  buildPlots(builder, widgets);
  buildResults(builder, widgets);
  buildInputs(builder, widgets);
  buildFilePanel(builder, widgets);
  buildLeastSquaresPanel(builder, widgets);
  return widgets;
}

Form1Menu buildForm1Menu(QMenuBar* bar) {
  Form1Menu menu{};
  // Each caption carries its mnemonic (Alt + the underlined letter).
  menu.Mn_Airfoil = bar->addAction(QStringLiteral("&Airfoil"));
  menu.Mn_Airfoil->setObjectName(QStringLiteral("Mn_Airfoil"));
  menu.Mn_Airfoil->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  menu.Mn_Analysis = bar->addMenu(QStringLiteral("A&nalysis"));
  menu.Mn_Analysis->setObjectName(QStringLiteral("Mn_Analysis"));
  menu.Mn_Vantrel = menu.Mn_Analysis->addMenu(QStringLiteral("&Vantrel Theory"));
  menu.Mn_Vantrel->setObjectName(QStringLiteral("Mn_Vantrel"));
  menu.Mn_Polynomial = command(menu.Mn_Vantrel, "Mn_Polynomial", "&Polynomial Integration");
  menu.Mn_Numerical = command(menu.Mn_Vantrel, "Mn_Numerical", "&Numerical Integration");
  menu.Mn_LumpVM = command(menu.Mn_Analysis, "Mn_LumpVM", "&Lumped Vortex Method");
  menu.Mn_Analysis->addSeparator();
  menu.Mn_PlainFlap = command(menu.Mn_Analysis, "Mn_PlainFlap", "Plain &Flap");
  menu.Mn_PlainFlap->setText(QStringLiteral("Plain &Flap\u2026"));
  menu.Mn_Compare = command(menu.Mn_Analysis, "Mn_Compare", "&Compare Methods");
  menu.Mn_CompareAirfoils = command(menu.Mn_Analysis, "Mn_CompareAirfoils", "Compare &Airfoils");
  menu.Mn_CompareAirfoils->setText(QStringLiteral("Compare &Airfoils\u2026"));
  menu.Mn_Converge = command(menu.Mn_Analysis, "Mn_Converge", "Convergence &Study");
  menu.Mn_Converge->setText(QStringLiteral("Convergence &Study\u2026"));
  menu.Mn_Panel = command(menu.Mn_Analysis, "Mn_Panel", "&Thickness and Pressure");
  menu.Mn_View = bar->addMenu(QStringLiteral("&View"));
  menu.Mn_View->setObjectName(QStringLiteral("Mn_View"));
  menu.Mn_Axes = command(menu.Mn_View, "Mn_Axes", "&Axes and values");
  menu.Mn_Axes->setCheckable(true);
  menu.Mn_Axes->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+A")));
  menu.Mn_Language = languageMenu(menu.Mn_View);
  menu.Mn_About = bar->addAction(QStringLiteral("A&bout"));
  menu.Mn_About->setObjectName(QStringLiteral("Mn_About"));
  menu.Mn_About->setShortcut(QKeySequence(Qt::Key_F1));
  menu.Mn_Quit = new QAction(QStringLiteral("&Quit"), bar);
  menu.Mn_Quit->setObjectName(QStringLiteral("Mn_Quit"));
  menu.Mn_Quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  return menu;
}

}  // namespace vantrel
