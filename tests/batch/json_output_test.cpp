#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "app/headless_controls.h"
#include "app/ortak.h"
#include "batch/json_writer.h"
#include "batch/plot_export.h"
#include "batch/summary_output.h"
#include "batch/sweep_table.h"
#include "mini_json.h"

namespace vantrel::batch {
namespace {

TEST(JsonString, EscapesAndKeepsUtf8) {
  EXPECT_EQ(jsonString("plain"), "\"plain\"");
  EXPECT_EQ(jsonString("a\"b\\c\nd\te\x01"), "\"a\\\"b\\\\c\\nd\\te\\u0001\"");
  EXPECT_EQ(jsonString("polinomun derecesi 5 den büyük olamaz"),
            "\"polinomun derecesi 5 den büyük olamaz\"");
  EXPECT_EQ(jsonString(" sıfır diyagonal elemanı"), "\" sıfır diyagonal elemanı\"");
}

TEST(JsonString, InvalidUtf8BecomesReplacementCharacters) {
  // A Windows-1254 "Ü" and a cut-off two-byte sequence are not UTF-8.
  EXPECT_EQ(jsonString("x-\xDCst"), "\"x-\\ufffdst\"");
  EXPECT_EQ(jsonString("end\xC3"), "\"end\\ufffd\"");
  EXPECT_EQ(jsonString("\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a surrogate
  const auto parsed = test_json::parse(jsonString("\xFF\xFE ok"));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->text, "\xEF\xBF\xBD\xEF\xBF\xBD ok");
}

TEST(JsonNumber, ShortestRoundTripWhateverTheLocale) {
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale where installed
  EXPECT_EQ(jsonNumber(0.1), "0.1");
  EXPECT_EQ(jsonNumber(-2.0791889219065482), "-2.0791889219065482");
  EXPECT_EQ(jsonNumber(1e-5), "1e-05");
  EXPECT_EQ(jsonNumber(3.0), "3");
  EXPECT_EQ(jsonNumber(0.1f), "0.1");
  EXPECT_EQ(jsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(jsonNumber(-std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(jsonArray({0, 0.5, std::nan("")}), "[0,0.5,null]");
  std::setlocale(LC_NUMERIC, "C");
  const auto parsed = test_json::parse(jsonNumber(1e-5));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->number, 1e-5);
}

TEST(DisplayListJson, ListsTheOperationsSinceClsAsDrawn) {
  PictureBox picture;
  picture.Scale(-0.1, 0.15, 1.1, -0.15);
  picture.Line(0, 0, 1, 0);
  picture.Cls();  // keeps the scale: the list starts with it
  picture.Line(0.1, 0.2, 0.3, 1.0 / 3.0, kRed);
  picture.Circle(4, 0.6666577, 0.3, kBlue);
  const auto parsed = test_json::parse(displayListJson(picture));
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->items.size(), 3u);
  const auto& scale = parsed->items[0];
  EXPECT_EQ(scale["op"].text, "scale");
  EXPECT_EQ(scale["y2"].number, -0.15);
  const auto& line = parsed->items[1];
  EXPECT_EQ(line.keys(), (std::vector<std::string>{"op", "x1", "y1", "x2", "y2", "color"}));
  EXPECT_EQ(static_cast<float>(line["y2"].number), static_cast<float>(1.0 / 3.0));
  EXPECT_EQ(line["color"].items.size(), 3u);
  EXPECT_EQ(line["color"].items[0].number, 255);
  const auto& circle = parsed->items[2];
  EXPECT_EQ(circle.keys(), (std::vector<std::string>{"op", "x", "y", "r", "color"}));
  EXPECT_EQ(static_cast<float>(circle["r"].number), 0.3f);

  PictureBox foreground;
  foreground.Line(0, 0, 1, 0);
  const auto plain = test_json::parse(displayListJson(foreground));
  ASSERT_TRUE(plain);
  ASSERT_EQ(plain->items.size(), 1u);
  EXPECT_EQ(plain->items[0]["color"].kind, test_json::Value::Kind::Null);
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
  const auto parsed = test_json::parse(jsonSummary(controls, ortak, &sweep));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->keys(),
            (std::vector<std::string>{"Text_Alfa0", "Text_CmAC", "Text_CL", "Text_Cmx", "Text_Alfa",
                                      "Text_xM", "Text_N", "Lbl_Airfoil", "Lbl_Degree", "messages",
                                      "state", "sweep"}));
  EXPECT_EQ((*parsed)["Lbl_Airfoil"].text, "Ş \"quoted\"");
  const auto& state = (*parsed)["state"];
  EXPECT_EQ(state.keys(), (std::vector<std::string>{"NPoint", "M", "A", "A0Camber", "Alfa", "Alfa0",
                                                    "CmAC", "CL", "CLMin", "CLMax", "xU", "yU",
                                                    "xL", "yL", "xC", "yC", "Theta"}));
  EXPECT_EQ(state["xC"].items[1].number, 0.5);
  EXPECT_EQ(state["A"].items[1].kind, test_json::Value::Kind::Null);
  EXPECT_EQ((*parsed)["sweep"]["columns"].items[2].text, "cm4");
  EXPECT_EQ((*parsed)["sweep"]["rows"].items[0].items[1].number, 0.548);

  const auto withoutSweep = test_json::parse(jsonSummary(controls, Ortak{}, nullptr));
  ASSERT_TRUE(withoutSweep);
  EXPECT_EQ(withoutSweep->find("sweep"), nullptr);
  EXPECT_TRUE((*withoutSweep)["state"]["A"].items.empty());
}

TEST(SweepTable, CsvHasAHeaderAndFullPrecision) {
  SweepTable table{kFourierSweepColumns, {{-4, 0.1 + 0.2, -1e-7, -2.0791889219065482, -0.053}}};
  EXPECT_EQ(sweepCsv(table),
            "alfa,CL,Cmx,Alfa0,CmAC\n-4,0.30000000000000004,-1e-07,-2.0791889219065482,-0.053\n");
}

}  // namespace
}  // namespace vantrel::batch
