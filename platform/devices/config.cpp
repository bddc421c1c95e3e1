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
void MakeDirectories(const std::string& Path) {
  for (size_t i = 1; i <= Path.size(); ++i) {
    if (i == Path.size() || Path[i] == '/') mkdir(Path.substr(0, i).c_str(), 0777);
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

std::string SystemSetting(const std::string& Section, const std::string& Key,
                          const std::string& Def) {
  return ProfileRead(Section, Key, Def, SystemSettingsFile());
}
