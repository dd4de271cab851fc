#pragma once

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QWidget;

namespace vantrel {

class FilePanel;
class PictureWidget;
class TwipsPlacement;

// The main window's controls, each named as the program's procedures know it.
struct Form1Widgets {
  PictureWidget* Picture_Airfoil;
  QLabel* Lbl_Airfoil;
  PictureWidget* Picture_Camber;
  QLabel* Label4;
  QLabel* Lbl_LSQ;
  QLabel* Lbl_Degree;
  PictureWidget* Picture_Load;
  QGroupBox* Frame2;
  QLabel* Label2;
  QLineEdit* Text_Alfa0;
  QLabel* Label3;
  QLineEdit* Text_CmAC;
  QLabel* Label7;
  QLineEdit* Text_CL;
  QLabel* Label8;
  QLineEdit* Text_Cmx;
  PictureWidget* Picture_Cmx;
  QGroupBox* Frame1;
  QLabel* Label5;
  QLineEdit* Text_xM;
  QScrollBar* HScroll_xM;
  QLabel* Label6;
  QLineEdit* Text_Alfa;
  QScrollBar* HScroll_Alfa;
  PictureWidget* Picture_CL;
  FilePanel* Frame_IOWindow;
  QGroupBox* Frame_LeastSquares;
  QLabel* Label1;
  QLineEdit* Text_N;
  QRadioButton* Opt_WithEnd;
  QRadioButton* Opt_WithOutEnd;
  QPushButton* Cmnd_LSQM;
  // A visible way to close each panel besides Escape.
  QToolButton* Close_IOWindow;
  QToolButton* Close_LeastSquares;
};

struct Form1Menu {
  QAction* Mn_Airfoil;
  QMenu* Mn_Analysis;
  QMenu* Mn_Vantrel;
  QAction* Mn_Polynomial;
  QAction* Mn_Numerical;
  QAction* Mn_LumpVM;
  QAction* Mn_PlainFlap;
  QAction* Mn_Compare;
  QAction* Mn_CompareAirfoils;
  QAction* Mn_Converge;
  QAction* Mn_Panel;
  QAction* Mn_About;
  QMenu* Mn_View;
  QAction* Mn_Axes;  // "Axes and values", checkable
  // One checkable choice per language, of which one is checked; each holds its language's code.
  QMenu* Mn_Language;
  QAction* Mn_Quit;  // Ctrl+Q; in no menu
};

// The window's design size in twips.
inline constexpr int kForm1WidthTwips = 9540;
inline constexpr int kForm1HeightTwips = 6960;

// Creates the controls on `surface` in their initial state (as designed, before Form_Load) and
// registers each with `placement`. Later controls lie above earlier ones, so the two panels
// come last.
Form1Widgets buildForm1Widgets(QWidget* surface, TwipsPlacement& placement);
Form1Menu buildForm1Menu(QMenuBar* bar);

}  // namespace vantrel
