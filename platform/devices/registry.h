#pragma once
// A small read-only stand-in for the Windows registry, serving the two values this system reads:
// under HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion the string values
// "RegisteredOwner" (the user's full name from the account, else the login name) and
// "RegisteredOrganization" (section [Registration], key Organization of the settings file,
// else empty). Key names match without regard to case; '\' separates them.

#include <cstdint>
#include <string>

using HKEY = uintptr_t;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001, HKEY_LOCAL_MACHINE = 0x80000002;

constexpr long ERROR_SUCCESS = 0, ERROR_FILE_NOT_FOUND = 2, ERROR_INVALID_HANDLE = 6;

// Opens a sub-key of an open key (an empty sub-key opens the key again). ERROR_FILE_NOT_FOUND for
// keys that do not exist. Every key opened must be closed with RegCloseKey.
long RegOpenKey(HKEY Key, const std::string& SubKey, HKEY* Result);
long RegCloseKey(HKEY Key);

// The class library's registry object, as far as reading string values goes. Its own open key is
// closed when it is freed or another key is opened; RootKey is not closed by it.
class TRegistry {
 public:
  TRegistry() = default;
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // HKEY_CURRENT_USER at first.
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY Key);

  // Opens a key relative to RootKey (an empty path: RootKey itself; a leading '\' also counts
  // from RootKey). Keys cannot be created here: a missing key gives False whatever CanCreate says.
  bool OpenKey(const std::string& Key, bool CanCreate);
  void CloseKey();

  // The string value of the open key; empty when there is no open key or no such value.
  std::string ReadString(const std::string& Name) const;

 private:
  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = 0;
};
