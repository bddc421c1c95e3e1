#pragma once
// TLogic: the logic display. It holds a buffer of 8-, 16- or 32-bit samples (little-endian) and
// shows up to 32 channels (channel n = bit n of a sample) as traces (Diagram) or the samples as
// rows of hexadecimal, binary and character text (TextDisp), with a pointer, a marker, a trigger
// mark, status readouts, eight footer buttons that scroll and zoom, and a zoom rectangle.
//
// Before the first paint the setters only store; from then on a setter that changes the view
// redraws. Whatever changes the number of samples, every position (view, pointer, marker) is
// brought back inside the buffer at once.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/stringlist.h"
#include "platform/graphics/bitmap.h"
#include "programs/logic/display.h"

enum class TModus { Diagram, TextDisp };
enum class TLogSize { Size8, Size16, Size32 };

// The channels and samples chosen by the last zoom rectangle.
struct TPendingZoom {
  int32_t ChanFirst = 2;
  int32_t ChanLast = 5;
  int32_t Start = 20;
  int32_t End = 80;
  bool operator==(const TPendingZoom&) const = default;
};

// Where the footer's parts lie after a paint (empty before, and without a footer).
struct TFooterLayout {
  std::array<TRect, 8> Buttons;   // B1..B8 as drawn, outline included
  std::array<TRect, 3> BoxUpper;  // P, M, D: cycles
  std::array<TRect, 3> BoxLower;  // P, M, D: times
  TRect HexField;
  TRect BufferBar;
};

class TLogic : public TDisplay {
 public:
  static constexpr int kRowHeight = 13;

  explicit TLogic(TComponent* AOwner);
  ~TLogic() override;

