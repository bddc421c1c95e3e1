#pragma once
// A shown form with a text viewer that has the focus, and files to open in it.

#include <string>
#include <vector>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/forms/testing/formtest.h"
#include "tests/library/controls/txtscroll/tempfiles.h"

class ViewerTest : public FormTest {
 protected:
  void SetUp() override {
    viewer = new TTextScroller(form);
    viewer->SetParent(form);
    viewer->SetBounds(0, 0, 380, 260);
    ShowForm();
    viewer->SetFocus();
    Pump();
  }

  void Open(const std::string& bytes, bool hex = false) {
    viewer->SetIsOpen(false);
    viewer->SetHexMode(hex);
    viewer->SetFileName(files.Write("file.txt", bytes));
    viewer->SetIsOpen(true);
    Pump();
  }
  // Lines joined by LF.
  static std::string Text(int n, const std::string& each) {
    std::string s;
    for (int i = 0; i < n; ++i) s += each + std::to_string(i) + "\n";
    return s;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> out;
    for (int i = 0; i < viewer->LineCount(); ++i) out.emplace_back(viewer->LineText(i));
    return out;
  }
  void Key(uint16_t vk, TShiftState keys = {}) {
    KeyPress(vk, "", keys);
    Pump();
  }
  void Type(const std::string& chars) {
    for (char c : chars) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      KeyPress(letter ? uint16_t(c & ~0x20) : uint16_t(0), std::string(1, c));
    }
    Pump();
  }
  void Caret(int line, int col) {
    viewer->MoveCaretTo(line, col, false);
    Pump();
  }
  TtsPos At() const { return viewer->CaretPos(); }
  // Client point of the middle of the cell of a line and visual column on screen.
  TPoint Cell(int line, int col) const {
    return {viewer->LeftMarginPixels() + (col - viewer->FirstCol()) * viewer->CharWidth() +
                viewer->CharWidth() / 2,
            viewer->TopMarginPixels() + (line - viewer->TopLine()) * viewer->LineHeight() +
                viewer->LineHeight() / 2};
  }

  TempFolder files;
  TTextScroller* viewer = nullptr;
};
