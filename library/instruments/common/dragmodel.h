#pragma once
// The input model of the potentiometers and selectors: which presses drag, how a mouse point
// becomes a value on a round or straight scale, the changed and preset state of a press, and the
// drag delay that lets the value follow the mouse at a limited speed.
//
// The owner binds the value (getter and setter, the setter clamps and redraws) and its changing
// event, forwards its mouse notifications in the order press, moves, release, and calls Tick from
// its drag record's callback once it has painted.

#include <cstdint>
#include <functional>

#include "library/foundation/tickservice.h"
#include "platform/forms/input.h"
#include "platform/graphics/geometry.h"

// Presses and moves act only with exactly the left button: no Shift, Ctrl or Alt, no other
// button, not the second press of a double click.
bool DragsWith(TShiftState Shift);

// Direction of a mouse point seen from Centre, in degrees: 0 straight down, growing clockwise on
// the screen (90 to the left, 180 up, 270 to the right).
double PointAngle(TPoint Centre, int X, int Y);

// The 270-degree arc of the rotary controls runs from 45 (lower left) clockwise over the top to
// 315 (lower right). Arc angle of a point angle: 0 at the arc's start, 270 at its end; Clamp
// limits the point angle to the arc first (as a press does).
double ArcAngle(double PointAngle, bool Clamp);
// Value at arc angle U (not limited).
double ArcValue(double Start, double End, double U);
// Position at arc angle U: the nearest of ScalaPart + 1 positions (not limited).
int ArcPosition(int ScalaPart, double U);

class TDragModel {
 public:
  // With a drag record (controls with a drag delay) DragTick is its callback; an empty DragTick
  // makes a model without delay. The record is removed with the model.
  explicit TDragModel(TTickProc DragTick = {});
  ~TDragModel();
  TDragModel(const TDragModel&) = delete;
  TDragModel& operator=(const TDragModel&) = delete;

  // The owner's value and changing event.
  std::function<double()> GetValue;
  std::function<void(double)> SetValue;
  std::function<void()> Changing;

  // 0..20; only stored, the next press uses it.
  int DragDelay() const { return FDragDelay; }
  void SetDragDelay(int Value);

  // Start of every press: the changed flag is cleared (also for presses that do not drag).
  // Returns whether the press drags.
  bool BeginPress(TShiftState Shift);
  // A dragging press on the preset button; moves are ignored until the release.
  void PressPreset() { FPresetPressed = true; }
  // A dragging press elsewhere, which ends a preset press's effect.
  void PressElsewhere() { FPresetPressed = false; }
  bool PresetPressed() const { return FPresetPressed; }
  // Whether a move acts: the shift rule holds and no preset press is running.
  bool MoveDrags(TShiftState Shift) const { return DragsWith(Shift) && !FPresetPressed; }

  // The value a press points at. With a drag delay the record starts and the value becomes the
  // target (also when it equals the current value, so no earlier target survives the press);
  // without one a different value is set at once.
  void Press(double Value);
  // A press that turns the value relatively: with a drag delay the record starts with the current
  // value as its target.
  void PressRelative();
  // The value a move points at: the new target with a drag delay, else set at once when it
  // differs.
  void Move(double Value);
  // A relative move by Delta, kept within Low..High. With a drag delay the turning adds up in
  // the target, so moves between two ticks are not lost.
  void MoveBy(double Delta, double Low, double High);
  // A change the owner made itself (a selector's position): sets the changed flag, fires Changing.
  void NoteChange();

  // What a release fires: the changed event when anything changed since the press, the preset
  // event when the press was on the preset button. The record stops; the preset press ends.
  struct TRelease {
    bool Changed = false;
    bool Preset = false;
  };
  TRelease Release();

  // One drag step towards the target within Start..End: a step of (End - Start) / (DragDelay * 15)
  // in the value, not past the target. Nothing without a drag delay or once the target is reached.
  void Tick(double Start, double End);

  bool Changed() const { return FChanged; }
  double Target() const { return FTarget; }
  int32_t DragTimerId() const { return FDragId; }

 private:
  // A drag delay is set and the model has a drag record.
  bool Delayed() const;
  void Take(double Value);
  void StartRecord();

  int32_t FDragId = -1;
  int FDragDelay = 0;
  bool FChanged = false;
  bool FPresetPressed = false;
  double FTarget = 0;
};

// The jump limit of a drag on the arc: the move from the last point to the current one is taken
// only when it turns by at most Limit degrees. The drag continues from the arc's end (270) while
// the value sits at the end of the range, from its start (0) while it sits at the start, else
// from the arc angle of the last point (limited to the arc); the current point's arc angle is not
// limited. So a drag cannot jump across the gap between the ends.
bool ArcMoveTaken(double LastPointAngle, bool AtStart, bool AtEnd, double PointAngle, double Limit);
