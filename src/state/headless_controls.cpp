#include "state/headless_controls.h"

#include "state/initial_state.h"

namespace vantrel {

HeadlessControls::HeadlessControls() {
  for (TextBox box : kAllTextBoxes) texts_[box] = initialText(box);
  for (Label label : {Label::Lbl_Airfoil, Label::Lbl_LSQ, Label::Lbl_Degree}) {
    captions_[label] = initialCaption(label);
    labelsVisible_[label] = true;
  }
  framesVisible_[Frame::Frame_IOWindow] = false;
  framesVisible_[Frame::Frame_LeastSquares] = true;  // Form_Load hides it
}

std::string HeadlessControls::text(TextBox box) const {
  return texts_.at(box);
}
void HeadlessControls::setText(TextBox box, const std::string& text) {
  texts_[box] = text;
}
void HeadlessControls::setCaption(Label label, const std::string& caption) {
  captions_[label] = caption;
}
void HeadlessControls::setLabelVisible(Label label, bool visible) {
  labelsVisible_[label] = visible;
}
bool HeadlessControls::isSelected(Option option) const {
  return (option == Option::Opt_WithEnd) == withEndSelected_;
}
void HeadlessControls::setFrameVisible(Frame frame, bool visible) {
  framesVisible_[frame] = visible;
}
void HeadlessControls::showMessage(const std::string& message) {
  messages_.push_back(message);
}
PictureBox& HeadlessControls::picture(Picture picture) {
  return pictures_[static_cast<std::size_t>(picture)];
}
const PictureBox& HeadlessControls::picture(Picture picture) const {
  return pictures_[static_cast<std::size_t>(picture)];
}
std::string HeadlessControls::caption(Label label) const {
  return captions_.at(label);
}
bool HeadlessControls::labelVisible(Label label) const {
  return labelsVisible_.at(label);
}
bool HeadlessControls::frameVisible(Frame frame) const {
  return framesVisible_.at(frame);
}

}  // namespace vantrel
