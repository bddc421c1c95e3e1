#include "programs/demo/demoindex.h"

#include "platform/base/strings.h"

namespace {

using C = TDemoCloser;
constexpr const char* kSystem = "System";
constexpr const char* kArial = "Arial";
constexpr const char* kSans = "MS Sans Serif";

// One row per form: button, class, unit, caption, client size, font, help context, on top,
// closing control, its caption and modal result, colour, centred.
std::vector<TDemoFormInfo> BuildIndex() {
  return {
      {"Bevel3DBtn", "TBevelDemo", "formbev", "Bevel 3D", 427, 309, kArial, -12, 1, false,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"LedTastBtn", "TLedTastDemo", "formledt", "Led-Tasten Demo", 466, 314, kSystem, -13, 2,
       false, C::Button, "&Schließen"_ansi, mrCancel, clBtnFace, true},
      {"SchiebeSchBtn", "TSchalterDemo", "fschalts", "Schiebeschalter Demo", 408, 280, kSystem, -13,
       3, false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"TasterBtn", "TTasterDemo", "ftaster", "Leucht-Taster Demo", 517, 318, kSystem, -13, 4,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"TextSpinBtn", "TTextSpinDemo", "fspintxt", "TextSpin Demo", 484, 274, kSystem, -13, 5,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"SchaltLinBtn", "TSchaltLinDemo", "fschaltl", "Schiebeschalter Demo", 504, 292, kSystem, -13,
       6, false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"Schalt270Btn", "TSchalt270Demo", "fscha270", "Drehschalter Demo", 480, 316, kSystem, -13, 7,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"PotiLinBtn", "TPotiLinDemo", "fpotilin", "Schiebepoti Demo", 479, 336, kSystem, -13, 8,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"Poti270Btn", "TPoti270Demo", "fpoti270", "Drehpoti Demo", 470, 315, kSystem, -13, 9, false,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"Spin7sBtn", "TSpin7SegDemo", "fspin7s", "Daumenrad-Schalter Demo", 409, 327, kSystem, -13,
       10, false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"Disp7sBtn", "TDisp7sDemo", "fdisp7s", "7-Segment Display Demo", 513, 289, kSystem, -13, 11,
       false, C::CloseButton, "&Close", mrNone, clBtnFace, true},
      {"MagicEyeBtn", "TMagicEyeDemo", "fmageye", "MagicEye (Gauge) Demo", 484, 342, kSystem, -13,
       12, false, C::CloseButton, "close", mrNone, clBtnFace, true},
      {"MeterHBtn", "TMeterHDemo", "fpanelh", "Panelmeter horizontal Demo", 563, 352, kSystem, -13,
       13, false, C::CloseBoxOnly, "", mrNone, clBtnFace, true},
      {"MeterVBtn", "TMeterVDemo", "fpanelv", "Panel-Meter vertikal Demo", 475, 370, kSystem, -13,
       14, false, C::Button, "close", mrAbort, clBtnFace, true},
      {"Meter120Btn", "TMeter120Demo", "fmet120", "Meter 120grad Demo", 562, 365, kSystem, -13, 15,
       false, C::CloseBoxOnly, "", mrNone, clBtnFace, true},
      {"Meter180Btn", "TMeter180Demo", "fmet180", "Meter 180grad Demo", 586, 400, kSystem, -13, 16,
       false, C::CloseButton, "close", mrNone, clBtnFace, true},
      {"Meter270Btn", "TMeter270Demo", "fmet270", "Meter 270grad Demo", 598, 326, kSystem, -13, 17,
       false, C::CloseButton, "Close", mrNone, clBtnFace, true},
      {"Meter360Btn", "TMeter360Demo", "fmet360", "Meter 360grad Demo", 612, 346, kSystem, -13, 17,
       false, C::CloseButton, "close", mrNone, clBtnFace, true},
      {"GaugeBtn", "TGaugeDemo", "fgaugegp", "Gauge Demo", 440, 290, kArial, -11, 0, false,
       C::CloseButton, "close", mrNone, clBtnFace, true},
      {"SliderBtn", "TSliderDemo", "fslider", "Slider Demo", 427, 260, kArial, -12, 0, false,
       C::SpeedButton, "Close", mrNone, clBtnFace, true},
      {"SerieSpinBtn", "TSerieSpinDemo", "fserspin", "SerieSpin Demo", 298, 273, kArial, -12, 0,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"LedCheckBtn", "TLedCheckDemo", "fledchk", "LedCheck Demo", 427, 273, kArial, -12, 0, false,
       C::LedCheck, "Exit", mrNone, clBtnFace, true},
      {"GlyphBtn", "TMultiBmpDemo", "fmultbmp", "MultiBmp Demo", 259, 257, kSystem, -13, 0, false,
       C::BitmapButton, "", mrNone, clBtnFace, true},
      {"IniFileBtn", "TIniFileDemo", "finifile", "Ini-File Editor Demo", 427, 226, kSystem, -13, 18,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"SysInfBtn", "TSysInfoDemo", "fsysinf", "Vantreo Orvane SysInfo Demo", 231, 284, kArial, -12,
       0, false, C::CloseButton, "Exit", mrNone, clBtnFace, true},
      {"PlaySoundBtn", "TPlaySoundDemo", "fplaysnd", "Orvane PlaySound-Demo", 427, 291, kSystem,
       -13, 0, false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"GameBtn", "TGamePortDemo", "fgameprt", "GamePort Demo", 377, 303, kArial, -12, 0, false,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"JoyStickBtn", "TJoyStickDemo", "fjoystck", "JoyStick Demo", 427, 251, kSystem, -13, 0,
       false, C::CloseButton, "", mrNone, clSilver, true},
      {"LeftRightBtn", "TLeftRightDemo", "flftrght", "LeftRight Demo", 419, 236, kSystem, -13, 0,
       true, C::CloseButton, "", mrNone, clBtnFace, true},
      {"UpDownBtn", "TUpDownDemo", "fupdown", "UpDown Demo", 337, 250, kSystem, -13, 0, true,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"KeyBrdBtn", "TKeyBoardDemo", "fkeybrd", "KeyBoard Demo", 320, 213, kSystem, -13, 0, false,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"FiFoBtn", "TFifoDemo", "ffifo", "Fifo Demo", 426, 127, kSystem, -13, 0, true,
       C::CloseButton, "Schließen"_ansi, mrNone, clBtnFace, true},
      {"NumEditBtn", "TNumEditDemo", "fnumedit", "NumEdit Demo", 488, 326, kSystem, -13, 0, true,
       C::CloseButton, "&Exit", mrNone, clBtnFace, true},
      {"TextScrollBtn", "TTextSrcollDemo", "ftextscrol", "Textscroll Demo", 624, 391, kSans, -11, 0,
       false, C::CloseButton, "close", mrNone, clBtnFace, true},
      {"RotLabelBtn", "TRotLabelDemo", "frotlab", "RotLabel Demo", 436, 296, kSystem, -13, 0, false,
       C::CloseButton, "", mrNone, clBtnFace, true},
      {"RollFormBtn", "TRollFormDemo", "frollfrm", "RollBar Demo", 419, 246, kArial, -12, 0, true,
       C::CloseBoxOnly, "", mrNone, clBtnFace, false},
      {"StrokeBtn", "TStrokeTextDlg", "strokdlg", "Stroke Text Demo", 514, 266, kSans, -11, 0,
       false, C::Button, "OK", mrOk, clBtnFace, true},
      {"SmartTimeBtn", "TSmartTimeDemo", "fsmrttim", "SmartTimer Demo", 317, 261, kSans, -11, 0,
       false, C::CloseButton, "", mrNone, clBtnFace, true},
      {"ComPortBtn", "TComPortDemo", "fcomport", "Schnittstellen-Demo ComPort", 376, 398, kSystem,
       -13, 0, false, C::CloseButton, "Exit", mrNone, clBtnFace, true},
      {"CtrlTimBtn", "TCtrlTimDemo", "fctrltim", "Control Timer Demo", 416, 239, kSans, -11, 0,
       false, C::Button, "close", mrCancel, clBtnFace, true},
      {"BoxLineBtn", "TBoxLineDemo", "fboxline", "BoxLine Demo", 434, 189, kSans, -11, 0, false,
       C::CloseBoxOnly, "", mrNone, clBtnFace, true},
  };
}

}  // namespace

const std::vector<TDemoFormInfo>& DemoForms() {
  static const std::vector<TDemoFormInfo> kIndex = BuildIndex();
  return kIndex;
}

const TDemoFormInfo* FindDemoForm(const std::string& ClassOrButton) {
  for (const TDemoFormInfo& f : DemoForms()) {
    if (ClassOrButton == f.ClassName || ClassOrButton == f.Button) return &f;
  }
  return nullptr;
}
