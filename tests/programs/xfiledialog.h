#pragma once
// The programs' real file dialogs and message boxes on an X server, worked with the real
// keyboard (xdotool), for the screen checks that save and load files by name.

#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "tests/programs/xkeys.h"

// Types UTF-8 text with the real keyboard; xdotool reads it in a UTF-8 locale whatever the
// test's own.
inline bool XType(const std::string& utf8) {
  const std::string command = "LC_ALL=C.UTF-8 xdotool type --delay 40 -- '" + utf8 + "'";
  return std::system(command.c_str()) == 0;
}

// The name field of the file dialog on the screen, once the dialog is the active window and the
// field has the keyboard; null before.
inline QLineEdit* ActiveFileNameField() {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (dialog == nullptr || !dialog->isActiveWindow()) return nullptr;
  auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
  return field != nullptr && field->hasFocus() ? field : nullptr;
}

inline bool FileDialogShown() {
  return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr;
}

// A message box of the program is the active window.
inline bool MessageBoxActive() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  return box != nullptr && box->isActiveWindow();
}

// The names in a folder as the file system stores them.
inline std::set<std::string> NamesIn(const std::string& dir) {
  std::set<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (const dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    closedir(d);
  }
  return names;
}

// What the screen shows while a step waits in vain: the modal window, the dialog's name field
// and the main form's caption.
inline std::string FileDialogSeen(const std::string& caption) {
  QWidget* modal = QApplication::activeModalWidget();
  std::string seen = modal != nullptr ? modal->metaObject()->className() : "no modal window";
  if (const QLineEdit* field = ActiveFileNameField()) {
    seen += ", name field \"" + field->text().toStdString() + "\"";
  }
  return seen + ", caption \"" + caption + "\"";
}

// A folder of the check's own, made the current one (where the dialogs start), and keys on the
// keyboard for every letter of the name to type there; empty, said on stderr, when either fails.
inline std::string FolderToNameIn(const std::string& name) {
  char folder[] = "/tmp/orvane-names-XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {
    std::perror("temporary folder");
    return "";
  }
  if (!XGiveKeysTo(name)) {
    std::fprintf(stderr, "no keys for the name\n");
    return "";
  }
  return folder;
}
