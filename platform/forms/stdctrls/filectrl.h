#pragma once
// A folder's files and the folder tree above and below a folder, as list boxes that work together:
// a directory list box with a linked file list box shows in the file list what lies in the folder
// chosen in the directory list.
//
// Directory and FileName are the operating system's names (the bytes as stored), so a chosen file
// opens again whatever its name; the lists show them as text.

#include <string>
#include <vector>

#include "platform/forms/stdctrls/stdctrls.h"

class TDirectoryListBox;

class TFileListBox : public TCustomListBox {
 public:
  explicit TFileListBox(TComponent* AOwner);
  ~TFileListBox() override;

  // Patterns (text) with '*' and '?' (one character of the name, whatever its bytes), several
  // separated by ';', matched without regard to the case of ASCII letters ("*.wav" finds
  // "dog1.Wav"); "*.*" is every file.
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& Value);
  // The folder listed; the current folder at first. A folder that does not exist is refused.
  const std::string& Directory() const { return FDirectory; }
  void SetDirectory(const std::string& Value);
  // The chosen file with its full path; empty when none is chosen. Setting it chooses the file
  // (and its folder).
  std::string FileName() const;
  void SetFileName(const std::string& Value);
  // Reads the folder again (and repaints).
  void Update() override;
  void SetItemIndex(int Value) override;

  // The chosen file changed (by the user or from code).
  TNotifyEvent OnChange;

 protected:
  void UserSelected(int Index) override;

 private:
  friend class TDirectoryListBox;
  void ReadFileNames();
  void Change();
  std::string FMask = "*.*";
  std::string FDirectory;
  std::vector<std::string> FNames;  // as stored, in the order of Items
  int FLastIndex = -1;
  TDirectoryListBox* FDirList = nullptr;
};

class TDirectoryListBox : public TCustomListBox {
 public:
  explicit TDirectoryListBox(TComponent* AOwner);
  ~TDirectoryListBox() override;

  // The open folder: listed with the folders above it and its subfolders. A folder that does not
  // exist is refused. The linked file list follows.
  const std::string& Directory() const { return FDirectory; }
  void SetDirectory(const std::string& Value);
  TFileListBox* FileList() const { return FFileList; }
  void SetFileList(TFileListBox* Value);
  // The full path of a line.
  std::string GetItemPath(int Index) const;

  // The open folder changed.
  TNotifyEvent OnChange;

 protected:
  // A double click (or Enter) opens the chosen line's folder.
  void DblClick() override;
  void KeyPress(char& Key) override;

 private:
  friend class TFileListBox;
  void ReadDirectoryNames();
  std::string FDirectory;
  std::vector<std::string> FPaths;  // full paths, in the order of Items
  TFileListBox* FFileList = nullptr;
};
