#include "window/about.h"

#include <QColor>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>

#include "window/twips_placement.h"

namespace vantrel {
namespace {

struct AboutLine {
  const char* name;
  const char* text;
  double pointSize;
  bool emphasised;  // bold and underlined
  QColor color;
  QRect twips;
};

const QColor kAboutBack(255, 255, 192);
const QColor kGreen(0, 128, 0);

QFont verdana(double pointSize, bool emphasised) {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(emphasised);
  font.setUnderline(emphasised);
  return font;
}

QLabel* makeLabel(QWidget* parent, const AboutLine& line) {
  auto* label = new QLabel(QString::fromUtf8(line.text), parent);
  label->setObjectName(QString::fromLatin1(line.name));
  label->setFont(verdana(line.pointSize, line.emphasised));
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, kAboutBack);
  palette.setColor(QPalette::WindowText, line.color);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The two taller labels hold two lines each.
  label->setWordWrap(line.twips.height() > 300);
  label->setGeometry(QRect(QPoint(line.twips.left() / 15, line.twips.top() / 15),
                           TwipsPlacement::pixelsOf(line.twips.size())));
  return label;
}

}  // namespace

About::About(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(TwipsPlacement::pixelsOf(QSize(4275, 3870)));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kAboutBack);
  setPalette(palette);
  setAutoFillBackground(true);

  const AboutLine lines[] = {
      {"Label1", "QEB-Vantrel", 12, true, QColor(255, 0, 0), QRect(1320, 240, 1815, 255)},
      {"Label2", "Thin airfoil application program", 9.75, false, kGreen,
       QRect(600, 720, 3135, 255)},
      {"Label6", "- Uses polynom up to 4th degrees for analytical solutions", 9.75, false, kGreen,
       QRect(600, 1080, 3255, 495)},
      {"Label3", "- Uses Lumped Vortex Method for numerical solutions", 9.75, false, kGreen,
       QRect(600, 1680, 3015, 495)},
      {"Label7", "QEB-Vantrel developers", 8.25, false, Qt::black, QRect(840, 2400, 2535, 255)},
      {"Label8", "Last update : November 2009", 8.25, false, Qt::black,
       QRect(840, 2760, 2775, 255)},
      {"Label4", "for comments and questions e-mail to", 8.25, false, Qt::black,
       QRect(480, 3120, 3375, 255)},
      {"Label5", "see README.md", 8.25, false, QColor(0, 0, 255), QRect(1200, 3480, 1935, 255)},
  };
  for (const AboutLine& line : lines) makeLabel(this, line);
}

void About::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace vantrel
