#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

// "Analysis › Plain Flap…": the hinge x/c and the deflection in degrees, and Apply. After a flap
// is applied it reminds the user that the least-squares road then needs "Without End conditions".
class PlainFlapPanel : public QDialog {
  Q_OBJECT

 public:
  explicit PlainFlapPanel(QWidget* parent);

  QString hingeText() const;
  QString deflectionText() const;
  // Shows the reminder when the airfoil on screen carries a deflected flap.
  void showFlapApplied(bool deflected);

  QLineEdit* Text_Hinge;
  QLineEdit* Text_Deflection;
  QPushButton* Cmnd_FlapApply;
  QLabel* Lbl_FlapNote;

 signals:
  void applyRequested();
};

}  // namespace vantrel
