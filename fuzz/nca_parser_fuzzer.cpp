// Reads arbitrary bytes as an airfoil file and, when they load, runs every analysis the window
// offers on the result: none of it may crash, hang or read outside its arrays.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/form1_handlers.h"
#include "panel/panel_lesson.h"
#include "state/headless_controls.h"
#include "state/ortak.h"

namespace {

// Long airfoils only slow the run down; the loops are the same at 400 stations as at 40.
constexpr int kMaxStations = 400;
// The panel method's work grows with the square of its panels and its loops are the same at 40 as
// at the window's 160; a third of the inputs is enough to keep its refusals and sums honest.
constexpr int kPanels = 40;

const std::filesystem::path& workFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("vantrel-fuzz-reader-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The first byte picks the user's settings, so the corpus explores them with the file.
struct Settings {
  int degree = 3;
  bool withEnds = true;
  int alfaThumb = 100;
  int xMThumb = 25;
};

Settings settingsFrom(std::uint8_t byte) {
  Settings settings;
  settings.degree = byte % 4;  // 0..3
  settings.withEnds = (byte & 0x04) != 0;
  settings.alfaThumb = (byte >> 3) * 6;  // 0..186, the bar runs 0..200
  settings.xMThumb = (byte >> 4) * 6;    // 0..90
  return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const Settings settings = settingsFrom(data[0]);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  writeFile(workFolder() / "fuzz.nca", bytes);

  vantrel::Ortak ortak;
  vantrel::HeadlessControls form;
  vantrel::Form1Handlers handlers(ortak, form, workFolder());
  handlers.Form_Load();
  if (!handlers.File1_Click(workFolder().string(), "fuzz.nca")) return 0;
  if (ortak.NPoint > kMaxStations) return 0;

  form.select(settings.withEnds ? vantrel::Option::Opt_WithEnd : vantrel::Option::Opt_WithOutEnd);
  form.setText(vantrel::TextBox::Text_N, std::to_string(settings.degree));
  handlers.Mn_Numerical_Click();
  handlers.HScroll_Alfa_Change(settings.alfaThumb);
  handlers.HScroll_xM_Change(settings.xMThumb);
  handlers.Cmnd_LSQM_Click();
  handlers.HScroll_Alfa_Change(200 - settings.alfaThumb);
  handlers.Mn_LumpVM_Click();
  if (size % 3 == 0) {
    if (auto lesson = vantrel::panelLessonOfLoadedAirfoil(handlers, kPanels)) {
      vantrel::lessonRows(*lesson);
      vantrel::pressurePicture(*lesson);
    }
  }
  return 0;
}
