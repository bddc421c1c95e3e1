#pragma once
// Unit TxtScroll: TTextScroller, a viewer for text files in a monospaced font with an optional
// overwrite mode, and a hex viewer and byte editor for the first bytes of any file; with ten
// bookmarks, line marks, margins, a selection that can be copied, and a text search.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/controls/txtscroll/content.h"
#include "library/controls/txtscroll/textlines.h"
#include "library/controls/txtscroll/tscaret.h"
#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/types.h"
#include "platform/graphics/bitmap.h"

// bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;

// Fired after the current message: the caret's line and visual column (0..65535).
using TShowStatusEvent =
    std::function<void(TObject* Sender, int LineNum, int ColNum, bool Overwrite, bool Changed)>;
using TTopLineChangedEvent = std::function<void(TObject* Sender, int Line)>;
using TUserCommandEvent = std::function<void(TObject* Sender, uint16_t Command)>;
using THexChangeEvent = std::function<void(TObject* Sender, int Adr, uint8_t B)>;
using TTextChangeEvent = std::function<void(TObject* Sender, int Line, int Col, char C)>;
using TFontChangeEvent = std::function<void(TObject* Sender, int FHeight, int FWidth)>;

// The status message the viewer posts to itself after each caret placement.
constexpr uint32_t WM_TS_STATUSPENDING = 0x7F02;

// FindText options.
constexpr uint8_t ftBackwards = 0x02;
constexpr uint8_t ftMatchCase = 0x04;
constexpr uint8_t ftWholeText = 0x08;

class TTextScroller : public TCustomControl {
 public:
  explicit TTextScroller(TComponent* AOwner);
  ~TTextScroller() override;

