// Caret moves, keys, selection, bookmarks, mouse, typing, copying and searching in the viewer.
#include <gtest/gtest.h>

#include <climits>

#include "platform/forms/clipboard.h"
#include "tests/library/controls/txtscroll/viewer_fixture.h"

namespace {

using ViewerInputTest = ViewerTest;
const TShiftState kShift{ssShift};
const TShiftState kCtrl{ssCtrl};
const TShiftState kCtrlShift{ssCtrl, ssShift};

TEST_F(ViewerInputTest, ShiftArrowsSelectFromTheAnchor) {
  Open("abcdefgh\n");
  Caret(0, 5);
  Key(VK_LEFT, kShift);
  Key(VK_LEFT, kShift);
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 3}, {0, 5}}));
  for (int i = 0; i < 3; ++i) Key(VK_RIGHT, kShift);
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 5}, {0, 6}}));
  Key(VK_RIGHT);
  EXPECT_TRUE(viewer->Selection().Empty());
  EXPECT_EQ(At(), (TtsPos{0, 7}));
}

TEST_F(ViewerInputTest, WordStepsAndLineEnds) {
  Open("foo bar\nx\n");
  Caret(0, 7);
  Key(VK_LEFT, kCtrl);
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  Key(VK_LEFT, kCtrl);
  EXPECT_EQ(At(), (TtsPos{0, 0}));
  Key(VK_LEFT, kCtrl);
  EXPECT_EQ(At(), (TtsPos{0, 0}));
  Key(VK_RIGHT, kCtrl);
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  Caret(0, 0);
  Key(VK_RIGHT, kCtrlShift);
  EXPECT_EQ(At(), (TtsPos{0, 3}));
  Key(VK_RIGHT, kCtrlShift);  // from the blank on to the end of the next word
  EXPECT_EQ(At(), (TtsPos{0, 7}));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 0}, {0, 7}}));

  Caret(1, 0);
  Key(VK_LEFT);  // to the end of the line before
  EXPECT_EQ(At(), (TtsPos{0, 7}));
  Key(VK_RIGHT);  // and on to the start of the next
  EXPECT_EQ(At(), (TtsPos{1, 0}));
  Key(VK_END);
  EXPECT_EQ(At(), (TtsPos{1, 1}));
  Key(VK_HOME);
  EXPECT_EQ(At(), (TtsPos{1, 0}));
  Key(VK_END, kCtrl);
  EXPECT_EQ(At(), (TtsPos{2, 0}));
  Key(VK_HOME, kCtrlShift);
  EXPECT_EQ(At(), (TtsPos{0, 0}));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 0}, {2, 0}}));
  Caret(0, 7);
  // The form keeps Tab for its focus; where it reaches the viewer it steps a word left.
  viewer->Perform(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  EXPECT_TRUE(viewer->Selection().Empty());
}

// The largest steps ("to the end") must not overflow, whatever column they start from.
TEST_F(ViewerInputTest, LargestStepsClampToTheLine) {
  Open("\t\tab\nabcdefghijklmnopqrstuvwxyz\n");
  Caret(1, 20);
  viewer->MoveCaretBy(INT_MAX, -1, false, false);
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  viewer->MoveCaretBy(INT_MAX, INT_MAX, false, false);
  EXPECT_EQ(At(), (TtsPos{2, 0}));
  viewer->MoveCaretBy(INT_MIN, INT_MIN, false, false);
  EXPECT_EQ(At(), (TtsPos{0, 0}));
}

TEST_F(ViewerInputTest, UpAndDownKeepTheVisualColumnAcrossTabs) {
  Open("abcdefghij\n\tx\nabcdefghij\n");
  Caret(0, 9);
  Key(VK_DOWN);
  EXPECT_EQ(At(), (TtsPos{1, 2}));  // visual column 9 is after the x
  EXPECT_EQ(viewer->CaretVisCol(), 9);
  Caret(0, 4);
  Key(VK_DOWN);
  EXPECT_EQ(At(), (TtsPos{1, 0}));  // inside the tab: at the tab
  Caret(1, 1);
  Key(VK_DOWN);
  EXPECT_EQ(At(), (TtsPos{2, 8}));
}

