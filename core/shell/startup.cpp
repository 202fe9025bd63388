#include "core/shell/startup.h"

namespace core {

namespace {

constexpr const char* kWinPosLeft = "WinPosLeft";
constexpr const char* kWinPosTop = "WinPosTop";
constexpr const char* kWinPosWidth = "WinPosWidth";
constexpr const char* kWinPosHeight = "WinPosHeight";
constexpr const char* kTreeViewWidth = "TreeViewWidth";
constexpr const char* kTreeViewHeight = "TreeViewHeight";

std::int32_t OrDefault(std::int32_t value, const IntSettingDefault& setting) {
  return value == kMissingInt ? setting.whenMissing : value;
}

}  // namespace

ViewOptions DecodeOptionen(std::int32_t bits) {
  const auto u = static_cast<std::uint32_t>(bits);
  ViewOptions o;
  o.explanations = (u & 1u) != 0;
  o.allFlightConditions = (u & 2u) != 0;
  o.defaultValues = (u & 4u) != 0;
  o.parameterTab = static_cast<int>((u >> 3) & 3u);
  o.mainMenuTab = static_cast<int>((u >> 5) & 1u);
  o.subMenuTab = static_cast<int>((u >> 6) & 63u);
  return o;
}

std::int32_t EncodeOptionen(const ViewOptions& o) {
  auto field = [](int value, std::uint32_t mask) {
    return value < 0 ? 0u : static_cast<std::uint32_t>(value) & mask;
  };
  std::uint32_t u = (o.explanations ? 1u : 0u) | (o.allFlightConditions ? 2u : 0u) |
                    (o.defaultValues ? 4u : 0u) | field(o.parameterTab, 3u) << 3 |
                    field(o.mainMenuTab, 1u) << 5 | field(o.subMenuTab, 63u) << 6;
  return static_cast<std::int32_t>(u);
}

WindowPlacement ComputeWindowPlacement(const WindowPlacement& stored, int screenWidth,
                                       int screenHeight) {
  WindowPlacement p = stored;
  if (p.width != kMissingInt && p.width < 300) p.width = 600;
  if (p.height != kMissingInt && p.height < 240) p.height = 440;
  const bool missing = p.left == kMissingInt || p.top == kMissingInt || p.width == kMissingInt ||
                       p.height == kMissingInt || p.treeWidth == kMissingInt ||
                       p.treeHeight == kMissingInt;
  // 64-bit sums: stored values can be anything up to the 32-bit limits.
  if (missing || p.left < 1 || p.top < 1 || std::int64_t{p.left} + p.width > screenWidth ||
      std::int64_t{p.top} + p.height > std::int64_t{screenHeight} - 16) {
    p.left = 10;
    p.top = 10;
    p.width = screenWidth - 20;
    p.height = screenHeight - 46;
    p.treeWidth = 265;
    p.treeHeight = p.height - 200;
  }
  return p;
}

StartupSettings ReadStartupSettings(Regist& regist, int screenWidth, int screenHeight) {
  StartupSettings s;
  const RootKey hkcu = kHkeyCurrentUser;
  s.transferRate = OrDefault(regist.ReadIntSetting(kTransferRate.name, hkcu), kTransferRate);
  s.comPort = OrDefault(regist.ReadIntSetting(kComPort.name, hkcu), kComPort);
  s.portAuto = OrDefault(regist.ReadIntSetting(kPortAuto.name, hkcu), kPortAuto) == 1;
  s.options = DecodeOptionen(OrDefault(regist.ReadIntSetting(kOptionen.name, hkcu), kOptionen));
  s.transmitter = VersionOfNumber(regist.ReadIntSetting(kTransmitter.name, hkcu));

  WindowPlacement stored;
  stored.left = regist.ReadIntSetting(kWinPosLeft, hkcu);
  stored.top = regist.ReadIntSetting(kWinPosTop, hkcu);
  stored.width = regist.ReadIntSetting(kWinPosWidth, hkcu);
  stored.height = regist.ReadIntSetting(kWinPosHeight, hkcu);
  stored.treeWidth = regist.ReadIntSetting(kTreeViewWidth, hkcu);
  stored.treeHeight = regist.ReadIntSetting(kTreeViewHeight, hkcu);
  s.placement = ComputeWindowPlacement(stored, screenWidth, screenHeight);

  s.modelMem = regist.ReadTextSetting(kModelMemSetting, hkcu);
  return s;
}

void WriteShutdownSettings(Regist& regist, const ShutdownSettings& s) {
  const RootKey hkcu = kHkeyCurrentUser;
  regist.WriteIntSetting(kTransferRate.name, hkcu, s.transferRate);
  regist.WriteIntSetting(kComPort.name, hkcu, s.comPort);
  regist.WriteIntSetting(kPortAuto.name, hkcu, s.portAuto ? 1 : 0);
  regist.WriteIntSetting(kOptionen.name, hkcu, EncodeOptionen(s.options));
  regist.WriteIntSetting(kTransmitter.name, hkcu, VersionRow(s.transmitter).number);
  if (s.placement) {
    const WindowPlacement& p = *s.placement;
    regist.WriteIntSetting(kWinPosLeft, hkcu, p.left);
    regist.WriteIntSetting(kWinPosTop, hkcu, p.top);
    regist.WriteIntSetting(kWinPosWidth, hkcu, p.width);
    regist.WriteIntSetting(kWinPosHeight, hkcu, p.height);
    regist.WriteIntSetting(kTreeViewWidth, hkcu, p.treeWidth);
    regist.WriteIntSetting(kTreeViewHeight, hkcu, p.treeHeight);
  }
  regist.WriteTextSetting(kModelMemSetting, hkcu, s.modelMem);
}

}  // namespace core