  // --- properties ---
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The look of the caret, shared with whoever else holds it.
  const std::shared_ptr<TtsCaret>& Caret() const { return FCaret.Caret(); }
  void SetCaret(std::shared_ptr<TtsCaret> Value) { FCaret.SetCaret(std::move(Value)); }
  bool ExpandTabs() const { return FExpandTabs; }
  void SetExpandTabs(bool Value);
  int FontSize() const { return FFontSize; }
  void SetFontSize(int Value);
  TColor ColorHBack() const { return FColorHBack; }
  void SetColorHBack(TColor Value);
  TColor ColorHText() const { return FColorHText; }
  void SetColorHText(TColor Value);
  TColor ColorBack() const { return FColorBack; }
  void SetColorBack(TColor Value);
  TColor ColorBack2() const { return FColorBack2; }
  void SetColorBack2(TColor Value);
  TColor ColorText() const { return FColorText; }
  void SetColorText(TColor Value);
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int Value);
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int Value);
  const std::string& MarginCapt() const { return FMarginCapt; }
  void SetMarginCapt(const std::string& Value);
  TCursor MargCursor() const { return FMargCursor; }
  void SetMargCursor(TCursor Value) { FMargCursor = Value; }
  TColor MargTxtCol() const { return FMargTxtCol; }
  void SetMargTxtCol(TColor Value);
  TColor MargLeftColor() const { return FMargLeftColor; }
  void SetMargLeftColor(TColor Value);
  TColor MargTopColor() const { return FMargTopColor; }
  void SetMargTopColor(TColor Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool ShowBookmarks() const { return FShowBookmarks; }
  void SetShowBookmarks(bool Value);
  // Off: no caret, and the keys scroll the view.
  bool ShowCaret() const { return FShowCaret; }
  void SetShowCaret(bool Value);
  // Ten 12 x 12 glyphs side by side, glyph i for bookmark i. Copied; nullptr is ignored.
  TBitmap* MarkGlyphs() { return &FMarkGlyphs; }
  void SetMarkGlyphs(const TBitmap* Value);
  TBitmap* MarkDbGlyph() { return &FMarkDbGlyph; }
  void SetMarkDbGlyph(const TBitmap* Value);
  // A passive viewer keeps its selection while the caret moves and ignores mouse selection.
  bool Passive() const { return FPassive; }
  void SetPassive(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Typing replaces characters (text) or hex digits and bytes (hex mode); never while ReadOnly.
  bool OverWrite() const { return FOverWrite; }
  void SetOverWrite(bool Value);
  char NonHexChar() const { return FNonHexChar; }
  void SetNonHexChar(char Value);
  bool HexMode() const { return FHexMode; }
  void SetHexMode(bool Value);
  bool IntegHeight() const { return FIntegHeight; }
  void SetIntegHeight(bool Value);
  tsHexSize HexSize() const { return FHexSize; }
  void SetHexSize(tsHexSize Value);
  // Bytes shown in hex mode (64..$FFFFF). A change in hex mode reads the open file again.
  int HexBufLen() const { return FHexBufLen; }
  void SetHexBufLen(int Value);
  // Added to every address shown and reported (0..$FFFFF).
  int HexOffset() const { return FHexOffset; }
  void SetHexOffset(int Value);
  uint8_t TabSize() const { return FTabSize; }
  void SetTabSize(uint8_t Value);
  // Kept as given (file names are case-sensitive here).
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value);
  // Opening a missing file shows a message and leaves the viewer closed; a file that cannot be
  // read leaves it closed and throws EInOutError.
  bool IsOpen() const { return FOpen; }
  void SetIsOpen(bool Value);

  TShowStatusEvent OnShowStatus;
  TTopLineChangedEvent OnTopLineChanged;
  TUserCommandEvent OnUserCommand;
  THexChangeEvent OnHexChange;
  TTextChangeEvent OnTextChange;
  TFontChangeEvent OnFontChange;

  // --- model ---
  int LineCount() const { return FLineCount; }
  // The text of a line; empty out of range. The hex view makes its lines when they are asked
  // for: such a text stays valid while fewer than kHexLinesKept other lines are asked for.
  std::string_view LineText(int Line) const;
  static constexpr int kHexLinesKept = 4;
  // The line under the mouse; Col := its column, -1 over the left margin.
  int GetLineCol(int& Col) const;
  uint8_t GetLineFlag(int Line) const;
  void SetLineFlag(int Line, uint8_t Flag);
  void SetLineCount(int N);
  // Bytes read in hex mode.
  int ByteCount() const { return FByteCount; }
  bool Changed() const { return FChanged; }
  // The byte a hex column addresses (+ 16 x Line), -1 for none; and what the caret column shows.
  int HexByteIndex(int Col, int Line) const;
  THexCharKind HexCharKind(int Col) const;
  int GetHexByte(int Index) const;
  void SetHexByte(int Index, uint8_t B);
  const std::string& HexHeader() const { return FHexHeader; }

  // --- view ---
  int TopLine() const { return FTopLine; }
  void SetTopLine(int Line);
  int FirstCol() const { return FFirstCol; }
  int LineHeight() const { return FLineHeight; }
  int CharWidth() const { return FCharWidth; }
  int VisibleLines() const { return FVisLines; }
  int VisibleCols() const { return FVisCols; }
  int LeftMarginPixels() const { return FLeftMargin; }
  int TopMarginPixels() const { return FTopMargin; }
  void ScrollBy(int DCol, int DLine);
  void ScrollVert(int DLine) { ScrollBy(0, DLine); }
  void ScrollHorz(int DCol);
  TtsPos PixelToPos(int X, int Y) const;
  void RepaintLine(int Line);
  void RepaintLines(int A, int B);
  void RepaintSelection();
  void PaintTopMargin();
  // The window's scroll bars: whether ScrollBars asks for them, and their range and position
  // (a bar asked for hides while its range is empty).
  struct TBarState {
    bool Present = false;
    int Min = 0, Max = 0, Pos = 0;
  };
  TBarState VertBar() const { return BarState(SB_VERT, FVertPresent); }
  TBarState HorzBar() const { return BarState(SB_HORZ, FHorzPresent); }
  int VertScale() const { return FVScale; }

  // --- caret, selection, bookmarks ---
  TtsPos CaretPos() const { return FCaretPos; }
  int CaretVisCol() const { return FCaretVisCol; }
  TtsRange Selection() const { return FSel; }
  TtsPos Anchor() const { return FAnchor; }
  const TtsSingleCaret& WindowCaret() const { return FCaret; }
  void MoveCaret(int DCol, int DLine, bool KeepRow, bool Select, bool Absolute);
  void MoveCaretBy(int DCol, int DLine, bool KeepRow, bool Select) {
    MoveCaret(DCol, DLine, KeepRow, Select, false);
  }
  void MoveCaretTo(int Line, int Col, bool Select);
  void UpdateCaretPos();
  bool CaretInView() const;
  void CollapseSelection(bool Repaint);
  void ExtendSelection(bool Repaint);
  void SelectRange(int StartLine, int StartCol, int EndLine, int EndCol, bool CaretAtEnd);
  void SetBookmark(int Index, int Line, int Col);
  void ClearBookmark(int Index);
  void GotoBookmark(int Index);
  bool IsBookmarkAt(int Index, int Line, int Col) const;
  TtsPos Bookmark(int Index) const;
  void CopyToClipboard();
  // The selected text as copied: lines joined by CR LF.
  std::string SelectedText() const;
  virtual bool FindText(const std::string& Text, uint8_t Options);
  // The word under the mouse and the bottom-left corner of its first cell.
  void WordAtCaret(TPoint& Pos, std::string& Word) const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  virtual void DoShowStatus(int LineNum, int ColNum);
  virtual void DoTopLineChanged(int Line);
  virtual void DoUserCommand(uint16_t Command);

 private:
  // files and model (txtscroll.cpp, openfile.cpp, hexview.cpp)
  void ResetState();
  void EnsureWindowSetup();
  void OpenFile();
  void CloseFile();
  void BuildHexLines();
  void RebuildHexLine(int Line);
  std::string_view HexLineAt(int Line) const;
  void ForgetHexLines();
  void UpdateMetrics();
  void ApplyFont();
  void FontChangedHandling();
  void CheckPalette();
  void SetWaitCursor(bool On);
  void PrepareOverwriteBitmap();
  int ClampLine(int Line) const;
  // painting (paint.cpp)
  void PaintLeftMarginCell(int Line, int Row);
  void PaintRow(int Line, int Row, const TRect& Clip);
  void PaintPart(int X0, int X1, int Y, int Bottom, const std::string& Text, TColor Fg, TColor Bg);
  // scrolling (scroll.cpp)
  TBarState BarState(int Bar, bool Present) const;
  void ShowBars();
  void SetVertRange();
  void SetVertPos();
  void SetHorzRange();
  void SetHorzPos();
  void WMVScroll(int Code, int Pos);
  void WMHScroll(int Code, int Pos);
  void WMSize();
  void UpdateMousePos();
  // keys and steps (keys.cpp)
  bool KeyCommand(uint16_t Key, bool Shift, bool Ctrl);
  void CharLeft(bool Select);
  void CharRight(bool Select);
  void WordLeft(bool Select);
  void WordRight(bool Select);
  void CaretToTopRow(bool Select);
  void CaretToBottomRow(bool Select);
  void BookmarkKey(int Digit, TtsPos At);
  // mouse and focus (mouse.cpp)
  void WMMouseMove(int X, int Y, bool Synthetic);
  void WMLButtonDown(bool Shift);
  void WMLButtonDblClk();
  void DragTick();
  void StopDrag();
  void WMSetFocus();
  void WMKillFocus();
  // editing (edit.cpp)
  void WMChar(char C);
  void ReplaceCharAtCaret(char C);
  void AdvanceCaret();

  // properties
  TBorderStyle FBorderStyle = bsSingle;
  bool FExpandTabs = true;
  int FFontSize = 10;
  TColor FColorHBack = clHighlight;
  TColor FColorHText = clHighlightText;
  TColor FColorBack = 0xFFFFFF;
  TColor FColorBack2 = 0xFFFF00;
  TColor FColorText = 0;
  int FMarginLeft = 0;
  int FMarginTop = 0;
  std::string FMarginCapt = "Top Margin\tCaption";
  TCursor FMargCursor = crDefault;
  TColor FMargTxtCol = 0;
  TColor FMargLeftColor = 0xC0C0C0;
  TColor FMargTopColor = 0xC0C0C0;
  TScrollStyle FScrollBars = ssBoth;
  bool FShowBookmarks = true;
  bool FShowCaret = true;
  TBitmap FMarkGlyphs;
  TBitmap FMarkDbGlyph;
  bool FPassive = false;
  bool FReadOnly = false;
  bool FOverWrite = false;
  char FNonHexChar = '\x85';
  bool FHexMode = false;
  bool FIntegHeight = false;
  tsHexSize FHexSize = hsByte;
  int FHexBufLen = 255;
  int FHexOffset = 0;
  uint8_t FTabSize = 8;
  std::string FFileName;

  // model: the text view's lines, or the hex view's bytes with a flag per line and the lines
  // made last
  bool FOpen = false;
  std::unique_ptr<TtsStringList> FLines;
  int FLineCount = 0;
  std::vector<uint8_t> FHexBuf;
  std::vector<uint8_t> FHexFlags;
  struct HexLine {
    int Line = -1;
    std::string Text;
  };
  mutable std::array<HexLine, kHexLinesKept> FHexLines;
  mutable int FHexLineNext = 0;
  int FByteCount = 0;
  std::string FHexHeader;
  bool FChanged = false;

  // caret and selection
  TtsPos FCaretPos;
  int FCaretVisCol = 0;
  TtsRange FSel;
  TtsPos FAnchor;
  std::array<TtsPos, 10> FBookmarks;
  TtsPos FMousePos{-1, -1};

  // view
  static constexpr int kMaxFirstCol = 512;
  int FTopLine = 0;
  int FFirstCol = 0;
  int FLineHeight = 12;
  int FCharWidth = 12;
  int FVisLines = 1;
  int FVisCols = 1;
  int FLeftMargin = 0;
  int FTopMargin = 0;
  uint8_t FFirstChar = 32;
  uint8_t FLastChar = 255;
  char FDefaultChar = '?';
  int FMaxTopLine = 0;
  int FVScale = 1;
  int FVRange = 0;
  bool FVertPresent = false;
  bool FHorzPresent = false;
  bool FColorsExact = true;
  bool FShown = false;
  bool FOverMargin = false;
  bool FWaitCursorOn = false;
  TCursor FSavedCursor = crDefault;
  bool FWindowSetUp = false;

  // caret window, overwrite mode, focus, drag
  TtsSingleCaret FCaret;
  TBitmap FOverwriteBitmap;
  struct SavedCaret {
    bool ShowCaret = true;
    TtsCaretShape Shape = csVertLine;
    TBitmap Image;
    int HotSpotX = 0;
    int HotSpotY = 0;
  } FSavedCaret;
  bool FFocused = false;
  bool FDragging = false;
  uintptr_t FDragTimer = 0;
};
