#pragma once
// The system's own folder under the user's configuration directory, and the small settings file
// in it. The folder plays the part of the Windows directory: profile files named without a
// directory live there, and so does the settings file that maps ports and names.

#include <string>

// $XDG_CONFIG_HOME/orvane, or ~/.config/orvane when the variable is unset or not absolute.
// Created on first use (a failure to create it shows later as a failed write, not here).
// Evaluated on every call, so a changed environment takes effect at once. No trailing '/'.
std::string ConfigDirectory();

// Full path of the settings file, "system.ini" in ConfigDirectory().
std::string SystemSettingsFile();

// One value of the settings file with the profile-file reading rules; the default when the
// file, the section or the key is missing.
std::string SystemSetting(const std::string& Section, const std::string& Key,
                          const std::string& Def);