TEST_F(ViewerInputTest, PageDownMovesCaretAndViewTogether) {
  Open(Text(200, "line"));
  const int page = viewer->VisibleLines() - 1;
  Caret(3, 0);
  Key(VK_NEXT);
  EXPECT_EQ(At(), (TtsPos{3 + page, 0}));
  EXPECT_EQ(viewer->TopLine(), page);
  Key(VK_PRIOR);
  EXPECT_EQ(At(), (TtsPos{3, 0}));
  EXPECT_EQ(viewer->TopLine(), 0);
  Key(VK_NEXT, kCtrl);  // caret to the bottom row
  EXPECT_EQ(At(), (TtsPos{viewer->VisibleLines() - 1, 0}));
  Key(VK_DOWN, kCtrl);  // the view scrolls, the caret stays
  EXPECT_EQ(viewer->TopLine(), 1);
  EXPECT_EQ(At(), (TtsPos{viewer->VisibleLines() - 1, 0}));
}

TEST_F(ViewerInputTest, HexCaretSkipsGroupBlanks) {
  viewer->SetHexSize(hsByte);
  Open(std::string(40, 'A'), true);
  Caret(0, 8);
  Key(VK_RIGHT);
  EXPECT_EQ(At(), (TtsPos{0, 10}));
  Key(VK_LEFT);
  EXPECT_EQ(At(), (TtsPos{0, 8}));
  Caret(2, 20);
  Key(VK_DOWN);  // the empty last line is never entered
  EXPECT_EQ(At(), (TtsPos{2, 7}));
  Caret(0, 0);
  EXPECT_EQ(At(), (TtsPos{0, 7}));
}

TEST_F(ViewerInputTest, KeysWithoutCaretMoveTheView) {
  Open(Text(200, std::string(100, 'w')));
  viewer->SetShowCaret(false);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(viewer->TopLine(), 2);
  EXPECT_EQ(At(), (TtsPos{0, 0}));
  Key(VK_RIGHT);
  EXPECT_EQ(viewer->FirstCol(), 1);
  Key(VK_LEFT);
  EXPECT_EQ(viewer->FirstCol(), 0);
  Key(VK_END);
  EXPECT_EQ(At().Line, 200);
  viewer->SetPassive(true);
  viewer->SetShowCaret(true);
  Key(VK_RIGHT, kCtrl);  // passive: Ctrl+Right scrolls a column
  EXPECT_EQ(viewer->FirstCol(), 1);
}

TEST_F(ViewerInputTest, PassiveViewerKeepsItsSelection) {
  Open("abcdef\nghi\n");
  viewer->SelectRange(0, 1, 0, 3, true);
  viewer->SetPassive(true);
  Key(VK_DOWN);
  Key(VK_LEFT, kShift);  // Shift is ignored
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 1}, {0, 3}}));
  EXPECT_EQ(At(), (TtsPos{1, 2}));
}

TEST_F(ViewerInputTest, BookmarksSetClearAndJump) {
  Open(Text(100, "b"));
  Caret(40, 1);
  Key('3', kCtrlShift);
  EXPECT_TRUE(viewer->IsBookmarkAt(3, 40, 1));
  Caret(0, 0);
  Key('3', kCtrl);
  EXPECT_EQ(At(), (TtsPos{40, 1}));
  EXPECT_LE(viewer->TopLine(), 40);
  Key('3', kCtrlShift);  // again at the same place: cleared
  EXPECT_EQ(viewer->Bookmark(3), (TtsPos{-1, -1}));
  viewer->SetBookmark(12, 1, 1);  // no such bookmark
  EXPECT_FALSE(viewer->IsBookmarkAt(12, 1, 1));
  viewer->SetBookmark(5, 7, 0);
  Open("other\n");  // a new file clears them
  EXPECT_EQ(viewer->Bookmark(5), (TtsPos{-1, -1}));
}

