#include "library/controls/orvanemisc/inieditor.h"

#include <unistd.h>

#include "platform/base/numbers.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/devices/config.h"
#include "platform/devices/profile.h"
#include "platform/forms/application.h"

namespace {

// The profile functions of the original took fixed 256-byte buffers.
constexpr size_t kMaxText = 255;

std::string Cut(const std::string& text) { return text.substr(0, kMaxText); }

std::string WindowsDirectory() { return ConfigDirectory() + "/"; }

}  // namespace

std::string ApplicationIniDirectory(const std::string& ExeName) {
  const size_t slash = ExeName.find_last_of("/\\");
  if (slash == std::string::npos) return "";
  std::string dir = ExeName.substr(0, slash + 1);
  if (access(dir.c_str(), W_OK) != 0) return WindowsDirectory();
  return dir;
}

TIniEditor::TIniEditor(TComponent* AOwner) : TComponent(AOwner) {}

void TIniEditor::SetFileName(const std::string& Value) { FFileName = Value; }

void TIniEditor::SetFileLocation(TFileLocation Value) {
  FFileLocation = Value;
  switch (Value) {
    case TFileLocation::ApplicationPath:
      FDirectory = ApplicationIniDirectory(Application->ExeName());
      break;
    case TFileLocation::WindowsPath:
      FDirectory = WindowsDirectory();
      break;
    case TFileLocation::PathInFileName:
      FDirectory.clear();
      break;
  }
}

std::string TIniEditor::FullFileName() const {
  std::string full;
  const bool absolute =
      (FFileName.size() >= 2 && FFileName[1] == ':') || (!FFileName.empty() && FFileName[0] == '/');
  if (FDirectory.empty() || absolute) {
    full = FFileName;
  } else if (!FFileName.empty() && FFileName[0] == '\\') {
    full = FDirectory + FFileName.substr(1);
  } else {
    full = FDirectory + FFileName;
  }
  // Only the file's own name counts: folders such as ~/.config hold dots too.
  const size_t name = full.find_last_of("/\\");
  if (full.find('.', name == std::string::npos ? 0 : name + 1) == std::string::npos) {
    full += ".INI";
  }
  return full;
}

void TIniEditor::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
  WriteStr(Section, Key, Value ? "True" : "False");
}

void TIniEditor::WriteChar(const std::string& Section, const std::string& Key, char Value) {
  WriteStr(Section, Key, std::string(1, Value));
}

void TIniEditor::WriteInt(const std::string& Section, const std::string& Key, int32_t Value) {
  WriteStr(Section, Key, IntToStr(Value));
}

void TIniEditor::WriteReal(const std::string& Section, const std::string& Key, double Value) {
  WriteStr(Section, Key, FloatToStr(Value));
}

void TIniEditor::WriteStr(const std::string& Section, const std::string& Key,
                          const std::string& Value) {
  if (Section.empty() || FFileName.empty()) return;
  const std::string file = FullFileName();
  if (Value.empty() && Key.empty()) {
    ProfileEraseSection(Cut(Section), file);
  } else if (Value.empty()) {
    ProfileEraseEntry(Cut(Section), Cut(Key), file);
  } else {
    ProfileWrite(Cut(Section), Cut(Key), Cut(Value), file);
  }
}

bool TIniEditor::ReadBool(const std::string& Section, const std::string& Key, bool Default) {
  const std::string text = ReadStr(Section, Key, Default ? "True" : "False");
  const std::string upper = UpperCase(text);
  return upper == "TRUE" || upper == "YES" || text == "1";
}

char TIniEditor::ReadChar(const std::string& Section, const std::string& Key, char Default) {
  // A #0 default is an empty text to the profile functions.
  const std::string text = ReadStr(Section, Key, Default ? std::string(1, Default) : "");
  return text.empty() ? Default : text[0];
}

int32_t TIniEditor::ReadInt(const std::string& Section, const std::string& Key, int32_t Default) {
  double value;
  if (TryStrToFloat(ReadStr(Section, Key, FloatToStr(Default)), value) && value > -2147483649.0 &&
      value < 2147483648.0) {
    return static_cast<int32_t>(Trunc(value));
  }
  int32_t integer;
  if (TryStrToInt(ReadStr(Section, Key, "x"), integer)) return integer;
  return Default;
}

double TIniEditor::ReadReal(const std::string& Section, const std::string& Key, double Default) {
  double value;
  if (TryStrToFloat(ReadStr(Section, Key, FloatToStr(Default)), value)) return value;
  return Default;
}

std::string TIniEditor::ReadStr(const std::string& Section, const std::string& Key,
                                const std::string& Default) {
  if (Section.empty() || Key.empty() || FFileName.empty()) return Default;
  return Cut(ProfileRead(Cut(Section), Cut(Key), Cut(Default), FullFileName()));
}

void TIniEditor::InitEntry(const std::string& Section, const std::string& Key) {
  if (Section.empty() || Key.empty() || FFileName.empty()) return;
  ProfileWrite(Cut(Section), Cut(Key), "", FullFileName());
}

void TIniEditor::InitSection(const std::string& Section) {
  if (Section.empty() || FFileName.empty()) return;
  ProfileWrite(Cut(Section), "@", "~", FullFileName());
}

void TIniEditor::EraseSection(const std::string& Section) { WriteStr(Section, "", ""); }

void TIniEditor::EraseEntry(const std::string& Section, const std::string& Key) {
  WriteStr(Section, Key, "");
}
