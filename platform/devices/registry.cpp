#include "platform/devices/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <vector>

#include "platform/base/strings.h"
#include "platform/devices/config.h"

namespace {

constexpr const char* kCurrentVersion =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion";

std::string Upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
  }
  return s;
}

// "a\\b\\" -> "A\B": the canonical form used for comparing key paths.
std::string Canonical(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return Upper(out);
}

// Keys that exist: the one key with values and every key above it.
bool KeyExists(const std::string& canonical_path) {
  const std::string known = Canonical(kCurrentVersion);
  return known == canonical_path ||
         known.compare(0, canonical_path.size() + 1, canonical_path + "\\") == 0;
}

std::string AccountFullName() {
  std::vector<char> buf(16384);
  passwd pw{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &found) != 0 || !found) return "";
  std::string gecos = found->pw_gecos ? found->pw_gecos : "";
  gecos = gecos.substr(0, gecos.find(','));
  // Account data is UTF-8; our text is Windows-1252.
  return Utf8ToCp1252(gecos.empty() && found->pw_name ? found->pw_name : gecos);
}

std::mutex& Lock() {
  static std::mutex m;
  return m;
}

// Open keys: handle -> canonical path. Predefined roots are always "open".
std::map<HKEY, std::string>& OpenKeys() {
  static std::map<HKEY, std::string> keys;
  return keys;
}

bool PathOf(HKEY key, std::string* path) {
  if (key == HKEY_LOCAL_MACHINE) {
    *path = "HKEY_LOCAL_MACHINE";
    return true;
  }
  if (key == HKEY_CURRENT_USER) {
    *path = "HKEY_CURRENT_USER";
    return true;
  }
  auto it = OpenKeys().find(key);
  if (it == OpenKeys().end()) return false;
  *path = it->second;
  return true;
}

}  // namespace

long RegOpenKey(HKEY key, const std::string& sub_key, HKEY* result) {
  std::lock_guard lock(Lock());
  std::string base;
  if (!result || !PathOf(key, &base)) return ERROR_INVALID_HANDLE;
  const std::string path = Canonical(base + "\\" + sub_key);
  if (!KeyExists(path)) return ERROR_FILE_NOT_FOUND;
  static HKEY next = 0x1000;
  *result = next++;
  OpenKeys()[*result] = path;
  return ERROR_SUCCESS;
}

long RegCloseKey(HKEY key) {
  std::lock_guard lock(Lock());
  if (key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return OpenKeys().erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY key) {
  CloseKey();
  FRootKey = key;
}

bool TRegistry::OpenKey(const std::string& key, bool /*can_create*/) {
  CloseKey();
  HKEY opened = 0;
  if (RegOpenKey(FRootKey, key, &opened) != ERROR_SUCCESS) return false;
  FCurrentKey = opened;
  return true;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) RegCloseKey(FCurrentKey);
  FCurrentKey = 0;
}

std::string TRegistry::ReadString(const std::string& name) const {
  std::string path;
  {
    std::lock_guard lock(Lock());
    if (!FCurrentKey || !PathOf(FCurrentKey, &path)) return "";
  }
  if (path != Canonical(kCurrentVersion)) return "";
  const std::string n = Upper(name);
  if (n == "REGISTEREDOWNER") return AccountFullName();
  if (n == "REGISTEREDORGANIZATION") return SystemSetting("Registration", "Organization", "");
  return "";
}
