#pragma once

#include <string>

namespace vantrel {

class PictureBox;  // the display list of a picture area (surface/picture_box.h)

enum class TextBox { Text_Alfa0, Text_CmAC, Text_CL, Text_Cmx, Text_Alfa, Text_xM, Text_N };
enum class Label { Lbl_Airfoil, Lbl_LSQ, Lbl_Degree };
enum class Option { Opt_WithEnd, Opt_WithOutEnd };
enum class Frame { Frame_IOWindow, Frame_LeastSquares };
enum class Picture { Picture_Airfoil, Picture_Camber, Picture_Load, Picture_Cmx, Picture_CL };

inline constexpr TextBox kAllTextBoxes[] = {
    TextBox::Text_Alfa0, TextBox::Text_CmAC, TextBox::Text_CL, TextBox::Text_Cmx,
    TextBox::Text_Alfa,  TextBox::Text_xM,   TextBox::Text_N};
inline constexpr Picture kAllPictures[] = {Picture::Picture_Airfoil, Picture::Picture_Camber,
                                           Picture::Picture_Load, Picture::Picture_Cmx,
                                           Picture::Picture_CL};

const char* nameOf(TextBox box);
const char* nameOf(Label label);
const char* nameOf(Picture picture);

// The only way the procedures reach the window: the Qt window implements it, the batch tool and
// the tests use HeadlessControls. Texts are UTF-8.
class Controls {
 public:
  virtual ~Controls() = default;

  virtual std::string text(TextBox box) const = 0;
  virtual void setText(TextBox box, const std::string& text) = 0;
  virtual void setCaption(Label label, const std::string& caption) = 0;
  virtual void setLabelVisible(Label label, bool visible) = 0;
  virtual bool isSelected(Option option) const = 0;
  virtual void setFrameVisible(Frame frame, bool visible) = 0;
  // Modal, titled "QEB-Vantrel", an OK button only, no icon; returns when it is closed.
  virtual void showMessage(const std::string& message) = 0;
  virtual PictureBox& picture(Picture picture) = 0;
};

}  // namespace vantrel
