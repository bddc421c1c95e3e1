// Files, hex view, properties and status of the text viewer.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/exceptions.h"
#include "tests/library/controls/txtscroll/viewer_fixture.h"

namespace {

using ViewerModelTest = ViewerTest;

TEST_F(ViewerModelTest, LoadsTextFilesWithTheTrailingEmptyLine) {
  Open("one\n\ttwo\r\nthree");
  EXPECT_TRUE(viewer->IsOpen());
  EXPECT_EQ(Lines(), (std::vector<std::string>{"one", "\ttwo", "three", ""}));
  EXPECT_EQ(At(), (TtsPos{0, 0}));

  Open("");
  EXPECT_EQ(Lines(), std::vector<std::string>{""});

  Open(std::string(2000, 'x') + "\nnext\n");
  ASSERT_EQ(viewer->LineCount(), 3);
  EXPECT_EQ(viewer->LineText(0).size(), 1023u);
  EXPECT_EQ(viewer->LineText(1), "next");
}

TEST_F(ViewerModelTest, MissingFileShowsTheMessageAndStaysClosed) {
  viewer->SetFileName(files.Path("nowhere.txt"));
  dialogs.Answer(mrAbort);
  viewer->SetIsOpen(true);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "File\r" + files.Path("nowhere.txt") + "\r not found");
  EXPECT_EQ(dialogs.Asked()[0].Buttons, std::vector<int>{mrAbort});
  EXPECT_FALSE(viewer->IsOpen());
  EXPECT_EQ(viewer->LineCount(), 0);
}

TEST_F(ViewerModelTest, UnreadableFileThrowsAndLeavesTheViewerClosed) {
  viewer->SetFileName(files.Path(""));  // a folder: it exists but cannot be read
  EXPECT_THROW(viewer->SetIsOpen(true), EInOutError);
  EXPECT_FALSE(viewer->IsOpen());
  EXPECT_EQ(viewer->LineCount(), 0);
  EXPECT_EQ(viewer->Cursor(), crDefault);  // the wait cursor went off again
}

TEST_F(ViewerModelTest, DevicesAreRefusedInTextAndHexView) {
  for (const bool hex : {false, true}) {
    viewer->SetHexMode(hex);
    viewer->SetFileName("/dev/zero");
    EXPECT_THROW(viewer->SetIsOpen(true), EInOutError) << hex;
    EXPECT_FALSE(viewer->IsOpen());
    EXPECT_EQ(viewer->LineCount(), 0);
    EXPECT_EQ(viewer->ByteCount(), 0);
  }
}

TEST_F(ViewerModelTest, FileNameKeepsItsCaseAndReopens) {
  const std::string lower = files.Write("lower.txt", "a\n");
  const std::string other = files.Write("Other.TXT", "b\nc\n");
  viewer->SetFileName(lower);
  EXPECT_EQ(viewer->FileName(), lower);
  viewer->SetIsOpen(true);
  EXPECT_EQ(viewer->LineText(0), "a");
  viewer->SetFileName(other);  // an open viewer shows the new file at once
  EXPECT_TRUE(viewer->IsOpen());
  EXPECT_EQ(Lines(), (std::vector<std::string>{"b", "c", ""}));
}

TEST_F(ViewerModelTest, HexViewLineCountsAndAddresses) {
  viewer->SetHexSize(hsByte);
  struct Case {
    int bytes, lines;
  };
  for (Case c : {Case{0, 2}, Case{16, 2}, Case{20, 3}, Case{32, 3}}) {
    Open(std::string(size_t(c.bytes), 'A'), true);
    EXPECT_EQ(viewer->LineCount(), c.lines) << c.bytes;
    EXPECT_EQ(viewer->ByteCount(), c.bytes);
    EXPECT_EQ(viewer->LineText(c.lines - 1), "") << c.bytes;
    EXPECT_EQ(At(), (TtsPos{0, 7})) << c.bytes;
  }
  Open(std::string(20, 'A'), true);
  EXPECT_EQ(viewer->LineText(1),
            "000010 41 41 41 41 00 00 00 00 00 00 00 00 00 00 00 00 AAAA\x85\x85\x85\x85\x85\x85"
            "\x85\x85\x85\x85\x85\x85");
  viewer->SetHexOffset(0x10);
  EXPECT_EQ(viewer->LineText(0).substr(0, 7), "000010 ");
  viewer->SetNonHexChar('.');
  EXPECT_EQ(viewer->LineText(1).substr(55), "AAAA............");
  viewer->SetHexOffset(2000000);
  EXPECT_EQ(viewer->HexOffset(), 0xFFFFF);
  viewer->SetHexSize(hsWord);
  EXPECT_EQ(viewer->LineText(0).size(), 63u);
  EXPECT_EQ(viewer->HexHeader(), HexHeaderText(hsWord));
}

