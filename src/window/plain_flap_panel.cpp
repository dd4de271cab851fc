#include "window/plain_flap_panel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/flap_picture.h"
#include "window/picture_widget.h"

namespace vantrel {

PlainFlapPanel::PlainFlapPanel(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PlainFlapPanel"));
  setWindowTitle(QStringLiteral("Plain Flap"));
  Text_Hinge = new QLineEdit(QStringLiteral("0.75"), this);
  Text_Hinge->setObjectName(QStringLiteral("Text_Hinge"));
  Text_Deflection = new QLineEdit(QStringLiteral("10"), this);
  Text_Deflection->setObjectName(QStringLiteral("Text_Deflection"));
  Cmnd_FlapApply = new QPushButton(QStringLiteral("Apply"), this);
  Cmnd_FlapApply->setObjectName(QStringLiteral("Cmnd_FlapApply"));
  Cmnd_FlapApply->setDefault(true);
  Lbl_FlapNote = new QLabel(
      QStringLiteral("A flap turns the trailing edge off the chord: for the polynomial use "
                     "\u201cWithout End conditions\u201d, since \u201cWith End conditions\u201d "
                     "forces zero camber there."),
      this);
  Lbl_FlapNote->setObjectName(QStringLiteral("Lbl_FlapNote"));
  Lbl_FlapNote->setWordWrap(true);
  Lbl_FlapNote->setVisible(false);

  Lbl_FlapPicture = new QLabel(
      QStringLiteral("The mean line, whole: as read (grey) and with the flap (blue), the hinge "
                     "in grey. The camber picture of the main window keeps its scale and cuts the "
                     "line where it dips below the chord."),
      this);
  Lbl_FlapPicture->setObjectName(QStringLiteral("Lbl_FlapPicture"));
  Lbl_FlapPicture->setWordWrap(true);
  Lbl_FlapPicture->setVisible(false);
  Picture_Flap = new PictureWidget(QSize(400, 130), this);
  Picture_Flap->setObjectName(QStringLiteral("Picture_Flap"));
  Picture_Flap->setMinimumSize(400, 130);
  Picture_Flap->setAxesStyle(FlapAxesStyle());
  Picture_Flap->setAxesShown(true);
  Picture_Flap->setVisible(false);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Hinge x/c"), Text_Hinge);
  fields->addRow(QStringLiteral("Deflection (degrees, trailing edge down)"), Text_Deflection);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(Cmnd_FlapApply, QDialogButtonBox::ApplyRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(Lbl_FlapNote);
  layout->addWidget(Lbl_FlapPicture);
  layout->addWidget(Picture_Flap, 1);
  layout->addWidget(buttons);

  connect(Cmnd_FlapApply, &QPushButton::clicked, this, &PlainFlapPanel::applyRequested);
  connect(Picture_Flap, &PictureWidget::messageRequested, this, &PlainFlapPanel::messageRequested);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
}

QString PlainFlapPanel::hingeText() const {
  return Text_Hinge->text();
}

QString PlainFlapPanel::deflectionText() const {
  return Text_Deflection->text();
}

void PlainFlapPanel::showFlapApplied(bool deflected, const PictureBox& meanLines) {
  Lbl_FlapNote->setVisible(deflected);
  Lbl_FlapPicture->setVisible(deflected);
  Picture_Flap->setVisible(deflected);
  Picture_Flap->box() = meanLines;
  Picture_Flap->update();
  adjustSize();
}

}  // namespace vantrel