TEST_F(ViewerInputTest, CopiesTheSelectionWithLineBreaks) {
  Open("abc\nde\n\nfgh\n");
  struct Case {
    TtsRange sel;
    std::string text;
  };
  const Case cases[] = {
      {{{0, 2}, {1, 1}}, "c\r\nd"},
      {{{0, 1}, {0, 3}}, "bc"},
      {{{1, 0}, {3, 2}}, "de\r\n\r\nfg"},
      {{{0, 3}, {1, 0}}, "\r\n"},
  };
  for (const Case& c : cases) {
    viewer->SelectRange(c.sel.Start.Line, c.sel.Start.Col, c.sel.End.Line, c.sel.End.Col, true);
    ASSERT_EQ(viewer->Selection(), c.sel);
    SetClipboardText("old");
    Key(VK_INSERT, kCtrl);
    EXPECT_EQ(GetClipboardText(), c.text);
  }
  Caret(0, 0);  // an empty selection copies nothing
  SetClipboardText("old");
  viewer->CopyToClipboard();
  EXPECT_EQ(GetClipboardText(), "old");
}

TEST_F(ViewerInputTest, FindsForwardsBackwardsWithAndWithoutCase) {
  Open("xxab\nab\n");
  EXPECT_TRUE(viewer->FindText("ab", 0));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 2}, {0, 4}}));
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  EXPECT_TRUE(viewer->FindText("ab", 0));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{1, 0}, {1, 2}}));
  EXPECT_FALSE(viewer->FindText("ab", 0));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{1, 0}, {1, 2}}));

  Caret(0, 0);
  EXPECT_FALSE(viewer->FindText("AB", ftMatchCase));
  EXPECT_TRUE(viewer->FindText("AB", 0));
  EXPECT_FALSE(viewer->FindText("", 0));

  Open("ab ab\nxab\n");
  EXPECT_TRUE(viewer->FindText("ab", ftWholeText | ftBackwards));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{1, 1}, {1, 3}}));
  EXPECT_EQ(At(), (TtsPos{1, 1}));
  EXPECT_TRUE(viewer->FindText("AB", ftBackwards));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 3}, {0, 5}}));
  EXPECT_TRUE(viewer->FindText("ab", ftBackwards));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 0}, {0, 2}}));
  EXPECT_FALSE(viewer->FindText("ab", ftBackwards));
  EXPECT_TRUE(viewer->FindText("xab", ftWholeText));
  EXPECT_EQ(viewer->Selection(), (TtsRange{{1, 0}, {1, 3}}));
  EXPECT_EQ(viewer->Cursor(), crDefault);
}

TEST_F(ViewerInputTest, OverwriteTypingInText) {
  Open("abc\nxy\n");
  std::vector<std::tuple<int, int, char>> changes;
  viewer->OnTextChange = [&](TObject*, int l, int c, char ch) { changes.push_back({l, c, ch}); };
  Type("q");
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{1});  // not in overwrite mode
  EXPECT_EQ(viewer->LineText(0), "abc");
  viewer->SetOverWrite(true);
  Caret(0, 2);
  Type("ZW");  // the W at the line's end replaces nothing and goes on to the next line
  EXPECT_EQ(viewer->LineText(0), "abZ");
  EXPECT_EQ(changes, (std::vector<std::tuple<int, int, char>>{{0, 2, 'Z'}, {0, 3, 'W'}}));
  EXPECT_EQ(At(), (TtsPos{1, 0}));
  EXPECT_TRUE(viewer->Changed());
  KeyPress(VK_ESCAPE, "\x1B");
  Pump();
  EXPECT_FALSE(viewer->OverWrite());
}

