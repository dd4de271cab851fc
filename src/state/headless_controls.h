#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "state/controls.h"
#include "surface/picture_box.h"

namespace vantrel {

// The window's controls without a window: holds their state in memory, starting as the window
// starts, and records every message. The batch tool and the tests use it.
class HeadlessControls : public Controls {
 public:
  HeadlessControls();

  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  void setCaption(Label label, const std::string& caption) override;
  void setLabelVisible(Label label, bool visible) override;
  bool isSelected(Option option) const override;
  void setFrameVisible(Frame frame, bool visible) override;
  void showMessage(const std::string& message) override;
  PictureBox& picture(Picture picture) override;

  void select(Option option) { withEndSelected_ = option == Option::Opt_WithEnd; }
  std::string caption(Label label) const;
  bool labelVisible(Label label) const;
  bool frameVisible(Frame frame) const;
  const PictureBox& picture(Picture picture) const;
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  std::map<TextBox, std::string> texts_;
  std::map<Label, std::string> captions_;
  std::map<Label, bool> labelsVisible_;
  std::map<Frame, bool> framesVisible_;
  bool withEndSelected_ = true;
  std::vector<std::string> messages_;
  std::array<PictureBox, 5> pictures_;
};

}  // namespace vantrel
