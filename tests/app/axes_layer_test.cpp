#include "plot/axes_layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "app/form1_handlers.h"
#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "support/test_files.h"
#include "surface/pixel_shapes.h"

namespace vantrel {
namespace {

// Pixel sizes of the five areas as designed; the layouts are checked at 1, 2 and 5.4 times
// (a 3840 x 2160 screen).
struct AreaSize {
  Picture area;
  double width;
  double height;
};
constexpr AreaSize kDesignSizes[] = {{Picture::Picture_Airfoil, 400, 100},
                                     {Picture::Picture_Camber, 403, 169},
                                     {Picture::Picture_Load, 401, 169},
                                     {Picture::Picture_Cmx, 209, 161},
                                     {Picture::Picture_CL, 209, 153}};
constexpr double kScales[] = {1.0, 2.0, 5.4};

PixelBox boxOf(const OverlayText& text) {
  return {text.left, text.top, text.right(), text.bottom()};
}

class AxesLayerTest : public ::testing::Test {
 protected:
  // A cambered airfoil computed by least squares at 3 degrees: all five pictures drawn.
  void SetUp() override {
    handlers_.Form_Load();
    ASSERT_TRUE(handlers_.File1_Click(VANTREL_SAMPLES, "naca2412.nca"));
    handlers_.Mn_Polynomial_Click();
    form_.setText(TextBox::Text_N, "4");
    handlers_.Cmnd_LSQM_Click();
    handlers_.HScroll_Alfa_Change(130);
    handlers_.HScroll_xM_Change(40);
    ASSERT_TRUE(form_.messages().empty());
  }
  void TearDown() override { std::filesystem::remove_all(workDir_); }