// The hex view makes its lines when they are asked for: a few asked one after the other stay
// valid together, and a line's flag stays with it across byte edits until the next opening.
TEST_F(ViewerModelTest, HexLinesMadeWhenAskedAndTheirFlags) {
  Open(std::string(100, 'A'), true);
  std::vector<std::string_view> kept;
  for (int i = 0; i < TTextScroller::kHexLinesKept; ++i) kept.push_back(viewer->LineText(i));
  for (int i = 0; i < TTextScroller::kHexLinesKept; ++i)
    EXPECT_EQ(kept[size_t(i)].substr(0, 12), "0000" + std::string{"0123"[i]} + "0 41 41") << i;

  viewer->SetLineFlag(1, 5);
  viewer->SetHexByte(17, 0x42);
  EXPECT_EQ(viewer->LineText(1).substr(7, 6), "41 42 ");
  EXPECT_EQ(viewer->GetLineFlag(1), 5);
  EXPECT_EQ(viewer->GetLineFlag(0), 0);
  viewer->SetLineFlag(viewer->LineCount(), 1);
  EXPECT_EQ(viewer->GetLineFlag(viewer->LineCount()), 0);
  viewer->SetIsOpen(false);
  EXPECT_EQ(viewer->LineText(1), "");
  viewer->SetIsOpen(true);
  EXPECT_EQ(viewer->GetLineFlag(1), 0);
  EXPECT_EQ(viewer->LineText(1).substr(7, 6), "41 41 ");
}

// What was read stays as it was read while the file on disk is rewritten, cut short or removed
// (the viewer never looks at the file again: a view of its pages would fault on those cut off).
TEST_F(ViewerModelTest, FileChangedOnDiskLeavesTheShownLines) {
  for (const bool hex : {false, true}) {
    Open(Text(3000, "line"), hex);
    const std::vector<std::string> shown = Lines();
    files.Write("file.txt", "x");
    EXPECT_EQ(Lines(), shown) << hex;
    std::filesystem::resize_file(files.Path("file.txt"), 0);
    std::filesystem::remove(files.Path("file.txt"));
    viewer->ScrollBy(0, 2000);
    Pump();
    EXPECT_EQ(Lines(), shown) << hex;
  }
}

// A later, smaller file shows zeros after its own bytes.
TEST_F(ViewerModelTest, HexBufferIsClearedBetweenFiles) {
  Open(std::string(20, 'Z'), true);
  Open("12345", true);
  EXPECT_EQ(viewer->LineText(0).substr(7, 18), "31 32 33 34 35 00 ");
}

// A bigger HexBufLen set while the text is shown must give a buffer of that size at the next hex
// opening; in hex mode the change reads the file again.
TEST_F(ViewerModelTest, HexBufLenGrowsTheBuffer) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(char(i % 251));
  viewer->SetHexBufLen(64);
  Open(bytes, true);
  EXPECT_EQ(viewer->ByteCount(), 64);
  EXPECT_EQ(viewer->LineCount(), 5);
  viewer->SetHexMode(false);
  viewer->SetHexBufLen(300);
  viewer->SetHexMode(true);
  EXPECT_EQ(viewer->ByteCount(), 300);
  EXPECT_EQ(viewer->LineCount(), 20);
  EXPECT_EQ(viewer->LineText(18).substr(7, 12), "25 26 27 28 ");  // bytes 288.. = 37..
  viewer->SetHexBufLen(100);
  EXPECT_TRUE(viewer->IsOpen());
  EXPECT_EQ(viewer->ByteCount(), 100);
  EXPECT_EQ(viewer->LineCount(), 8);
  EXPECT_EQ(viewer->GetHexByte(99), 99);
  EXPECT_EQ(viewer->GetHexByte(100), -1);
}

TEST_F(ViewerModelTest, HexColumnsAddressBytesOfTheirLine) {
  Open(std::string(40, 'x'), true);
  EXPECT_EQ(viewer->HexByteIndex(7, 0), 0);
  EXPECT_EQ(viewer->HexByteIndex(10, 1), 17);
  EXPECT_EQ(viewer->HexByteIndex(70, 2), 47);
  EXPECT_EQ(viewer->HexByteIndex(71, 0), -1);
  EXPECT_EQ(viewer->HexByteIndex(6, 0), -1);
  EXPECT_EQ(viewer->HexCharKind(8), hkLowNibble);
  viewer->SetHexMode(false);
  EXPECT_EQ(viewer->HexByteIndex(7, 0), -1);
}

TEST_F(ViewerModelTest, PropertiesClampAsStored) {
  viewer->SetFontSize(20);
  EXPECT_EQ(viewer->FontSize(), 14);
  viewer->SetFontSize(2);
  EXPECT_EQ(viewer->FontSize(), 6);
  viewer->SetMarginLeft(1);
  EXPECT_EQ(viewer->MarginLeft(), 2);
  viewer->SetMarginLeft(40);
  EXPECT_EQ(viewer->MarginLeft(), 15);
  viewer->SetMarginLeft(0);
  EXPECT_EQ(viewer->MarginLeft(), 0);
  viewer->SetMarginTop(5);
  EXPECT_EQ(viewer->MarginTop(), 1);
  viewer->SetTabSize(0);
  EXPECT_EQ(viewer->TabSize(), 8);
  viewer->SetHexBufLen(10);
  EXPECT_EQ(viewer->HexBufLen(), 64);
  viewer->SetHexBufLen(0x7FFFFFFF);
  EXPECT_EQ(viewer->HexBufLen(), 0xFFFFF);
  viewer->SetReadOnly(true);
  viewer->SetOverWrite(true);
  EXPECT_FALSE(viewer->OverWrite());
}

