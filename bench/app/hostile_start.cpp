// Time from start to the shown window over a directory of hostile files: comment files that
// are a FIFO, a link to an endless device, a dangling link and a 64 MiB file, malformed memory
// files, a directory and a FIFO named like memory files, beside 200 good memories. Runs the
// program's own start-up (modules included) offscreen. A measurement run by hand.
// Usage: app_hostile_start [RUNS]
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "app/mainform.h"
#include "app/modules.h"
#include "core/model/defaults.h"
#include "core/store/model_memory.h"

namespace {

namespace fs = std::filesystem;

class MemorySettings : public core::SettingsBackend {
 public:
  std::optional<std::int32_t> readInt(core::RootKey, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> readText(core::RootKey, const std::string&,
                                      const std::string& name) override {
    const auto it = texts.find(name);
    return it == texts.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool writeInt(core::RootKey, const std::string&, const std::string&, std::int32_t) override {
    return true;
  }
  bool writeText(core::RootKey, const std::string&, const std::string&,
                 const std::string&) override {
    return true;
  }
  std::map<std::string, std::string> texts;
};

void MakeHostileDirectory(const fs::path& dir) {
  fs::create_directories(dir);
  core::ModellSpeicherTyp r;
  core::FillDefaultMemory(r, 16, core::NewMemoryLanguage::Englisch, 32);
  r.dateText = "05.12.26    9:05";
  for (int i = 0; i < 200; ++i) {
    core::ModellSpeicherTyp copy = r;
    core::WriteModelMemory(copy, (dir / ("M" + std::to_string(i) + ".FC")).string());
  }
  for (const char* name : {"FIFO", "ZERO", "DANGLING", "HUGE"})
    core::WriteModelMemory(r, (dir / (std::string(name) + ".FC")).string());
  mkfifo((dir / "FIFO.TXT").c_str(), 0600);
  fs::create_symlink("/dev/zero", dir / "ZERO.TXT");
  fs::create_symlink(dir / "nowhere", dir / "DANGLING.TXT");
  fs::resize_file((std::ofstream(dir / "HUGE.TXT") << "x", dir / "HUGE.TXT"), 64 << 20);
  std::ofstream(dir / "SHORT.FC") << "FC2830\x07\x4e"
                                  << "short";
  std::ofstream(dir / "WRONG.FC") << "FC2831\x00\x00";
  fs::create_directories(dir / "DIR.FC");
  mkfifo((dir / "PIPE.FC").c_str(), 0600);
  fs::create_symlink("/dev/zero", dir / "ENDLESS.FC");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  const fs::path root =
      fs::temp_directory_path() / ("veltrano_hostile_" + std::to_string(getpid()));
  MakeHostileDirectory(root / "models");
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    MemorySettings settings;
    settings.texts["ModelMemDir"] = (root / "models").string() + "/";
    settings.texts["ModelMem"] = "FIFO";
    app::MainFormEnv env;
    env.registry = &settings;
    env.workingDir = root;
    QElapsedTimer clock;
    clock.start();
    {
      app::TMainForm form(env);
      app::InstallModules(form);
      form.FormCreate();
      app::CreateModuleDialogs(form);
      form.show();
      if (!QTest::qWaitForWindowExposed(&form)) std::fprintf(stderr, "window not shown\n");
      ms.push_back(clock.nsecsElapsed() / 1e6);
      if (i == 0) {
        std::printf("memories loaded: %zu, active: %s\n", form.Store().SortedList().size(),
                    form.Store().GetActive() ? form.Store().GetActive()->fileName.c_str() : "-");
      }
    }
  }
  std::sort(ms.begin(), ms.end());
  std::printf(
      "start to shown window over the hostile directory: median %.0f ms (%d runs, %.0f..%.0f)\n",
      ms[ms.size() / 2], runs, ms.front(), ms.back());
  fs::remove_all(root);
  return 0;
}
