#pragma once

#include <map>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "tests/core/util/temp_dir.h"
#include "core/settings/l_regist.h"

namespace core::testing {

/// An in-memory registry; records every write in order.
class FakeBackend : public SettingsBackend {
 public:
  using Key = std::tuple<RootKey, std::string, std::string>;
  std::map<Key, std::variant<std::int32_t, std::string>> values;
  std::vector<std::string> writes;  // names, in write order
  bool failWrites = false;

  std::optional<std::int32_t> readInt(RootKey root, const std::string& keyPath,
                                      const std::string& name) override {
    auto it = values.find({root, keyPath, name});
    if (it == values.end() || !std::holds_alternative<std::int32_t>(it->second))
      return std::nullopt;
    return std::get<std::int32_t>(it->second);
  }
  std::optional<std::string> readText(RootKey root, const std::string& keyPath,
                                      const std::string& name) override {
    auto it = values.find({root, keyPath, name});
    if (it == values.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
    return std::get<std::string>(it->second);
  }
  bool writeInt(RootKey root, const std::string& keyPath, const std::string& name,
                std::int32_t value) override {
    writes.push_back(name);
    if (failWrites) return false;
    values[{root, keyPath, name}] = value;
    return true;
  }
  bool writeText(RootKey root, const std::string& keyPath, const std::string& name,
                 const std::string& value) override {
    writes.push_back(name);
    if (failWrites) return false;
    values[{root, keyPath, name}] = value;
    return true;
  }

  void setInt(const std::string& name, std::int32_t v) {
    values[{kHkeyCurrentUser, "Software\\Morlind\\Veltrano\\1.0", name}] = v;
  }
  void setText(const std::string& name, const std::string& v) {
    values[{kHkeyCurrentUser, "Software\\Morlind\\Veltrano\\1.0", name}] = v;
  }
};

}  // namespace core::testing
