#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "app/form1_handlers.h"
#include "input/nca_parser.h"
#include "lessons/convergence_study.h"
#include "plot/axes_layer.h"
#include "state/progress.h"
#include "surface/picture_box.h"

namespace vantrel::web {

// The window's lesson commands for the page (Plain Flap, Compare Methods, Convergence Study) and
// the file panel's NACA generator, through the same handlers and lesson code as the window. The
// flap's and the study's pictures live here, for the page to paint at any size.
class PageLessons {
 public:
  PageLessons(Form1Handlers& handlers, Progress& progress);

  // A lesson's handler by name with its argument (JSON text for those with fields); none for a
  // name that is not a lesson's. Messages go to the handlers' controls.
  std::optional<nlohmann::json> act(std::string_view handler, std::string_view argument);
  // Picture_Flap or Picture_Convergence and the style of its axes; null for another name.
  const PictureBox* picture(std::string_view name, AxesStyle& style) const;
  // What the page shows of the lessons after any action: the flap panel's picture and note.
  nlohmann::json stateObject() const;
  // Another airfoil was read: the flap picture of the last one no longer applies.
  void airfoilRead();

 private:
  nlohmann::json applyFlap(const nlohmann::json& fields);
  nlohmann::json compare();
  nlohmann::json prepareStudy();
  nlohmann::json runStudy(const nlohmann::json& fields);
  nlohmann::json studyCaptions() const;
  nlohmann::json generateNaca(const nlohmann::json& fields);

  Form1Handlers& handlers_;
  Progress& progress_;
  PictureBox flapPicture_;
  bool flapShown_ = false;
  std::optional<AirfoilData> studyAirfoil_;
  std::string studyLabel_;
  std::optional<ConvergenceStudy> study_;
  PictureBox studyPicture_;
  // Grows with every picture made here, so the page knows when to repaint.
  unsigned long pictureVersion_ = 0;
};

}  // namespace vantrel::web
