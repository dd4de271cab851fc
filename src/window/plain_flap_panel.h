#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

class PictureBox;
class PictureWidget;

// "Analysis › Plain Flap…": the hinge x/c and the deflection in degrees, and Apply. After a flap
// is applied it reminds the user that the least-squares road then needs "Without End conditions".
class PlainFlapPanel : public QDialog {
  Q_OBJECT

 public:
  explicit PlainFlapPanel(QWidget* parent);

  QString hingeText() const;
  QString deflectionText() const;
  // Shows the reminder when the airfoil on screen carries a deflected flap, and the whole mean
  // line with the flap beside the line as read.
  void showFlapApplied(bool deflected, const PictureBox& meanLines);

  QLineEdit* Text_Hinge;
  QLineEdit* Text_Deflection;
  QPushButton* Cmnd_FlapApply;
  QLabel* Lbl_FlapNote;
  QLabel* Lbl_FlapPicture;
  PictureWidget* Picture_Flap;

 signals:
  void applyRequested();
  void messageRequested(const QString& message);
};

}  // namespace vantrel
