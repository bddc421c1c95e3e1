#pragma once
// TIniEditor: entries of one INI file, read and written through the profile functions. Nothing is
// cached and no file is held open: every call reads or writes the file anew. No method raises an
// error; typed reads fall back to their defaults.

#include <cstdint>
#include <string>

#include "platform/forms/component.h"

enum class TFileLocation : uint8_t { ApplicationPath, WindowsPath, PathInFileName };

// The directory of the ApplicationPath rule for a program file: the program's own directory when
// files can be written there, else the Windows directory (so that writes are not lost). Ends in
// '/'; empty for a name without a directory.
std::string ApplicationIniDirectory(const std::string& ExeName);

class TIniEditor : public TComponent {
 public:
  explicit TIniEditor(TComponent* AOwner);

  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value);
  TFileLocation FileLocation() const { return FFileLocation; }
  // Computes the directory anew in every case (also for an unchanged value). A component made in
  // code uses FileName as it stands until this is called.
  void SetFileLocation(TFileLocation Value);

  // The path handed to the profile functions: FileName, placed in the directory of the location
  // rule unless it is absolute (a drive letter or a leading '/'); ".INI" added when the file's
  // name (after the last '/' or '\\') holds no '.'.
  std::string FullFileName() const;

  // Texts longer than 255 characters are cut to their first 255.
  void WriteBool(const std::string& Section, const std::string& Key, bool Value);
  void WriteChar(const std::string& Section, const std::string& Key, char Value);
  void WriteInt(const std::string& Section, const std::string& Key, int32_t Value);
  void WriteReal(const std::string& Section, const std::string& Key, double Value);
  // An empty value erases the entry, and with an empty key the whole section. Nothing happens
  // without a section or a file name.
  void WriteStr(const std::string& Section, const std::string& Key, const std::string& Value);

  bool ReadBool(const std::string& Section, const std::string& Key, bool Default);
  char ReadChar(const std::string& Section, const std::string& Key, char Default);
  int32_t ReadInt(const std::string& Section, const std::string& Key, int32_t Default);
  double ReadReal(const std::string& Section, const std::string& Key, double Default);
  // The entry's text (at most 255 characters), or the default when it is missing or when the
  // section, the key or the file name is empty.
  std::string ReadStr(const std::string& Section, const std::string& Key,
                      const std::string& Default);

  // Writes the entry with an empty value ("Key=").
  void InitEntry(const std::string& Section, const std::string& Key);
  // Makes sure the section exists, by writing its marker entry "@=~"; other entries stay.
  void InitSection(const std::string& Section);
  void EraseSection(const std::string& Section);
  // An empty key erases the whole section.
  void EraseEntry(const std::string& Section, const std::string& Key);

 private:
  std::string FFileName;
  std::string FDirectory;  // empty or ending in '/'
  TFileLocation FFileLocation = TFileLocation::ApplicationPath;
};
