#include "state/initial_state.h"

namespace vantrel {

std::string initialText(TextBox box) {
  switch (box) {
    case TextBox::Text_Alfa:
    case TextBox::Text_xM:
      return "0";
    case TextBox::Text_N:
      return "3";
    default:
      return "";
  }
}

std::string initialCaption(Label label) {
  return label == Label::Lbl_LSQ ? "--------  Least squares polynomial of degree" : "";
}

}  // namespace vantrel
