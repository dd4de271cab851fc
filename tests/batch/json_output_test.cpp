#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "batch/json_text.h"
#include "batch/plot_export.h"
#include "batch/summary_output.h"
#include "batch/sweep_table.h"
#include "batch_test_support.h"
#include "state/headless_controls.h"
#include "state/ortak.h"

namespace vantrel::batch {
namespace {

using batch_test::keysOf;

std::string quoted(const std::string& text) {
  return jsonText(Json(text));
}

TEST(JsonText, EscapesAndKeepsUtf8) {
  EXPECT_EQ(quoted("plain"), "\"plain\"");
  EXPECT_EQ(quoted("a\"b\\c\nd\te\x01"), "\"a\\\"b\\\\c\\nd\\te\\u0001\"");
  EXPECT_EQ(quoted("polinomun derecesi 5 den büyük olamaz"),
            "\"polinomun derecesi 5 den büyük olamaz\"");
  EXPECT_EQ(quoted(" sıfır diyagonal elemanı"), "\" sıfır diyagonal elemanı\"");
}

TEST(JsonText, EveryByteThatIsNotUtf8BecomesOneReplacementCharacter) {
  // A Windows-1254 "Ü" and a cut-off two-byte sequence are not UTF-8.
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(quoted("x-\xDCst"), "\"x-" + replacement + "st\"");
  EXPECT_EQ(quoted("end\xC3"), "\"end" + replacement + "\"");
  EXPECT_EQ(quoted("\xED\xA0\x80"),
            "\"" + replacement + replacement + replacement + "\"");  // a surrogate
  EXPECT_EQ(quoted("\xC3\xF0\xAC"), "\"" + replacement + replacement + replacement + "\"");
  EXPECT_EQ(Json::parse(quoted("\xFF\xFE ok")), replacement + replacement + " ok");
}

TEST(JsonText, NumbersInShortestRoundTripFormWhateverTheLocale) {
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale where installed
  EXPECT_EQ(jsonText(Json(0.1)), "0.1");
  EXPECT_EQ(jsonText(Json(-2.0791889219065482)), "-2.0791889219065482");
  EXPECT_EQ(jsonText(Json(1e-5)), "1e-05");
  EXPECT_EQ(jsonText(Json(3.0)), "3");
  EXPECT_EQ(jsonText(Json(-0.0)), "-0");
  EXPECT_EQ(jsonText(FloatJson(0.1f)), "0.1");
  EXPECT_EQ(jsonText(Json(std::numeric_limits<double>::quiet_NaN())), "null");
  EXPECT_EQ(jsonText(Json(-std::numeric_limits<double>::infinity())), "null");
  EXPECT_EQ(jsonText(Json(std::vector<double>{0, 0.5, std::nan("")})), "[0,0.5,null]");
  EXPECT_EQ(jsonText(Json{{"n", 2}, {"list", {"a", 1}}}), "{\"n\": 2, \"list\": [\"a\", 1]}");
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(Json::parse(jsonText(Json(1e-5))), 1e-5);
}

TEST(DisplayListJson, ListsTheOperationsSinceClsAsDrawn) {
  PictureBox picture;
  picture.Scale(-0.1, 0.15, 1.1, -0.15);
  picture.Line(0, 0, 1, 0);
  picture.Cls();  // keeps the scale: the list starts with it
  picture.Line(0.1, 0.2, 0.3, 1.0 / 3.0, kRed);
  picture.Circle(4, 0.6666577, 0.3, kBlue);
  const Json parsed = Json::parse(displayListJson(picture));
  ASSERT_EQ(parsed.size(), 3u);
  const Json& scale = parsed[0];
  EXPECT_EQ(scale["op"], "scale");
  EXPECT_EQ(scale["y2"], -0.15);
  const Json& line = parsed[1];
  EXPECT_EQ(keysOf(line), (std::vector<std::string>{"op", "x1", "y1", "x2", "y2", "color"}));
  EXPECT_EQ(line["y2"].get<float>(), static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(line["color"], Json::array({255, 0, 0}));
  const Json& circle = parsed[2];
  EXPECT_EQ(keysOf(circle), (std::vector<std::string>{"op", "x", "y", "r", "color"}));
  EXPECT_EQ(circle["r"].get<float>(), 0.3f);

  PictureBox foreground;
  foreground.Line(0, 0, 1, 0);
  const Json plain = Json::parse(displayListJson(foreground));
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_TRUE(plain[0]["color"].is_null());
  EXPECT_EQ(displayListJson(PictureBox()), "[]\n");
}

TEST(Summary, TextListsBoxesLabelsThenMessages) {
  HeadlessControls controls;
  controls.setText(TextBox::Text_CL, "0.548");
  controls.setCaption(Label::Lbl_Airfoil, "NACA 2412");
  controls.showMessage("Open an airfoil data file");
  controls.showMessage("second");
  EXPECT_EQ(textSummary(controls),
            "Text_Alfa0 = \nText_CmAC = \nText_CL = 0.548\nText_Cmx = \nText_Alfa = 0\n"
            "Text_xM = 0\nText_N = 3\nLbl_Airfoil = NACA 2412\nLbl_Degree = \n"
            "Message: Open an airfoil data file\nMessage: second\n");
}

TEST(Summary, JsonHasExactlyTheAgreedKeys) {
  HeadlessControls controls;
  controls.setCaption(Label::Lbl_Airfoil, "Ş \"quoted\"");
  Ortak ortak;
  ortak.NPoint = 1;
  ortak.xC = {0, 0.5};
  ortak.A = {0.1, std::nan("")};
  SweepTable sweep{kVortexSweepColumns, {{5, 0.548, 0.001}}};
  const Json parsed = Json::parse(jsonSummary(controls, ortak, &sweep));
  EXPECT_EQ(keysOf(parsed),
            (std::vector<std::string>{"Text_Alfa0", "Text_CmAC", "Text_CL", "Text_Cmx", "Text_Alfa",
                                      "Text_xM", "Text_N", "Lbl_Airfoil", "Lbl_Degree", "messages",
                                      "state", "sweep"}));
  EXPECT_EQ(parsed["Lbl_Airfoil"], "Ş \"quoted\"");
  const Json& state = parsed["state"];
  EXPECT_EQ(keysOf(state), (std::vector<std::string>{"NPoint", "M", "A", "A0Camber", "Alfa",
                                                     "Alfa0", "CmAC", "CL", "CLMin", "CLMax", "xU",
                                                     "yU", "xL", "yL", "xC", "yC", "Theta"}));
  EXPECT_EQ(state["xC"][1], 0.5);
  EXPECT_TRUE(state["A"][1].is_null());
  EXPECT_EQ(parsed["sweep"]["columns"][2], "cm4");
  EXPECT_EQ(parsed["sweep"]["rows"][0][1], 0.548);

  const Json withoutSweep = Json::parse(jsonSummary(controls, Ortak{}, nullptr));
  EXPECT_FALSE(withoutSweep.contains("sweep"));
  EXPECT_EQ(withoutSweep["state"]["A"], Json::array());
}

TEST(SweepTable, CsvHasAHeaderAndFullPrecision) {
  SweepTable table{kFourierSweepColumns, {{-4, 0.1 + 0.2, -1e-7, -2.0791889219065482, -0.053}}};
  EXPECT_EQ(sweepCsv(table),
            "alfa,CL,Cmx,Alfa0,CmAC\n-4,0.30000000000000004,-1e-07,-2.0791889219065482,-0.053\n");
}

}  // namespace
}  // namespace vantrel::batch