  std::filesystem::path workDir_ = test::freshFolderForThisTest("axes_");
  Ortak ortak_;
  HeadlessControls form_;
  Form1Handlers handlers_{ortak_, form_, workDir_};
};

TEST_F(AxesLayerTest, TextsStayApartInsideAndOffTheOperatingPointAtEverySize) {
  for (const AreaSize& size : kDesignSizes) {
    for (double scale : kScales) {
      SCOPED_TRACE(std::string(nameOf(size.area)) + " at " + std::to_string(scale));
      const PictureBox& picture = form_.picture(size.area);
      const double width = size.width * scale;
      const double height = size.height * scale;
      const AxesStyle style = axesStyleOf(size.area);
      const Overlay overlay = axesAndValues(picture, style, width, height, axesFontPixels(scale));
      int values = 0;
      bool xTitle = false;
      bool yTitle = false;
      for (const OverlayText& text : overlay.texts) {
        xTitle = xTitle || text.text == style.xTitle;
        yTitle = yTitle || text.text == style.yTitle;
        if (text.text != style.xTitle && text.text != style.yTitle) ++values;
      }
      EXPECT_TRUE(xTitle && yTitle);
      EXPECT_GE(values, 4);
      const auto circle = operatingPointBox(picture, width, height);
      for (std::size_t i = 0; i < overlay.texts.size(); ++i) {
        const PixelBox box = boxOf(overlay.texts[i]);
        EXPECT_GE(box.left, 0);
        EXPECT_GE(box.top, 0);
        EXPECT_LE(box.right, width);
        EXPECT_LE(box.bottom, height);
        if (circle) {
          EXPECT_FALSE(box.overlaps(*circle)) << overlay.texts[i].text;
        }
        for (const PixelBox& part : style.coveredFractions) {
          const PixelBox covered{part.left * width, part.top * height, part.right * width,
                                 part.bottom * height};
          EXPECT_FALSE(box.overlaps(covered)) << overlay.texts[i].text;
        }
        for (std::size_t j = i + 1; j < overlay.texts.size(); ++j) {
          EXPECT_FALSE(box.overlaps(boxOf(overlay.texts[j])))
              << overlay.texts[i].text << " and " << overlay.texts[j].text;
        }
      }
    }
  }
}

// No line of a plot but its grey grid strikes a value or a title, on screen (the designed size)
// or in a saved picture (four times it), also with the operating point beyond the plot.
TEST_F(AxesLayerTest, NoLineOfThePlotStrikesAText) {
  for (const char* alfa : {"3", "12", "-8"}) {
    form_.setText(TextBox::Text_Alfa, alfa);
    handlers_.Text_Alfa_Enter();
    for (const AreaSize& size : kDesignSizes) {
      for (double scale : {1.0, 4.0}) {
        SCOPED_TRACE(std::string(nameOf(size.area)) + " at " + std::to_string(scale) + ", alfa " +
                     alfa);
        const PictureBox& picture = form_.picture(size.area);
        const double width = size.width * scale, height = size.height * scale;
        const Overlay overlay =
            axesAndValues(picture, axesStyleOf(size.area), width, height, axesFontPixels(scale));
        EXPECT_GE(overlay.texts.size(), 4u);
        for (const PixelShape& shape : pixelShapes(picture, {0, 0, width, height})) {
          const auto* line = std::get_if<PixelLine>(&shape);
          if (line == nullptr || line->color == kGrey) continue;
          for (const OverlayText& text : overlay.texts) {
            // Sampled along the line, a pixel at a time.
            const double length = std::hypot(line->x2 - line->x1, line->y2 - line->y1);
            const int steps = std::max(1, static_cast<int>(length));
            for (int i = 0; i <= steps; ++i) {
              const double x = line->x1 + (line->x2 - line->x1) * i / steps;
              const double y = line->y1 + (line->y2 - line->y1) * i / steps;
              ASSERT_FALSE(x > text.left && x < text.right() && y > text.top && y < text.bottom())
                  << text.text << " struck at " << x << ", " << y;
            }
          }
        }
      }
    }
  }
}

// A value stands where the picture's own scale puts that value: under its tick on x, beside it
// on y; where a line of the plot would strike it there, just beside the tick instead.
TEST_F(AxesLayerTest, ValuesStandWhereTheScalePutsThem) {
  const PictureBox& picture = form_.picture(Picture::Picture_CL);
  const ScaleOp scale = *picture.currentScale();
  const Overlay overlay =
      axesAndValues(picture, axesStyleOf(Picture::Picture_CL), 418, 306, axesFontPixels(2));
  const auto mapping = PixelMapping::from(scale, 418, 306);
  int checked = 0;
  for (const OverlayText& text : overlay.texts) {
    if (text.text.find_first_not_of("-.0123456789") != std::string::npos) continue;
    const double value = std::stod(text.text);
    const double centreX = (text.left + text.right()) / 2;
    const double centreY = (text.top + text.bottom()) / 2;
    const double beside = text.width / 2 + 0.3 * text.fontPixels + 1.5;
    const double aboveOrBelow = text.height / 2 + 0.3 * text.fontPixels + 1.5;
    const bool underItsTick = std::abs(centreX - mapping->column(value)) < beside;
    const bool besideItsTick = std::abs(centreY - mapping->row(value)) < aboveOrBelow;
    EXPECT_TRUE(underItsTick || besideItsTick) << text.text;
    ++checked;
  }
  EXPECT_GE(checked, 5);
}

TEST_F(AxesLayerTest, NothingForAnEmptyPictureOrAScaleThatMapsNothing) {
  PictureBox empty;
  EXPECT_TRUE(axesAndValues(empty, axesStyleOf(Picture::Picture_CL), 209, 153, 11).empty());
  PictureBox flat;
  flat.Scale(0, 0, 1, 0);
  flat.Line(0, 0, 1, 0);
  EXPECT_TRUE(axesAndValues(flat, axesStyleOf(Picture::Picture_Load), 401, 169, 11).empty());
}

}  // namespace
}  // namespace vantrel
