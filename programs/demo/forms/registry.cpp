#include "programs/demo/forms/registry.h"

#include <utility>

// Adding a demo form takes one module and one line in each of three lists:
//  1. forms/<unit>.h and .cpp, <unit> as the index names it (demoindex.cpp): a class deriving from
//     TDemoForm, constructed as TBevelDemo(TComponent* AOwner) : TDemoForm(AOwner, "TBevelDemo"),
//     which builds its components with a TFormLoader (AddCloser makes the index's closing
//     button); its handlers are member functions.
//  2. Here: its include below (in alphabetical order), and NewDemoForm<TBevelDemo> in place of
//     nullptr on its button's line, which enables the button.
//  3. programs/demo/CMakeLists.txt: forms/<unit>.cpp in DEMO_FORMS.
// The shared checks (tests/programs/demo/forms_test.cpp) then open every enabled form, compare it
// with the index, check its layout and that closing it leaves no tick record behind. Tests of a
// form's own behaviour: tests/programs/demo/forms/<unit>_test.cpp on the DemoTest fixture
// (demo_fixture.h), listed in DEMO_FORM_TESTS of tests/programs/demo/CMakeLists.txt.

// Demo form includes, one per line:
#include "programs/demo/forms/fboxline.h"
#include "programs/demo/forms/fcomport.h"
#include "programs/demo/forms/fctrltim.h"
#include "programs/demo/forms/fdisp7s.h"
#include "programs/demo/forms/ffifo.h"
#include "programs/demo/forms/fgameprt.h"
#include "programs/demo/forms/fgaugegp.h"
#include "programs/demo/forms/finifile.h"
#include "programs/demo/forms/fjoystck.h"
#include "programs/demo/forms/fkeybrd.h"
#include "programs/demo/forms/fledchk.h"
#include "programs/demo/forms/flftrght.h"
#include "programs/demo/forms/fmageye.h"
#include "programs/demo/forms/fmet120.h"
#include "programs/demo/forms/fmet180.h"
#include "programs/demo/forms/fmet270.h"
#include "programs/demo/forms/fmet360.h"
#include "programs/demo/forms/fmultbmp.h"
#include "programs/demo/forms/fnumedit.h"
#include "programs/demo/forms/formbev.h"
#include "programs/demo/forms/formledt.h"
#include "programs/demo/forms/fpanelh.h"
#include "programs/demo/forms/fpanelv.h"
#include "programs/demo/forms/fplaysnd.h"
#include "programs/demo/forms/fpoti270.h"
#include "programs/demo/forms/fpotilin.h"
#include "programs/demo/forms/frollfrm.h"
#include "programs/demo/forms/frotlab.h"
#include "programs/demo/forms/fscha270.h"
#include "programs/demo/forms/fschaltl.h"
#include "programs/demo/forms/fschalts.h"
#include "programs/demo/forms/fserspin.h"
#include "programs/demo/forms/fslider.h"
#include "programs/demo/forms/fsmrttim.h"
#include "programs/demo/forms/fspin7s.h"
#include "programs/demo/forms/fspintxt.h"
#include "programs/demo/forms/fsysinf.h"
#include "programs/demo/forms/ftaster.h"
#include "programs/demo/forms/ftextscrol.h"
#include "programs/demo/forms/fupdown.h"
#include "programs/demo/forms/strokdlg.h"

namespace {

// One entry per line, so that forms added side by side touch different lines.
// clang-format off
const std::pair<const char*, TDemoFactory> kDemoForms[] = {
    {"Bevel3DBtn", NewDemoForm<TBevelDemo>},
    {"LedTastBtn", NewDemoForm<TLedTastDemo>},
    {"SchiebeSchBtn", NewDemoForm<TSchalterDemo>},
    {"TasterBtn", NewDemoForm<TTasterDemo>},
    {"TextSpinBtn", NewDemoForm<TTextSpinDemo>},
    {"SchaltLinBtn", NewDemoForm<TSchaltLinDemo>},
    {"Schalt270Btn", NewDemoForm<TSchalt270Demo>},
    {"PotiLinBtn", NewDemoForm<TPotiLinDemo>},
    {"Poti270Btn", NewDemoForm<TPoti270Demo>},
    {"Disp7sBtn", NewDemoForm<TDisp7sDemo>},
    {"GaugeBtn", NewDemoForm<TGaugeDemo>},
    {"MagicEyeBtn", NewDemoForm<TMagicEyeDemo>},
    {"Meter120Btn", NewDemoForm<TMeter120Demo>},
    {"Meter180Btn", NewDemoForm<TMeter180Demo>},
    {"Meter270Btn", NewDemoForm<TMeter270Demo>},
    {"Meter360Btn", NewDemoForm<TMeter360Demo>},
    {"MeterHBtn", NewDemoForm<TMeterHDemo>},
    {"MeterVBtn", NewDemoForm<TMeterVDemo>},
    {"SerieSpinBtn", NewDemoForm<TSerieSpinDemo>},
    {"SliderBtn", NewDemoForm<TSliderDemo>},
    {"Spin7sBtn", NewDemoForm<TSpin7SegDemo>},
    {"LedCheckBtn", NewDemoForm<TLedCheckDemo>},
    {"GlyphBtn", NewDemoForm<TMultiBmpDemo>},
    {"IniFileBtn", NewDemoForm<TIniFileDemo>},
    {"SysInfBtn", NewDemoForm<TSysInfoDemo>},
    {"PlaySoundBtn", NewDemoForm<TPlaySoundDemo>},
    {"GameBtn", NewDemoForm<TGamePortDemo>},
    {"JoyStickBtn", NewDemoForm<TJoyStickDemo>},
    {"LeftRightBtn", NewDemoForm<TLeftRightDemo>},
    {"UpDownBtn", NewDemoForm<TUpDownDemo>},
    {"KeyBrdBtn", NewDemoForm<TKeyBoardDemo>},
    {"FiFoBtn", NewDemoForm<TFifoDemo>},
    {"NumEditBtn", NewDemoForm<TNumEditDemo>},
    {"TextScrollBtn", NewDemoForm<TTextSrcollDemo>},
    {"RotLabelBtn", NewDemoForm<TRotLabelDemo>},
    {"RollFormBtn", NewDemoForm<TRollFormDemo>},
    {"StrokeBtn", NewDemoForm<TStrokeTextDlg>},
    {"SmartTimeBtn", NewDemoForm<TSmartTimeDemo>},
    {"ComPortBtn", NewDemoForm<TComPortDemo>},
    {"CtrlTimBtn", NewDemoForm<TCtrlTimDemo>},
    {"BoxLineBtn", NewDemoForm<TBoxLineDemo>},
};
// clang-format on

}  // namespace

TDemoFactory DemoFactory(const std::string& Button) {
  for (const auto& [button, factory] : kDemoForms) {
    if (Button == button) return factory;
  }
  return nullptr;
}
