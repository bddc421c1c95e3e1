#include "platform/devices/config.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/devices/profile.h"

namespace {

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/tmp";
}

// mkdir -p; errors are left for the first write to report.
void MakeDirectories(const std::string& path) {
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') mkdir(path.substr(0, i).c_str(), 0777);
  }
}

}  // namespace

std::string ConfigDirectory() {
  std::string base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    base = HomeDirectory() + "/.config";
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  std::string dir = base + "/orvane";
  MakeDirectories(dir);
  return dir;
}

std::string SystemSettingsFile() { return ConfigDirectory() + "/system.ini"; }

std::string SystemSetting(const std::string& section, const std::string& key,
                          const std::string& def) {
  return ProfileRead(section, key, def, SystemSettingsFile());
}
