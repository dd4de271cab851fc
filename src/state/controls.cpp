#include "state/controls.h"

namespace vantrel {

const char* nameOf(TextBox box) {
  switch (box) {
    case TextBox::Text_Alfa0:
      return "Text_Alfa0";
    case TextBox::Text_CmAC:
      return "Text_CmAC";
    case TextBox::Text_CL:
      return "Text_CL";
    case TextBox::Text_Cmx:
      return "Text_Cmx";
    case TextBox::Text_Alfa:
      return "Text_Alfa";
    case TextBox::Text_xM:
      return "Text_xM";
    case TextBox::Text_N:
      return "Text_N";
  }
  return "";
}

const char* nameOf(Label label) {
  switch (label) {
    case Label::Lbl_Airfoil:
      return "Lbl_Airfoil";
    case Label::Lbl_LSQ:
      return "Lbl_LSQ";
    case Label::Lbl_Degree:
      return "Lbl_Degree";
  }
  return "";
}

const char* nameOf(Picture picture) {
  switch (picture) {
    case Picture::Picture_Airfoil:
      return "Picture_Airfoil";
    case Picture::Picture_Camber:
      return "Picture_Camber";
    case Picture::Picture_Load:
      return "Picture_Load";
    case Picture::Picture_Cmx:
      return "Picture_Cmx";
    case Picture::Picture_CL:
      return "Picture_CL";
  }
  return "";
}

}  // namespace vantrel
