#pragma once

#include <QWidget>

namespace vantrel {

// The About window: fixed information, no controls that act; shown without modality.
class About : public QWidget {
  Q_OBJECT

 public:
  explicit About(QWidget* parent = nullptr);

 protected:
  // Escape closes it, as the close button of its title bar does.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantrel
