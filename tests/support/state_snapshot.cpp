#include "support/state_snapshot.h"

#include <cstdio>
#include <variant>
#include <vector>

#include "fixtures/test_airfoil.h"
#include "support/test_files.h"
#include "surface/picture_box.h"

namespace vantrel::test {
namespace {

std::string exact(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a ", value);
  return buffer;
}

std::string exact(const std::vector<double>& values) {
  std::string out = "[";
  for (double value : values) out += exact(value);
  return out + "]";
}

std::string pictureOf(const PictureBox& picture) {
  std::string out = std::to_string(picture.revision()) + ":";
  for (const PlotOp& operation : picture.operations()) {
    if (const auto* line = std::get_if<LineOp>(&operation)) {
      out += "L" + exact(line->x1) + exact(line->y1) + exact(line->x2) + exact(line->y2);
    } else if (const auto* circle = std::get_if<CircleOp>(&operation)) {
      out += "C" + exact(circle->x) + exact(circle->y) + exact(circle->r);
    } else {
      const auto& scale = std::get<ScaleOp>(operation);
      out += "S" + exact(scale.x1) + exact(scale.y1) + exact(scale.x2) + exact(scale.y2);
    }
  }
  return out;
}

}  // namespace

std::string stateOf(const Ortak& ortak) {
  std::string out = ortak.AirfoilName + "|" + std::to_string(ortak.NPoint) + "|";
  for (const auto* array :
       {&ortak.xU, &ortak.yU, &ortak.xL, &ortak.yL, &ortak.xC, &ortak.yC, &ortak.Theta, &ortak.A}) {
    out += exact(*array);
  }
  for (double value : {ortak.Pi, ortak.M, ortak.A0Camber, ortak.Alfa, ortak.Alfa0, ortak.CmAC,
                       ortak.CL, ortak.CLMin, ortak.CLMax}) {
    out += exact(value);
  }
  return out;
}

std::string windowOf(const HeadlessControls& form, const std::filesystem::path& workDir) {
  std::string out;
  for (TextBox box : kAllTextBoxes) out += form.text(box) + "|";
  for (Label label : {Label::Lbl_Airfoil, Label::Lbl_LSQ, Label::Lbl_Degree}) {
    out += form.caption(label) + (form.labelVisible(label) ? "+|" : "-|");
  }
  for (Frame frame : {Frame::Frame_IOWindow, Frame::Frame_LeastSquares}) {
    out += form.frameVisible(frame) ? "+" : "-";
  }
  out += form.isSelected(Option::Opt_WithEnd) ? "E" : "F";
  for (Picture picture : kAllPictures) out += pictureOf(form.picture(picture)) + "|";
  return out + fileBytes(workDir / "Vantrel.txt") + "|" + fileBytes(workDir / "Poly5.txt");
}

}  // namespace vantrel::test
