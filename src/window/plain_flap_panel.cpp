#include "window/plain_flap_panel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Hinge x/c"), Text_Hinge);
  fields->addRow(QStringLiteral("Deflection (degrees, trailing edge down)"), Text_Deflection);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(Cmnd_FlapApply, QDialogButtonBox::ApplyRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(Lbl_FlapNote);
  layout->addWidget(buttons);

  connect(Cmnd_FlapApply, &QPushButton::clicked, this, &PlainFlapPanel::applyRequested);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
}

QString PlainFlapPanel::hingeText() const {
  return Text_Hinge->text();
}

QString PlainFlapPanel::deflectionText() const {
  return Text_Deflection->text();
}

void PlainFlapPanel::showFlapApplied(bool deflected) {
  Lbl_FlapNote->setVisible(deflected);
  adjustSize();
}

}  // namespace vantrel
