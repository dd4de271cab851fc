#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "app/form1_handlers.h"
#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

// Controls whose drawing runs out of memory once armed, as a huge picture would.
class ExhaustedControls : public HeadlessControls {
 public:
  PictureBox& picture(Picture area) override {
    if (exhausted) throw std::bad_alloc();
    return HeadlessControls::picture(area);
  }
  bool exhausted = false;
};

class ActionFailureTest : public ::testing::Test {
 protected:
  ActionFailureTest()
      : workDir(test::freshFolderForThisTest("failures_")), handlers(ortak, form, workDir) {
    handlers.Form_Load();
    const auto camber = test::parabolicCamber(test::evenlySpacedX(11));
    test::writeBytes(workDir / "p.nca", test::airfoilFileText("P", camber, camber));
    EXPECT_TRUE(handlers.File1_Click(workDir.string(), "p.nca"));
    handlers.Mn_Polynomial_Click();
    form.setText(TextBox::Text_N, "3");
  }
  ~ActionFailureTest() override { std::filesystem::remove_all(workDir); }

  std::filesystem::path workDir;
  Ortak ortak;
  ExhaustedControls form;
  Form1Handlers handlers;
};

struct TooLarge {
  const char* alfa;
  const char* xM;
  std::function<void(Form1Handlers&)> action;
  const char* message;
};

// A result that would show as "Infinity" or "NaN" is refused with one message naming the input.
TEST_F(ActionFailureTest, ResultsThatAreNotFiniteNameTheirInput) {
  const std::vector<TooLarge> cases = {
      {"1e999", "0", [](Form1Handlers& h) { h.Cmnd_LSQM_Click(); },
       "The angle of attack \"1e999\" is too large: the lift coefficient would not be a finite "
       "number."},
      {"-1e308", "0", [](Form1Handlers& h) { h.Mn_Numerical_Click(); },
       "The angle of attack \"-1e308\" is too large: the lift coefficient would not be a finite "
       "number."},
      {"10", "1e999", [](Form1Handlers& h) { h.Cmnd_LSQM_Click(); },
       "The reference point \"1e999\" is too large: the moment coefficient would not be a finite "
       "number."},
      {"1e999", "0", [](Form1Handlers& h) { h.Mn_LumpVM_Click(); },
       "The lumped vortex method gives no finite lift or moment for the angle of attack "
       "\"1e999\" on this airfoil."}};
  for (const TooLarge& tooLarge : cases) {
    form.setText(TextBox::Text_Alfa, tooLarge.alfa);
    form.setText(TextBox::Text_xM, tooLarge.xM);
    form.setText(TextBox::Text_CL, "");
    form.setText(TextBox::Text_Cmx, "");
    const std::size_t before = form.messages().size();
    tooLarge.action(handlers);
    ASSERT_EQ(form.messages().size(), before + 1) << tooLarge.message;
    EXPECT_EQ(form.messages().back(), tooLarge.message);
    for (TextBox box : kAllTextBoxes) {
      EXPECT_EQ(form.text(box).find_first_of("IN"), std::string::npos) << form.text(box);
    }
    EXPECT_EQ(form.text(TextBox::Text_Cmx), "");
  }
}

TEST_F(ActionFailureTest, RunningOutOfMemoryIsOneMessageAndTheValuesStay) {
  handlers.Cmnd_LSQM_Click();
  const std::vector<double> A = ortak.A;
  const double CL = ortak.CL;
  const std::size_t before = form.messages().size();
  form.exhausted = true;
  form.setText(TextBox::Text_N, "5");
  handlers.Cmnd_LSQM_Click();
  form.exhausted = false;
  EXPECT_EQ(form.messages().size(), before + 1);
  EXPECT_EQ(form.messages().back(), kOutOfMemoryMessage);
  EXPECT_EQ(ortak.A, A);
  EXPECT_EQ(ortak.CL, CL);
  EXPECT_EQ(ortak.AirfoilName, "P");
}

}  // namespace
}  // namespace vantrel