  // Bytes in the buffer, 100..64000; a new size gives a zero-filled buffer.
  int32_t BufferSize() const { return static_cast<int32_t>(FBuffer.size()); }
  void SetBufferSize(int32_t Value);
  int32_t BufferCount() const { return FBufferCount; }
  TLogSize LogSize() const { return FLogSize; }
  void SetLogSize(TLogSize Value);
  // 7, 15 or 31.
  int32_t HighestChannel() const;
  int32_t ChanFirst() const { return FChanFirst; }
  void SetChanFirst(int32_t Value);
  int32_t ChanLast() const { return FChanLast; }
  void SetChanLast(int32_t Value);
  // Always 32 lines, each at most 255 bytes. A change repaints.
  const TStringList& ChanNamen() const { return FChanNamen; }
  void SetChanNamen(const TStringList& Value);
  void SetChanName(int Channel, const std::string& Name);
  TModus Modus() const { return FModus; }
  void SetModus(TModus Value);
  double TimeBase() const { return FTimeBase; }
  void SetTimeBase(double Value);
  int32_t DispStartPos() const { return FDispStartPos; }
  void SetDispStartPos(int32_t Value);
  int32_t DispEndPos() const { return FDispEndPos; }
  void SetDispEndPos(int32_t Value);
  double DispStartTime() const { return FDispStartPos * FTimeBase; }
  void SetDispStartTime(double Value);
  double DispEndTime() const { return FDispEndPos * FTimeBase; }
  void SetDispEndTime(double Value);
  int32_t TriggerPos() const { return FTriggerPos; }
  void SetTriggerPos(int32_t Value);
  int32_t PointerPos() const { return FPointerPos; }
  void SetPointerPos(int32_t Value);
  double PointerTime() const { return FPointerPos * FTimeBase; }
  void SetPointerTime(double Value);
  bool PointerEnable() const { return FPointerEnable; }
  void SetPointerEnable(bool Value);
  int32_t MarkerPos() const { return FMarkerPos; }
  void SetMarkerPos(int32_t Value);
  double MarkerTime() const { return FMarkerPos * FTimeBase; }
  void SetMarkerTime(double Value);
  bool MarkerEnable() const { return FMarkerEnable; }
  void SetMarkerEnable(bool Value);

  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor Value);
  TColor ColGrid() const { return FColGrid; }
  void SetColGrid(TColor Value);
  TColor ColCurve() const { return FColCurve; }
  void SetColCurve(TColor Value);
  TColor ColText() const { return FColText; }
  void SetColText(TColor Value);
  TColor ColTextDisp() const { return FColTextDisp; }
  void SetColTextDisp(TColor Value);
  TColor ColTrigger() const { return FColTrigger; }
  void SetColTrigger(TColor Value);
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor Value);
  TColor ColMarker() const { return FColMarker; }
  void SetColMarker(TColor Value);

  // Whether the zoom rectangle can be drawn.
  bool ZoomEnable = true;

  // A bit pattern, last character bit 0: '1' and '0' must match, anything else is free.
  const std::string& MatchValue() const { return FMatchValue; }
  void SetMatchValue(const std::string& Value);
  uint32_t MatchMask() const { return FMatchMask; }
  uint32_t MatchBits() const { return FMatchBits; }
  int32_t MatchAdr() const { return FMatchAdr; }
  void SetMatchAdr(int32_t Value);
  // The first sample from MatchAdr on that matches the pattern: MatchAdr and PointerPos move to
  // it. -1 when there is none (nothing changes) or before the first paint.
  int32_t NextMatch();

  // A snapshot of the display area / the whole control, held until ReleasePrint.
  TBitmap* PrintDisp();
  TBitmap* PrintAll();
  void ReleasePrint();

  // Fired when a zoom rectangle spanning two channel rows or more was drawn.
  TNotifyEvent onZoomSet;
  // Fired after every full redraw.
  TNotifyEvent onRefresh;

  // The low 8, 16 or 32 bits by LogSize; indices outside the buffer are ignored.
  void WriteSample(int32_t Index, uint32_t Value);
  // 0 outside the buffer.
  uint32_t ReadSample(int32_t Index) const;
  const TPendingZoom& PendingZoom() const { return FPendingZoom; }
  // Channels and view := the pending zoom.
  void ApplyZoom();
  TRect GetDisplayRect() const { return FLayout.Disp; }

  // Full redraw (once painted).
  void RefreshDisplay();
  // True when the file was read; a malformed file is reported and refused (nothing changes).
  // A file that cannot be opened or read raises EInOutError.
  bool LoadFromFile(const std::string& FileName);
  // Replaces the file whole or not at all; a failure raises EInOutError.
  bool SaveToFile(const std::string& FileName);

  void StepBack();
  void StepForward();
  void PageBack();
  void PageForward();
  // Auto-repeat of a held scroll button; the tick service calls it.
  void RepeatTick();

  // Painting geometry, for readers of the picture.
  const TFooterLayout& Footer() const { return FFooter; }
  // Rows per text page less one (r).
  int32_t TextRows() const { return FRows; }
  // The three texts of a sample's row in the text view: number and hexadecimal, binary digits,
  // characters (shown only where the row is wide enough).
  void TextRowTexts(int32_t Sample, std::string& A, std::string& B, std::string& C) const;
  // A time as the readouts show it: hh:mm:ss above 60 seconds, else with a unit prefix.
  std::string TimeText(double Seconds) const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // Keeps every position inside the buffer and the channels inside the sample size.
  void NormaliseView();
  void NormaliseChannels();
  int32_t TimeToIndex(double Time) const;
  uint32_t CountFor(TLogSize Size) const;
  void Refresh();
  void ReportCorruptFile(const std::string& FileName);

  // Painting (logic_paint.cpp, logic_traces.cpp, logic_text.cpp).
  void DrawFooter();
  void DrawNameColumn();
  void DrawDiagram();
  void DrawTraces(TCanvas& C, const TRect& D, int32_t Start, int32_t End);
  void DrawTextView();
  // One row of the text view; an opaque row paints its text background (pointer, marker or
  // plain), a transparent one leaves what lies under it.
  void DrawTextRow(int32_t Sample, bool Opaque = true);
  void UpdatePointer();
  void UpdateMarker();
  void DrawMarkLine(int X, TColor Color);
  int MarkColumn(int32_t Pos) const;
  void DrawStatus();
  void DrawBufferBar();
  // Row height s and baseline y of row k in the diagram.
  double RowHeight() const;
  int RowBaseline(int K) const;

  // Mouse and buttons (logic_mouse.cpp).
  int HitButton(int X, int Y) const;
  void PressButton(int Index, TShiftState Shift);
  void ReleaseButtons();
  int32_t SampleAt(int X, int Y) const;
  void PlaceMarks(TShiftState Shift, int X, int Y);
  void DrawZoomRect();
  void FinishZoom();
  void ShiftDiagram(bool Back);
  void ShiftText(bool Down);
  // The picture a scroll step works in, of that size; kept from one step to the next, as every
  // step writes all of it that it reads.
  TBitmap& ShiftPicture(int Width, int Height);

  std::vector<uint8_t> FBuffer;
  int32_t FBufferCount = 1000;
  TLogSize FLogSize = TLogSize::Size32;
  int32_t FChanFirst = 0;
  int32_t FChanLast = 15;
  TStringList FChanNamen;
  TModus FModus = TModus::Diagram;
  double FTimeBase = 1e-5;
  int32_t FDispStartPos = 0;
  int32_t FDispEndPos = 50;
  int32_t FTriggerPos = 4;
  int32_t FPointerPos = 20;
  bool FPointerEnable = true;
  int32_t FMarkerPos = 7;
  bool FMarkerEnable = true;
  TColor FColDisplay = 0x000000;
  TColor FColGrid = 0x808080;
  TColor FColCurve = 0xFFFF00;
  TColor FColText = 0x000000;
  TColor FColTextDisp = 0xE8FFFF;
  TColor FColTrigger = 0x0080FF;
  TColor FColPointer = 0x00FF00;
  TColor FColMarker = 0x00FFFF;
  std::string FMatchValue;
  uint32_t FMatchMask = 0;
  uint32_t FMatchBits = 0;
  int32_t FMatchAdr = 0;
  TPendingZoom FPendingZoom;
  std::unique_ptr<TBitmap> FPrint;
  int32_t FRepeatId = -1;
  int FHoldRefresh = 0;  // while loading a file: one redraw at the end

  // Painting state.
  TFooterLayout FFooter;
  // What the footer's readouts and buffer bar show now; cleared when the footer is painted anew.
  std::string FStatusShown;
  std::optional<std::pair<int, int>> FBufferBarShown;
  int32_t FRows = 0;
  bool FRecentre = false;
  double FRemainder = 0;
  // Diagram: the column of the line now on screen (-1: none); TextDisp: the row's sample.
  int FPointerDrawn = -1;
  int FMarkerDrawn = -1;
  // The level changes of one pixel column of the traces, for all channels at once: which bits
  // rise, which fall, and the levels after the column.
  struct TColumnFlips {
    int X;
    uint32_t Exit, Rise, Fall;
  };
  // Working memory of the redraw and the scroll step, kept from one to the next: fetched anew
  // each time, their pages went back to the system and came back zero-filled on every redraw.
  std::vector<uint32_t> FTraceSamples;
  std::vector<int> FTraceColumns;
  std::vector<TColumnFlips> FTraceFlips;
  std::vector<TPoint> FTracePath;
  std::unique_ptr<TBitmap> FShiftPicture;

  // Mouse state.
  std::array<bool, 8> FHeld{};
  bool FZoomActive = false;
  TPoint FZoomAnchor;
  TPoint FZoomCorner;
  TPoint FLastMouse{-1, -1};
};
