#include "platform/settings_backend.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace platform {

namespace {

// QSettings for "Software\company\application\group...", opened at the group; nullptr for
// any other root or key path.
std::unique_ptr<QSettings> Open(core::RootKey root, const std::string& keyPath) {
  if (root != core::kHkeyCurrentUser) return nullptr;
  const QStringList parts = QString::fromStdString(keyPath).split(u'\\');
  if (parts.size() < 3 || parts[0] != QLatin1String("Software") || parts[1].isEmpty() ||
      parts[2].isEmpty())
    return nullptr;
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              parts[1], parts[2]);
  const QString group = parts.mid(3).join(u'/');
  if (!group.isEmpty()) settings->beginGroup(group);
  return settings;
}

}  // namespace

std::optional<std::int32_t> QtSettingsBackend::readInt(core::RootKey root,
                                                       const std::string& keyPath,
                                                       const std::string& name) {
  auto settings = Open(root, keyPath);
  if (!settings) return std::nullopt;
  const QVariant value = settings->value(QString::fromStdString(name));
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
    case QMetaType::QByteArray: {
      // Native files outside Windows keep every value as text, so a text that is exactly an
      // integer is one; anything else is no integer.
      bool ok = false;
      const qlonglong n = value.toString().trimmed().toLongLong(&ok);
      if (!ok || n < INT32_MIN || n > INT32_MAX) return std::nullopt;
      return static_cast<std::int32_t>(n);
    }
    default:
      return std::nullopt;
  }
}

std::optional<std::string> QtSettingsBackend::readText(core::RootKey root,
                                                       const std::string& keyPath,
                                                       const std::string& name) {
  auto settings = Open(root, keyPath);
  if (!settings) return std::nullopt;
  const QVariant value = settings->value(QString::fromStdString(name));
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return value.toString().toStdString();
    default:
      return std::nullopt;
  }
}

bool QtSettingsBackend::writeInt(core::RootKey root, const std::string& keyPath,
                                 const std::string& name, std::int32_t value) {
  auto settings = Open(root, keyPath);
  if (!settings) return false;
  settings->setValue(QString::fromStdString(name), value);
  settings->sync();
  return settings->status() == QSettings::NoError;
}

bool QtSettingsBackend::writeText(core::RootKey root, const std::string& keyPath,
                                  const std::string& name, const std::string& value) {
  auto settings = Open(root, keyPath);
  if (!settings) return false;
  settings->setValue(QString::fromStdString(name), QString::fromStdString(value));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

std::filesystem::path ToPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  const QByteArray utf8 = path.toUtf8();
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#endif
}

QString FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
  return QString::fromStdWString(path.wstring());
#else
  const std::u8string utf8 = path.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                           static_cast<qsizetype>(utf8.size()));
#endif
}

std::vector<std::filesystem::path> TextStoreCandidates() {
  return core::DefaultTextStoreCandidates(ToPath(QDir::homePath()));
}

}  // namespace platform
