#include "survey/survey.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>

#include "coefficients/worker_threads.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

bool isAirfoilFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".nca" || extension == ".dat";
}

void addFolder(const std::string& folder, std::vector<SurveyItem>& items) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    std::error_code ignored;
    if (entries->is_regular_file(ignored) && isAirfoilFile(entries->path())) {
      files.push_back(entries->path());
    }
  }
  const std::string shown = "\"" + quotedForMessage(folder, 200) + "\"";
  if (error) {
    items.push_back({folder, "Cannot list the folder " + shown + ": " + error.message() + "."});
    return;
  }
  if (files.empty()) {
    items.push_back({folder, "The folder " + shown + " holds no .nca or .dat file."});
    return;
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
    return a.filename().string() < b.filename().string();
  });
  for (const auto& file : files) items.push_back({file.string(), {}});
}

}  // namespace

std::vector<SurveyItem> surveyItems(const std::vector<std::string>& sources) {
  std::vector<SurveyItem> items;
  for (const std::string& source : sources) {
    std::error_code error;
    if (std::filesystem::is_directory(source, error)) {
      addFolder(source, items);
    } else {
      items.push_back({source, {}});
    }
  }
  return items;
}

std::vector<AirfoilRow> runSurvey(const std::vector<SurveyItem>& items, double alfa, int threads,
                                  Progress* progress) {
  std::vector<AirfoilRow> rows(items.size());
  std::vector<char> done(items.size(), 0);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> finished{0};
  std::atomic<bool> stopped{false};
  const int count =
      static_cast<int>(std::clamp<std::size_t>(items.size(), 1, std::max(threads, 1)));
  WorkerThreads workers(count);
  workers.run([&](int part) {
    while (!stopped.load()) {
      const std::size_t i = next.fetch_add(1);
      if (i >= items.size()) break;
      if (!items[i].refusal.empty()) {
        rows[i].source = items[i].source;
        rows[i].message = items[i].refusal;
      } else {
        rows[i] = airfoilRow(items[i].source, alfa);
      }
      done[i] = 1;
      const std::size_t total = finished.fetch_add(1) + 1;
      // Only the calling thread talks to the progress, which need not be thread-safe.
      if (part == 0 && !proceed(progress, static_cast<double>(total) / items.size())) {
        stopped.store(true);
      }
    }
  });
  if (stopped.load()) {
    // The rows done form no prefix when threads race; keep the leading run of finished rows.
    const auto firstMissing = std::find(done.begin(), done.end(), 0) - done.begin();
    rows.resize(static_cast<std::size_t>(firstMissing));
  }
  return rows;
}

}  // namespace vantrel