TEST_F(ViewerModelTest, MarginsAndFontChangeTheMetrics) {
  std::vector<std::pair<int, int>> fonts;
  viewer->OnFontChange = [&](TObject*, int h, int w) { fonts.push_back({h, w}); };
  const int lines = viewer->VisibleLines();
  viewer->SetMarginTop(1);
  EXPECT_EQ(viewer->TopMarginPixels(), viewer->LineHeight() + 2);
  EXPECT_LT(viewer->VisibleLines(), lines + 1);
  viewer->SetMarginLeft(3);
  const int lm = viewer->CharWidth() * 3;
  EXPECT_EQ(viewer->LeftMarginPixels(), lm + lm % 2);
  viewer->SetFontSize(14);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0], (std::pair<int, int>{viewer->LineHeight(), viewer->CharWidth()}));
  EXPECT_EQ(viewer->VisibleLines(),
            (viewer->ClientHeight() - viewer->TopMarginPixels()) / viewer->LineHeight());
}

TEST_F(ViewerModelTest, LineFlagsLiveOnTheLines) {
  Open("a\nb\n");
  viewer->SetLineFlag(1, 7);
  EXPECT_EQ(viewer->GetLineFlag(1), 7);
  EXPECT_EQ(viewer->GetLineFlag(0), 0);
  viewer->SetLineFlag(9, 1);
  EXPECT_EQ(viewer->GetLineFlag(9), 0);
}

// The status arrives after the message that moved the caret, once per move, and not before the
// viewer has been painted.
TEST(ViewerStatusTest, StatusOnlyAfterTheFirstPaint) {
  TTextScroller viewer(nullptr);
  int calls = 0;
  viewer.OnShowStatus = [&](TObject*, int, int, bool, bool) { ++calls; };
  viewer.MoveCaretTo(0, 0, false);
  viewer.Perform(WM_TS_STATUSPENDING, 0, 0);
  EXPECT_EQ(calls, 0);
}

TEST_F(ViewerModelTest, StatusFollowsCaretMoves) {
  Open("abc\n\tdef\n");
  std::vector<std::pair<int, int>> status;
  viewer->OnShowStatus = [&](TObject*, int line, int col, bool, bool) {
    status.push_back({line, col});
  };
  viewer->MoveCaretTo(1, 1, false);
  EXPECT_TRUE(status.empty());
  Pump();
  EXPECT_EQ(status, (std::vector<std::pair<int, int>>{{1, 8}}));
}

// What the viewer shows: highlighted characters only, the line mark in the left margin, and the
// same pixels after scrolling as after a full repaint.
TEST_F(ViewerModelTest, PaintsSelectionMarksAndScrolledRows) {
  Open("abcdef\n\nxyz\n");
  viewer->SetMarginLeft(2);
  viewer->SelectRange(0, 1, 2, 1, true);
  viewer->SetLineFlag(2, 1);
  Pump();
  const int lm = viewer->LeftMarginPixels(), cw = viewer->CharWidth(), lh = viewer->LineHeight();
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(ScreenPixel(viewer, lm, 0), 0xFFFFFF);            // 'a', before the selection
  EXPECT_EQ(ScreenPixel(viewer, lm + cw, 0), highlight);      // 'b'
  EXPECT_EQ(ScreenPixel(viewer, lm + 7 * cw, 0), 0xFFFFFF);   // past the line's end
  EXPECT_EQ(ScreenPixel(viewer, lm + 1, lh + 1), 0xFFFFFF);   // the empty line
  EXPECT_EQ(ScreenPixel(viewer, lm, 2 * lh), highlight);      // 'x'
  EXPECT_EQ(ScreenPixel(viewer, lm + cw, 2 * lh), 0xFFFFFF);  // 'y'
  const int r = std::max(3, lh / 5);
  EXPECT_EQ(ScreenPixel(viewer, 2 + r, 2 * lh + (2 * lh) / 3), 0xFFFF00);  // the line mark
  EXPECT_EQ(ScreenPixel(viewer, 1, 1), 0xC0C0C0);                          // the margin

  Open(Text(100, "row"));
  viewer->ScrollBy(0, 5);
  Pump();
  const Shot scrolled_shot = ScreenShot(viewer);
  std::vector<TColor> scrolled;
  for (int y = 0; y < 3 * lh; ++y)
    for (int x = 0; x < 10 * cw; ++x) scrolled.push_back(scrolled_shot.Pixel(x, y));
  viewer->Invalidate();
  Pump();
  const Shot repainted_shot = ScreenShot(viewer);
  std::vector<TColor> repainted;
  for (int y = 0; y < 3 * lh; ++y)
    for (int x = 0; x < 10 * cw; ++x) repainted.push_back(repainted_shot.Pixel(x, y));
  EXPECT_EQ(scrolled, repainted);
  EXPECT_EQ(viewer->LineText(viewer->TopLine()), "row5");
}

}  // namespace