TEST_F(ViewerInputTest, OverwriteTypingInHex) {
  viewer->SetHexSize(hsByte);
  Open(std::string(3, '\x3C'), true);
  std::vector<std::pair<int, int>> changes;
  viewer->OnHexChange = [&](TObject*, int adr, uint8_t b) { changes.push_back({adr, b}); };
  viewer->SetHexOffset(0x100);
  viewer->SetOverWrite(true);
  Caret(0, 7);
  Type("a");
  EXPECT_EQ(viewer->GetHexByte(0), 0xAC);
  EXPECT_EQ(At(), (TtsPos{0, 8}));
  Caret(0, 11);  // low nibble of byte 1
  Type("a");
  EXPECT_EQ(viewer->GetHexByte(1), 0x3A);
  EXPECT_EQ(At(), (TtsPos{0, 13}));  // over the blank to byte 2
  Type("G");
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{0x10});
  EXPECT_EQ(viewer->GetHexByte(2), 0x3C);
  Caret(0, 57);  // byte 2 in the character area
  Type("k");
  EXPECT_EQ(viewer->GetHexByte(2), 'k');
  EXPECT_EQ(changes,
            (std::vector<std::pair<int, int>>{{0x100, 0xAC}, {0x101, 0x3A}, {0x102, 'k'}}));
  EXPECT_EQ(viewer->LineText(0).substr(7, 9), "AC 3A 6B ");
}

// The second press of a double click, as the window system hands it to the control.
void DoubleClickAt(TTextScroller* viewer, TPoint p) {
  viewer->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLong(p.X, p.Y));
  viewer->Perform(WM_LBUTTONUP, 0, MakeLong(p.X, p.Y));
}

TEST_F(ViewerInputTest, MouseClickDragAndDoubleClick) {
  Open("foo.bar baz\nsecond line\nthird\n");
  const TPoint b = Cell(0, 4);
  Click(viewer, b.X, b.Y);
  Pump();
  EXPECT_EQ(At(), (TtsPos{0, 4}));
  Pause();
  const TPoint from = Cell(0, 1), to = Cell(1, 3);
  Press(viewer, from.X, from.Y);
  Move(viewer, to.X, to.Y, {ssLeft});
  Release(viewer, to.X, to.Y);
  Pump();
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 1}, {1, 3}}));
  Pause();

  viewer->SetReadOnly(true);
  DoubleClickAt(viewer, b);
  Pump();
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 4}, {0, 7}}));
  Pause();
  const TPoint point = Cell(0, 3);
  DoubleClickAt(viewer, point);
  Pump();
  EXPECT_EQ(viewer->Selection(), (TtsRange{{0, 0}, {0, 3}}));
  TPoint pos;
  std::string word;
  viewer->WordAtCaret(pos, word);
  EXPECT_EQ(word, "bar");
  EXPECT_EQ(pos, (TPoint{4 * viewer->CharWidth(), viewer->LineHeight()}));
  Pause();

  viewer->SetReadOnly(false);
  DoubleClickAt(viewer, b);
  Pump();
  EXPECT_TRUE(viewer->OverWrite());
  EXPECT_EQ(viewer->Caret()->Shape(), csBitmap);
  Click(viewer, b.X, b.Y, mbRight);
  Pump();
  EXPECT_FALSE(viewer->OverWrite());
  EXPECT_EQ(viewer->Caret()->Shape(), csVertLine);
}

TEST_F(ViewerInputTest, LeftMarginSelectsWholeLines) {
  Open("one\ntwo\nthree\nfour\n");
  viewer->SetMarginLeft(3);
  Pump();
  const TPoint first = Cell(1, 0), third = Cell(2, 0);
  Press(viewer, first.X, first.Y);
  Move(viewer, 2, third.Y, {ssLeft});
  Release(viewer, 2, third.Y);
  Pump();
  EXPECT_EQ(viewer->Selection(), (TtsRange{{1, 0}, {2, 5}}));
}

