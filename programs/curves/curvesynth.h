#pragma once
// TCurveSynth: the curve editor and display of the curve program. Four channels of 4 to 30
// control points each on a common x/y plane, shown as a polyline, an arc-length spline or a
// Bezier curve, on linear or logarithmic axes; points are dragged and curves measured with the
// mouse; the points go to and come from curve files.
//
// The plot is composed in an off-screen bitmap of its size and copied to the control's image;
// frame, bands, scales and readouts are drawn on the control's image. Nothing is drawn before the
// first paint: setters only store until then.

#include <array>
#include <memory>
#include <string>

#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/graphics/bitmap.h"
#include "programs/curves/curvelayout.h"
#include "programs/curves/curvemodel.h"

enum class TMouseFunc { none, mfDragPts, mfMeas };

// The four channels' properties, spelled per channel: Chan1Col() / SetChan1Col(v) ... Chan4Col().
#define ORVANE_CURVE_CHANNEL_PROPERTY(Type, Name)              \
  Type Chan1##Name() const { return Chan##Name(1); }           \
  void SetChan1##Name(Type Value) { SetChan##Name(1, Value); } \
  Type Chan2##Name() const { return Chan##Name(2); }           \
  void SetChan2##Name(Type Value) { SetChan##Name(2, Value); } \
  Type Chan3##Name() const { return Chan##Name(3); }           \
  void SetChan3##Name(Type Value) { SetChan##Name(3, Value); } \
  Type Chan4##Name() const { return Chan##Name(4); }           \
  void SetChan4##Name(Type Value) { SetChan##Name(4, Value); }

class TCurveSynth : public TRahmen {
 public:
  explicit TCurveSynth(TComponent* AOwner);
  ~TCurveSynth() override;

  // Caption box text, at most 32 characters; drawn again at once.
  const std::string& Caption() const { return FCaption.str(); }
  void SetCaption(const std::string& Value);
  TColor CaptBackCol() const { return FCaptBackCol; }
  void SetCaptBackCol(TColor Value);
  TColor CaptionCol() const { return FCaptionCol; }
  void SetCaptionCol(TColor Value);
  const std::string& UnitNameX() const { return FUnitNameX.str(); }
  void SetUnitNameX(const std::string& Value);
  const std::string& UnitNameY() const { return FUnitNameY.str(); }
  void SetUnitNameY(const std::string& Value);
  TColor UnitColX() const { return FUnitColX; }
  void SetUnitColX(TColor Value);
  TColor UnitColY() const { return FUnitColY; }
  void SetUnitColY(TColor Value);

  // Per channel c = 1..4.
  const std::string& ChanName(int C) const { return Chan(C).Name; }
  void SetChanName(int C, const std::string& Value);
  TColor ChanCol(int C) const { return Chan(C).Col; }
  void SetChanCol(int C, TColor Value);
  bool ChanVis(int C) const { return Chan(C).Vis; }
  void SetChanVis(int C, bool Value);
  TCurveTyp ChanCurvTyp(int C) const { return Chan(C).Typ; }
  void SetChanCurvTyp(int C, TCurveTyp Value);
  // Clamped to 4..30; the ascending switch is applied again after a change.
  int ChanCurvPts(int C) const { return FPoints[C].Count; }
  void SetChanCurvPts(int C, int Value);
  // The ascending-x switch: on, every X not above its predecessor's moves to that X plus a
  // thirtieth of the linear x span, and the point setters keep X between its neighbours.
  bool ChanX_Succ(int C) const { return FPoints[C].XSucc; }
  void SetChanX_Succ(int C, bool Value);
  // False (nothing written or stored) for an index outside 1..30.
  bool GetChanPoint(int C, int Index, double& X, double& Y) const;
  bool SetChanPoint(int C, int Index, double X, double Y);

