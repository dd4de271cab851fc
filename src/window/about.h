#pragma once

#include <QWidget>

namespace vantrel {

// The About window: fixed information, no controls that act; shown without modality.
class About : public QWidget {
  Q_OBJECT

 public:
  explicit About(QWidget* parent = nullptr);
};

}  // namespace vantrel
