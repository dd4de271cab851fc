#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include <optional>

#include "app/form1_handlers.h"
#include "panel/panel_lesson.h"
#include "state/ortak.h"
#include "web/lesson_record.h"
#include "web/page_controls.h"
#include "web/page_lessons.h"
#include "web/worker_progress.h"

namespace vantrel::web {

// One page's analysis: the shared state, the page's controls and the window's own handlers.
// Every call returns the page's new state as JSON (see stateJson). Long work reports its progress
// to the page while it runs (see WorkerProgress).
class PageSession {
 public:
  explicit PageSession(const std::string& workDir);

  // A handler by its name ("Cmnd_LSQM_Click", "HScroll_Alfa_Change", ...) with its one argument
  // (the scroll value, or "folder/name" of a chosen file); an unknown name changes nothing.
  // Beside the state, the reply says whether a chosen file was read ("read") and where Enter in
  // a text box puts its scroll bar ("position").
  std::string act(std::string_view handler, std::string_view argument);
  // The batch tool's action words of a lesson link, replayed as the batch tool replays them, with
  // `open NAME` naming a bundled sample. Beside the state, the reply says where the scroll bars
  // went ("positions") and which sample the list highlights ("sample", when an airfoil was read).
  std::string lesson(std::string_view actions);
  // The actions of a link to the present screen ({"actions": ...}), or why there can be none
  // ({"refusal": ...}).
  std::string linkJson() const;
  // Puts back what a file read leaves as it was (the text boxes, labels, frames and option, as
  // stateJson gives them), so that a session rebuilt from the last read matches the one before.
  void restoreControls(std::string_view stateJson);
  // What the user typed or chose: a text box by name, or an option button by name.
  void setText(std::string_view box, const std::string& text);
  void select(std::string_view option);
  // The language of the messages and the report headings by its code; an unknown code changes
  // nothing.
  void setLanguage(std::string_view code);
  // Every language the page offers: [{"code", "name"}], the program's own first.
  static std::string languagesJson();
  // The display list of a picture mapped onto width x height device pixels, with what is drawn
  // over it: the operating point's edge marker and, when asked for, the axes and values. `scale`
  // is the size over the picture's design size, which text, markers and `penWidth` follow.
  std::string pictureJson(std::string_view picture, double width, double height, bool axes,
                          double scale) const;
  std::string stateJson();
  // Compare Airfoils: the airfoil on screen as the page's list keeps it, and the list's table and
  // pictures at the main window's α (see airfoils_request.h).
  std::string screenAirfoilJson() const;
  std::string airfoilsJson(std::string_view requestJson) const;
  // Thickness and Pressure: `requestJson` {"open", "width", "height", "scale"}. Opening solves
  // the airfoil on screen at the main window's α; "Open an airfoil data file" or the message of
  // a refusal goes to the reply's messages, and its panel is null. While the window is open it
  // follows the α by sums alone, and solves again once another airfoil has been read. The reply:
  // {"panel": see panelLessonJson, or null, "messages"}.
  std::string panelJson(std::string_view requestJson);
  // Keeps a reply for the module's caller until the next one.
  const char* keepReply(std::string text) {
    reply_ = std::move(text);
    return reply_.c_str();
  }

 private:
  nlohmann::json stateObject();
  nlohmann::json replayLesson(std::string_view line);

  std::string reply_;
  std::optional<PanelLesson> panelLesson_;
  PictureBox pressureBox_;  // the lesson's pressure picture, for Save and Copy Picture
  unsigned long panelAirfoil_ = 0;  // the airfoil picture's revision the lesson was solved for
  WorkerProgress progress_;
  Ortak ortak_;
  PageControls controls_;
  Form1Handlers handlers_;
  PageLessons lessons_;
  LessonRecord record_{controls_};
};

}  // namespace vantrel::web
