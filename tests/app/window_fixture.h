#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/mainform.h"
#include "core/settings/l_regist.h"
#include "core/store/record.h"
#include "core/util/datetime.h"
#include "tests/core/util/temp_dir.h"

namespace apptest {

/// Where the program keeps its settings; a name is appended.
inline const std::string kKey = "Software\\Morlind\\Veltrano\\1.0\\";

/// The registry of a test: maps in memory, keyed by kKey and the name.
class MemorySettings : public core::SettingsBackend {
 public:
  std::optional<std::int32_t> readInt(core::RootKey, const std::string& key,
                                      const std::string& name) override {
    const auto it = ints.find(key + "\\" + name);
    return it == ints.end() ? std::nullopt : std::optional(it->second);
  }
  std::optional<std::string> readText(core::RootKey, const std::string& key,
                                      const std::string& name) override {
    const auto it = texts.find(key + "\\" + name);
    return it == texts.end() ? std::nullopt : std::optional(it->second);
  }
  bool writeInt(core::RootKey, const std::string& key, const std::string& name,
                std::int32_t value) override {
    ints[key + "\\" + name] = value;
    return true;
  }
  bool writeText(core::RootKey, const std::string& key, const std::string& name,
                 const std::string& value) override {
    texts[key + "\\" + name] = value;
    return true;
  }

  std::map<std::string, std::int32_t> ints;
  std::map<std::string, std::string> texts;
};

/// The one QApplication of the test program (offscreen).
QApplication& App();

/// A main window over a temporary model memory directory, with settings in memory and icons
/// written into a temporary working directory.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  /// Writes a model memory file NAME into the model directory (mtime = date) and, when
  /// comment is not empty, its comment file; with a type mask, a new memory of that type.
  std::string WriteMemory(const std::string& file, const std::string& name,
                          const core::DateTime& date, const std::string& comment = "",
                          int factoryMask = 0);
  /// Makes the window, runs its start-up, shows it and lets the first tick pass; with modules,
  /// as the program does (link, parameter model and their dialogs).
  app::TMainForm& Open(bool withModules = false);
  /// Writes NAME.FC (with comment; with a type mask, a new memory of that type), remembers NAME
  /// as the last active memory, and opens (with the modules when asked).
  app::TMainForm& OpenActive(const std::string& name, const std::string& comment = "",
                             int factoryMask = 0, bool withModules = false);
  /// The child of the window (or of parent) with this object name (any name when null); throws
  /// when there is none, which fails the test.
  template <typename T = QWidget>
  T* Find(const char* name, QObject* parent = nullptr) const {
    QObject* in = parent != nullptr ? parent : form.get();
    T* child = in->findChild<T*>(name != nullptr ? QString(name) : QString());
    if (child == nullptr) throw std::runtime_error(std::string("no widget ") + (name ? name : ""));
    return child;
  }
  /// Lets the event loop run for ms milliseconds.
  static void Wait(int ms) { QTest::qWait(ms); }
  /// Once a modal window shows, hands it to act (polling; act runs once).
  void WhenModal(std::function<void(QWidget*)> act);
  /// Lets n display ticks pass (however busy the machine is; at most 10 s).
  void WaitTicks(int n);

  /// The texts of the parent's children, in tree order; without a parent, of the name nodes.
  QStringList Texts(QTreeWidgetItem* parent = nullptr) const;
  /// The name node with this text, whole or without its filling blanks; throws when there is none.
  QTreeWidgetItem* NameNode(const QString& text) const;
  /// Presses and releases the mouse on an item, as a user does (expanding its parent first).
  void Click(QTreeWidgetItem* item);
  /// Answers the coming save queries with the named buttons, in order, as they show.
  void QueueAnswers(std::vector<std::string> buttonNames);
  /// The base names the save query asked about, in order.
  std::vector<std::string> asked;
  std::vector<std::string> pendingAnswers;
  /// Runs while a question is open (before it is answered).
  std::function<void()> duringQuestion;

  core::testing::TempDir temp_;  // removed after the window
  std::filesystem::path root;
  std::filesystem::path models;
  std::filesystem::path work;
  MemorySettings settings;
  std::unique_ptr<app::TMainForm> form;
  bool terminated = false;
};

}  // namespace apptest