TEST_F(ViewerInputTest, ScrollBarRangesAndThumb) {
  Open(Text(99, "s"));  // 100 lines
  const int vis = viewer->VisibleLines();
  const int max_top = 100 - vis;
  EXPECT_EQ(viewer->VertBar().Max, max_top);
  EXPECT_EQ(viewer->VertScale(), 1);
  EXPECT_EQ(viewer->HorzBar().Max, 512);
  viewer->Perform(WM_VSCROLL, MakeLong(5, max_top), 0);
  EXPECT_EQ(viewer->TopLine(), max_top);
  EXPECT_EQ(viewer->VertBar().Pos, max_top);

  Open(Text(49999 + vis - 20, "s"));  // the largest top line is 49980
  EXPECT_EQ(viewer->VertScale(), 4);
  EXPECT_EQ(viewer->VertBar().Max, 12495);
  viewer->Perform(WM_VSCROLL, MakeLong(5, 1000), 0);
  EXPECT_EQ(viewer->TopLine(), 4000);
  viewer->Perform(WM_VSCROLL, MakeLong(5, 12495), 0);
  EXPECT_EQ(viewer->TopLine(), 49980);

  Open(Text(3, "s"));
  int fired = 0;
  viewer->OnTopLineChanged = [&](TObject*, int) { ++fired; };
  viewer->Perform(WM_VSCROLL, 1, 0);
  EXPECT_EQ(viewer->TopLine(), 0);
  EXPECT_EQ(fired, 0);
  viewer->Perform(WM_HSCROLL, MakeLong(5, 40), 0);
  EXPECT_EQ(viewer->FirstCol(), 40);
  viewer->Perform(WM_HSCROLL, 3, 0);
  EXPECT_EQ(viewer->FirstCol(), 50);
}

TEST_F(ViewerInputTest, WindowScrollBarsAndBorderFrameTheText) {
  const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  Open("one line");  // nothing to scroll down to: no vertical bar
  EXPECT_FALSE(viewer->ScrollBarVisible(SB_VERT));
  EXPECT_TRUE(viewer->ScrollBarVisible(SB_HORZ));
  EXPECT_EQ(viewer->ClientRect(), Rect(0, 0, 378, 258 - cy));  // inside the single border

  Open(Text(99, "s"));
  EXPECT_TRUE(viewer->ScrollBarVisible(SB_VERT));
  EXPECT_EQ(viewer->ClientRect(), Rect(0, 0, 378 - cx, 258 - cy));
  const int vis = viewer->VisibleLines();
  EXPECT_EQ(vis, (258 - cy) / viewer->LineHeight());
  EXPECT_EQ(viewer->VisibleCols(), (378 - cx) / viewer->CharWidth());

  // The user's clicks and drags on the vertical bar scroll the text.
  const int x = viewer->ClientWidth() + cx / 2, h = viewer->ClientHeight();
  Click(viewer, x, h - 2);  // the arrow at the bottom
  Pause();
  EXPECT_EQ(viewer->TopLine(), 1);
  Click(viewer, x, h * 3 / 4);  // the track below the thumb
  Pause();
  EXPECT_EQ(viewer->TopLine(), 1 + vis);
  EXPECT_EQ(viewer->VertBar().Pos, 1 + vis);
  viewer->SetTopLine(0);
  Press(viewer, x, cx + 3);  // the thumb, just below the upper arrow
  Move(viewer, x, cx + 43);
  EXPECT_GT(viewer->TopLine(), 0);
  Release(viewer, x, cx + 43);
  Pause();
  EXPECT_EQ(viewer->VertBar().Pos, viewer->TopLine());
  Click(viewer, viewer->ClientWidth() - 2, h + cy / 2);  // the right arrow
  EXPECT_EQ(viewer->FirstCol(), 1);

  viewer->SetBorderStyle(bsNone);
  viewer->SetScrollBars(ssNone);
  EXPECT_EQ(viewer->ClientRect(), Rect(0, 0, 380, 260));
  EXPECT_EQ(viewer->VisibleLines(), 260 / viewer->LineHeight());
}

TEST_F(ViewerInputTest, PixelsMapToPositions) {
  Open("a\tb\n");
  viewer->SetMarginLeft(2);
  Pump();
  EXPECT_EQ(viewer->PixelToPos(viewer->LeftMarginPixels(), 0), (TtsPos{0, 0}));
  EXPECT_EQ(viewer->PixelToPos(viewer->LeftMarginPixels() - 1, 0).Col, -1);
  EXPECT_EQ(viewer->PixelToPos(viewer->LeftMarginPixels() + 4 * viewer->CharWidth(), 0),
            (TtsPos{0, 1}));  // inside the tab
  EXPECT_EQ(viewer->PixelToPos(viewer->LeftMarginPixels() + 8 * viewer->CharWidth(), 0),
            (TtsPos{0, 2}));
}

}  // namespace