  ORVANE_CURVE_CHANNEL_PROPERTY(const std::string&, Name)
  ORVANE_CURVE_CHANNEL_PROPERTY(TColor, Col)
  ORVANE_CURVE_CHANNEL_PROPERTY(bool, Vis)
  ORVANE_CURVE_CHANNEL_PROPERTY(TCurveTyp, CurvTyp)
  ORVANE_CURVE_CHANNEL_PROPERTY(int, CurvPts)
  ORVANE_CURVE_CHANNEL_PROPERTY(bool, X_Succ)
  bool GetChan1Point(int I, double& X, double& Y) const { return GetChanPoint(1, I, X, Y); }
  bool GetChan2Point(int I, double& X, double& Y) const { return GetChanPoint(2, I, X, Y); }
  bool GetChan3Point(int I, double& X, double& Y) const { return GetChanPoint(3, I, X, Y); }
  bool GetChan4Point(int I, double& X, double& Y) const { return GetChanPoint(4, I, X, Y); }
  bool SetChan1Point(int I, double X, double Y) { return SetChanPoint(1, I, X, Y); }
  bool SetChan2Point(int I, double X, double Y) { return SetChanPoint(2, I, X, Y); }
  bool SetChan3Point(int I, double X, double Y) { return SetChanPoint(3, I, X, Y); }
  bool SetChan4Point(int I, double X, double Y) { return SetChanPoint(4, I, X, Y); }

  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor Value);
  TColor ColGrid() const { return FColGrid; }
  void SetColGrid(TColor Value);
  TColor ColZeroLine() const { return FColZeroLine; }
  void SetColZeroLine(TColor Value);
  TColor PointerCol() const { return FPointerCol; }
  void SetPointerCol(TColor Value);
  TColor MarkerCol() const { return FMarkerCol; }
  void SetMarkerCol(TColor Value);
  // Scale divisions, 1..20.
  int ScalaPartX() const { return FScalaPartX; }
  void SetScalaPartX(int Value);
  int ScalaPartY() const { return FScalaPartY; }
  void SetScalaPartY(int Value);
  TMouseFunc MouseFunct() const { return FMouseFunct; }
  void SetMouseFunct(TMouseFunc Value);
  // The readouts show the cross-hairs' values in measuring mode (else the channel names).
  bool PositionShow() const { return FPositionShow; }
  void SetPositionShow(bool Value);
  // A failed curve is reported by a message box when its channel has no error event.
  bool ShowError() const { return FShowError; }
  void SetShowError(bool Value) { FShowError = Value; }

  // Cross-hair positions in axis values; out of range they move to the middle of the range (the
  // marker's y to 30 % of a linear range).
  double PointerPosX() const { return FPointerPosX; }
  void SetPointerPosX(double Value);
  double PointerPosY() const { return FPointerPosY; }
  void SetPointerPosY(double Value);
  double MarkerPosX() const { return FMarkerPosX; }
  void SetMarkerPosX(double Value);
  double MarkerPosY() const { return FMarkerPosY; }
  void SetMarkerPosY(double Value);

  bool NonLinearX() const { return FNonLinearX; }
  void SetNonLinearX(bool Value);
  bool NonLinearY() const { return FNonLinearY; }
  void SetNonLinearY(bool Value);
  // Linear ranges: outside form reading, a start not below the end moves the end to start + 1
  // (an end not above the start moves the start to end - 1).
  double LinStartX() const { return FLinStartX; }
  void SetLinStartX(double Value);
  double LinEndX() const { return FLinEndX; }
  void SetLinEndX(double Value);
  double LinStartY() const { return FLinStartY; }
  void SetLinStartY(double Value);
  double LinEndY() const { return FLinEndY; }
  void SetLinEndY(double Value);
  // Logarithmic ranges run from one power of ten to another (values snap down, negative ones
  // become 0.001); outside form reading a start not below the end moves the end to start * 1000
  // (an end not above the start moves the start to end / 1000).
  double LogStartX() const { return FLogStartX; }
  void SetLogStartX(double Value);
  double LogEndX() const { return FLogEndX; }
  void SetLogEndX(double Value);
  double LogStartY() const { return FLogStartY; }
  void SetLogStartY(double Value);
  double LogEndY() const { return FLogEndY; }
  void SetLogEndY(double Value);

  // A new snapshot of the whole control (its own image, never other windows), kept until
  // SetHardCopy (any value) frees it; reading again frees the previous one first.
  TBitmap* HardCopy();
  void SetHardCopy(TBitmap* Value);

  // The plot rectangle in control coordinates.
  void GetPlotRect(TRect& R) const { R = FLayout.Plot; }
  // A value pair to a pixel of the plot bitmap (origin at the plot's top-left).
  TPoint ValueToPixel(double X, double Y) const;
  // A point in control coordinates to the value pair there.
  void PixelToValue(int X, int Y, double& VX, double& VY) const;
  // Whether a point may be drawn: always on linear axes, within limits on logarithmic ones.
  bool PointInLogRange(double X, double Y) const;
  // The y value of channel 3's computed curve at X, from the segment that contains X; false for
  // a linear curve or when no segment contains X.
  bool GetChan3CurveY(double X, double& Y) const;

  // Reads the whole file first; a format error is reported (beep, message box) and changes
  // nothing; a file that cannot be read raises EInOutError. Neither repaints.
  bool LoadFromFile(const std::string& FileName);
  // Replaces the file in one step (the old one stays whole on failure); EInOutError when it
  // cannot be written.
  bool SaveToFile(const std::string& FileName);

  // Paints at once.
  void ForcePaint();
  // Redraws the plot: grid, zero lines, curves, cross-hairs; fires onRefresh.
  void RedrawPlot();
  void StyleChanged(TObject* Sender);

  // The layout of the last paint, the plot bitmap and the channels (for inspection).
  const TCurveLayout& Layout() const { return FLayout; }
  const TBitmap* PlotBitmap() const { return FPlotBitmap.get(); }
  const TCurveChannels& Channels() const { return FPoints; }
  const TCurveAxis& AxisX() const { return FAxisX; }
  const TCurveAxis& AxisY() const { return FAxisY; }
  // The channel whose point is being dragged (-1 none) and the point.
  int DraggedChannel() const { return FDragChan; }
  int DraggedPoint() const { return FDragPoint; }

  TNotifyEvent onRefresh;
  TNotifyEvent onChan1Err;
  TNotifyEvent onChan2Err;
  TNotifyEvent onChan3Err;
  TNotifyEvent onChan4Err;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

 private:
  struct TChannelLook {
    std::string Name;
    TColor Col = clBlack;
    bool Vis = true;
    TCurveTyp Typ = ipLinear;
  };
  TChannelLook& Chan(int C) { return FLook[C - 1]; }
  const TChannelLook& Chan(int C) const { return FLook[C - 1]; }
  TNotifyEvent& ChanErrEvent(int C);
  bool Reading() const;
  // The thirtieth of the linear x span that the ascending rule steps by.
  double AscendingStep() const { return (FLinEndX - FLinStartX) / 30; }

  void UpdateRanges();
  void SetLinRange(double& Field, double Value, bool IsStart, double& Other, bool Log);
  void SetLogRange(double& Field, double Value, bool IsStart, double& Other, bool IsX);
  void MakeAxes();
  void StoreColour(TColor& Field, TColor Value);

  // Painting (curvesynth_paint.cpp).
  void DrawCaption();
  void DrawScales();
  void DrawReadouts();
  void DrawGrid(TCanvas& C);
  void DrawChanCurve(TCanvas& C, int Ch);
  bool ComputeCurve(int C);
  void ReportCurveError(int C);
  void DrawPointer();
  void DrawMarker();
  void DrawCross(TColor Col, TPoint Old, TPoint New);
  void ToggleCrossHairs();
  void CopyPlotToScreen();

  // Mouse (curvesynth_mouse.cpp).
  void TrackMouse(int X, int Y, TShiftState Shift);
  void ClipMouse();
  void ReleaseMouse();

  std::array<TChannelLook, kCurveChannels> FLook;
  TCurveChannels FPoints;
  string32 FCaption = "Curve Synth";
  TColor FCaptBackCol = clBlack;
  TColor FCaptionCol = clLime;
  string32 FUnitNameX = "Time";
  string32 FUnitNameY = "Gain";
  TColor FUnitColX = clBlack;
  TColor FUnitColY = clBlack;
  TColor FColDisplay = clWhite;
  TColor FColGrid = clSilver;
  TColor FColZeroLine = clBlack;
  TColor FPointerCol = clRed;
  TColor FMarkerCol = clPurple;
  int FScalaPartX = 10;
  int FScalaPartY = 10;
  TMouseFunc FMouseFunct = TMouseFunc::none;
  bool FPositionShow = true;
  bool FShowError = false;
  double FPointerPosX = 60, FPointerPosY = 60, FMarkerPosX = 30, FMarkerPosY = 30;
  bool FNonLinearX = false;
  bool FNonLinearY = false;
  double FLinStartX = 0, FLinEndX = 100, FLinStartY = 0, FLinEndY = 100;
  double FLogStartX = 0.01, FLogEndX = 100, FLogStartY = 0.01, FLogEndY = 100;

  // Working values of the last range update.
  double FWorkLinStartX = 0, FWorkLinEndX = 100, FWorkLinStartY = 0, FWorkLinEndY = 100;
  TCurveAxis FAxisX, FAxisY;
  TCurveLayout FLayout;
  bool FPainted = false;
  std::unique_ptr<TBitmap> FPlotBitmap;
  std::unique_ptr<TBitmap> FHardCopy;

  // Cross-hairs: the pixel at which each was last drawn, -1 when not drawn since the last plot.
  TPoint FPointerPix{-1, -1};
  TPoint FMarkerPix{-1, -1};

  // Mouse state.
  int FDragChan = -1;
  int FDragPoint = 0;
  TPoint FLastMouse{-1, -1};
  double FMouseX = 0, FMouseY = 0;
  bool FClipped = false;
};

#undef ORVANE_CURVE_CHANNEL_PROPERTY
