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

std::string Upper(std::string S) {
  for (char& c : S) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
  }
  return S;
}

// "a\\b\\" -> "A\B": the canonical form used for comparing key paths.
std::string Canonical(const std::string& Path) {
  std::string out;
  for (char c : Path) {
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return Upper(out);
}

// Keys that exist: the one key with values and every key above it.
bool KeyExists(const std::string& CanonicalPath) {
  const std::string known = Canonical(kCurrentVersion);
  return known == CanonicalPath ||
         known.compare(0, CanonicalPath.size() + 1, CanonicalPath + "\\") == 0;
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

bool PathOf(HKEY Key, std::string* Path) {
  if (Key == HKEY_LOCAL_MACHINE) {
    *Path = "HKEY_LOCAL_MACHINE";
    return true;
  }
  if (Key == HKEY_CURRENT_USER) {
    *Path = "HKEY_CURRENT_USER";
    return true;
  }
  auto it = OpenKeys().find(Key);
  if (it == OpenKeys().end()) return false;
  *Path = it->second;
  return true;
}

}  // namespace

long RegOpenKey(HKEY Key, const std::string& SubKey, HKEY* Result) {
  std::lock_guard lock(Lock());
  std::string base;
  if (!Result || !PathOf(Key, &base)) return ERROR_INVALID_HANDLE;
  const std::string path = Canonical(base + "\\" + SubKey);
  if (!KeyExists(path)) return ERROR_FILE_NOT_FOUND;
  static HKEY next = 0x1000;
  *Result = next++;
  OpenKeys()[*Result] = path;
  return ERROR_SUCCESS;
}

long RegCloseKey(HKEY Key) {
  std::lock_guard lock(Lock());
  if (Key == HKEY_LOCAL_MACHINE || Key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return OpenKeys().erase(Key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Key) {
  CloseKey();
  FRootKey = Key;
}

bool TRegistry::OpenKey(const std::string& Key, bool /*can_create*/) {
  CloseKey();
  HKEY opened = 0;
  if (RegOpenKey(FRootKey, Key, &opened) != ERROR_SUCCESS) return false;
  FCurrentKey = opened;
  return true;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) RegCloseKey(FCurrentKey);
  FCurrentKey = 0;
}

std::string TRegistry::ReadString(const std::string& Name) const {
  std::string path;
  {
    std::lock_guard lock(Lock());
    if (!FCurrentKey || !PathOf(FCurrentKey, &path)) return "";
  }
  if (path != Canonical(kCurrentVersion)) return "";
  const std::string n = Upper(Name);
  if (n == "REGISTEREDOWNER") return AccountFullName();
  if (n == "REGISTEREDORGANIZATION") return SystemSetting("Registration", "Organization", "");
  return "";
}
