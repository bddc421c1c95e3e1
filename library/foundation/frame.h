#pragma once
// The framed base of most visual components: an optional one-pixel outline, an outer 3D bevel
// ring, a flat silver band, an inner bevel ring and a background, inside which a descendant draws
// its face; plus a push or toggle button model.
//
// TRahmen paints the frame on its own canvas. TOrvaneBase paints it into FrameBitmap, the static
// image; its descendants compose FrameBitmap and their moving parts in WorkBitmap and copy that to
// the screen themselves (TOrvaneBase never draws on the screen). The two share one frame routine
// and one button model (TFrameControl) and are otherwise unrelated.
//
// Contract with descendants: Paint calls the inherited Paint first and then draws inside
// InnerRect; it ends by firing OnRepaint. The base Paint draws the released look whatever the
// button state is; a descendant that shows a pressed state calls DrawDown after it.

#include <memory>
#include <utility>

#include "library/foundation/store.h"
#include "library/foundation/types.h"
#include "platform/forms/controls.h"
#include "platform/forms/stdctrls/types.h"
#include "platform/graphics/bitmap.h"

// When the framed buttons report their click. The component demo's rule: OnClick at every
// mouse-up, whatever the style. The curve and logic programs' rule: a toggle button reports its
// click at the press (and nothing at the release), and a control without a button style that is
// down comes up at the release; so every click gives exactly one OnClick. A program sets the rule
// once at start-up; it applies to every framed control.
enum class TFrameClickRule { ClickAtRelease, ClickAtToggle };
extern TFrameClickRule FrameClickRule;

class TFrameControl : public TCustomControl {
 public:
  explicit TFrameControl(TComponent* AOwner);

  // Setters store a change and repaint the whole control.
  TPanelBevel BevelIn() const { return FBevelIn; }
  void SetBevelIn(TPanelBevel Value);
  TPanelBevel BevelOut() const { return FBevelOut; }
  void SetBevelOut(TPanelBevel Value);
  // Width of each bevel ring, 0..5 (other values are clamped).
  int BevWidth() const { return FBevWidth; }
  void SetBevWidth(int Value);
  // Width of the band between the rings, 0..5.
  int BordWidth() const { return FBordWidth; }
  void SetBordWidth(int Value);
  // A side switched off shows no rings and no band: the background reaches the control's edge.
  bool BordLeft() const { return FBordLeft; }
  void SetBordLeft(bool Value);
  bool BordTop() const { return FBordTop; }
  void SetBordTop(bool Value);
  bool BordRight() const { return FBordRight; }
  void SetBordRight(bool Value);
  bool BordBottom() const { return FBordBottom; }
  void SetBordBottom(bool Value);
  TColor ColBgnd() const { return FColBgnd; }
  void SetColBgnd(TColor Value);
  // A second background for descendants' faces; the frame itself does not use it.
  TColor ColBack() const { return FColBack; }
  void SetColBack(TColor Value);
  // While on, descendants fit their caption font to its rectangle; switching it off does not
  // repaint.
  bool FontAutom() const { return FFontAutom; }
  void SetFontAutom(bool Value);

  // The area inside the frame that Paint leaves in InnerRect, from the size and the frame
  // properties alone: descendants lay out their faces from it without painting.
  TRect FrameInnerRect() const;

  // Sets the button state and redraws one bevel ring (the outer one, else the inner one) in the
  // pressed or released look.
  void DrawDown(bool D);

  // Fired by painting descendants as the last step of their Paint.
  TNotifyEvent OnRepaint;
  // Fired at every mouse-up, whatever the button style (the platform's own click does not fire).
  TNotifyEvent OnClick;
  TNotifyEvent OnDown;
  TNotifyEvent OnUp;

 protected:
  // The surface the frame is drawn on.
  virtual TCanvas* FrameCanvas() = 0;
  // Called by Paint before drawing, with InnerRect the whole control.
  virtual void PrepareFrame() {}
  // What a mouse-up of a control without a button style does.
  virtual void ReleaseWithoutStyle() {}

  void Paint() override;
  // Every mouse button acts alike; the platform's mouse events are not fired.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Stores a changed value and repaints.
  template <class T>
  void StoreAndRepaint(T& Field, T Value) {
    if (StoreChanged(Field, Value)) Invalidate();
  }

  // Moves each switched-off side of InnerRect outward by W.
  void AdjustSides(int W);
  // One ring of width W just inside InnerRect: C1 on the upper-left half, C2 on the lower-right.
  void DrawBevel(int W, TColor C1, TColor C2);

  // After Paint: the area inside the frame, into which descendants draw.
  TRect InnerRect;
  // The outline for a button style, and the swapped colours of the pressed look.
  bool PressEffect = true;

  bool FFramed = false;
  TColor FColBtnBord = clBlack;
  TTastStyle FButtonStyle = tsNone;
  bool FDown = false;

 private:
  bool HasOutline() const;
  // Moves each switched-off side of R outward by W.
  void PushOutSides(TRect& R, int W) const;
  // One ring inside InnerRect (pushed out over switched-off sides), then InnerRect shrinks by W.
  void DrawRing(int W, std::pair<TColor, TColor> Colours);
  void SetDrawingState(TCanvas& C);
  void Fire(const TNotifyEvent& Event);

  TPanelBevel FBevelIn = bvNone;
  TPanelBevel FBevelOut = bvRaised;
  int FBevWidth = 2;
  int FBordWidth = 2;
  bool FBordLeft = true;
  bool FBordTop = true;
  bool FBordRight = true;
  bool FBordBottom = true;
  TColor FColBgnd = clSilver;
  TColor FColBack = clSilver;
  bool FFontAutom = true;
};

// Frame painted on the control's own canvas.
class TRahmen : public TFrameControl {
 public:
  explicit TRahmen(TComponent* AOwner);

  TColor ColBtnBord() const { return FColBtnBord; }
  void SetColBtnBord(TColor Value);
  TTastStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TTastStyle Value);
  // Draw the outline even without a button style.
  bool Framed() const { return FFramed; }
  void SetFramed(bool Value);
  // The button state. At run time only a tsPushPull button can be set by a program; while the
  // component is being loaded (or destroyed) any style can.
  bool Status() const { return FDown; }
  void SetStatus(bool Value);

 protected:
  TCanvas* FrameCanvas() override { return Canvas(); }
};

// Frame painted into off-screen bitmaps of the control's size; a control without a button style
// is released at the next mouse-up.
class TOrvaneBase : public TFrameControl {
 public:
  explicit TOrvaneBase(TComponent* AOwner);
  ~TOrvaneBase() override;

 protected:
  TCanvas* FrameCanvas() override { return FrameBitmap->Canvas(); }
  void PrepareFrame() override;
  void ReleaseWithoutStyle() override;

  // Composition image: static image plus moving parts, copied to the screen by descendants.
  std::unique_ptr<TBitmap> WorkBitmap;
  // Static image: the frame and background, to which descendants add their static face.
  std::unique_ptr<TBitmap> FrameBitmap;
};
