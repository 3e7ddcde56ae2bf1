// The calculator window's main road: choosing a test, the key filters, the text
// changes that take a result off the screen, Calculate and Clear.
#include <array>
#include <string_view>

#include "framework/core/Math.h"
#include "framework/core/Text.h"
#include "framework/ui/Dialogs.h"
#include "prob/ProbModule.h"
#include "windows/MainWnd.h"

namespace {

// The codes kept in btn.
constexpr int64_t kNoTest = 0;
constexpr int64_t kZ = 1;
constexpr int64_t kT = 2;
constexpr int64_t kF = 3;
constexpr int64_t kChiSquare = 4;

// Key codes the filters judge by.
constexpr int64_t kBackspace = 8;
constexpr int64_t kTab = 9;
constexpr int64_t kMinus = 45;  // the value key set runs "-", ".", "/", then the digits
constexpr int64_t kDigit0 = 48;
constexpr int64_t kDigit9 = 57;

constexpr int64_t kFewestDf = 1;
constexpr int64_t kMostDf = 9999;

constexpr std::string_view kNoTestMessage =
    "No test statistic selected. Select Z, t, F, or Chi-Square";
constexpr std::string_view kDfMessage = "Degrees of freedom should range from 1 to 9999.";

// What Calculate checks for one test, in the order it checks it.
struct Checks {
    // One message per degrees-of-freedom field read (df1Edit, then df2Edit); empty: not read.
    std::array<std::string_view, 2> dfMessages;
    std::string_view emptyMessage;
    double lowest;  // the value's range, both bounds included
    double highest;
    std::string_view rangeMessage;
    bool twoTailed;
};

// By test code, from Z.
constexpr std::array<Checks, 4> kChecks = {{
    {{}, "Enter a Z value.", -9, 9, "Z values should range from -9 to 9.", true},
    {{kDfMessage}, "Enter a t value.", 0, 999, "t values should range from 0 to 999.", true},
    {{"Numerator degrees of freedom should range from 1 to 9999.",
      "Denominator degrees of freedom should range from 1 to 9999."},
     "Enter an F value.",
     1,
     9999,
     "F values should range from 1 to 9999",
     false},
    {{kDfMessage},
     "Enter a Chi-Square value.",
     0,
     9999,
     "Chi-Square values should range from 0 to 9999.",
     false},
}};

}  // namespace

void MainWnd::_SelectTest(int64_t test) {
    Ntext()->Visible(false);
    Dtext()->Visible(false);
    df1Text()->Visible(false);
    df2Text()->Visible(false);
    df1Edit()->Visible(false);
    df2Edit()->Visible(false);
    TailText()->Visible(false);
    if (test == kF) {
        pEdit()->Text("");
    } else {
        pText()->Visible(false);
        pEdit()->Visible(false);
    }
    if (test == kZ) {
        dfBox()->Visible(false);
    }
    df1Edit()->Text("");
    df2Edit()->Text("");
    zEdit()->Text("");
    zEdit()->Visible(true);
    StaticText1()->Visible(true);
    btn = test;
    if (test == kT || test == kChiSquare) {
        df1Text()->Visible(true);
        df1Edit()->Visible(true);
        dfBox()->Visible(true);
    } else if (test == kF) {
        df1Text()->Visible(true);
        df1Edit()->Visible(true);
        df2Text()->Visible(true);
        df2Edit()->Visible(true);
        Ntext()->Visible(true);
        Dtext()->Visible(true);
        dfBox()->Visible(true);
    }
    if (test == kZ) {
        zEdit()->SetFocus();
    } else {
        df1Edit()->SetFocus();
    }
}

void MainWnd::ZBtn_Action(fw::Ref<fw::RadioButton> /*sender*/) {
    _SelectTest(kZ);
}
void MainWnd::TBtn_Action(fw::Ref<fw::RadioButton> /*sender*/) {
    _SelectTest(kT);
}
void MainWnd::FBtn_Action(fw::Ref<fw::RadioButton> /*sender*/) {
    _SelectTest(kF);
}
void MainWnd::XBtn_Action(fw::Ref<fw::RadioButton> /*sender*/) {
    _SelectTest(kChiSquare);
}

bool MainWnd::_RefuseKey(const std::string& key, int64_t lowest) {
    const int64_t code = fw::Asc(key);
    if ((code >= lowest && code <= kDigit9) || code == kBackspace || code == kTab) {
        return false;
    }
    fw::Beep();
    return true;
}

bool MainWnd::df1Edit_KeyDown(fw::Ref<fw::TextField> /*sender*/, std::string key) {
    return _RefuseKey(key, kDigit0);
}
bool MainWnd::df2Edit_KeyDown(fw::Ref<fw::TextField> /*sender*/, std::string key) {
    return _RefuseKey(key, kDigit0);
}
bool MainWnd::zEdit_KeyDown(fw::Ref<fw::TextField> /*sender*/, std::string key) {
    return _RefuseKey(key, kMinus);
}
bool MainWnd::pEdit_KeyDown(fw::Ref<fw::TextField> /*sender*/, std::string key) {
    return _RefuseKey(key, kMinus);
}

void MainWnd::_HideResult() {
    TailText()->Visible(false);
    pText()->Visible(false);
    pEdit()->Visible(false);
}

// Any change of an input takes the previous result off the screen.
void MainWnd::df1Edit_TextChange(fw::Ref<fw::TextField> /*sender*/) {
    _HideResult();
}
void MainWnd::df2Edit_TextChange(fw::Ref<fw::TextField> /*sender*/) {
    _HideResult();
}
void MainWnd::zEdit_TextChange(fw::Ref<fw::TextField> /*sender*/) {
    _HideResult();
}

void MainWnd::CalcBtn_Action(fw::Ref<fw::PushButton> /*sender*/) {
    zEdit()->SetFocus();
    const int64_t test = btn;
    if (test < kZ || test > kChiSquare) {
        fw::MsgBox(kNoTestMessage);
        return;
    }
    const Checks& checks = kChecks[static_cast<size_t>(test - kZ)];

    // Degrees of freedom are whole numbers: a reading beyond the 64-bit range
    // saturates, so it fails the range test instead of wrapping into it.
    std::array<int64_t, 2> df{};
    for (size_t i = 0; i < df.size() && !checks.dfMessages[i].empty(); ++i) {
        const fw::Ref<fw::TextField> field = i == 0 ? df1Edit() : df2Edit();
        df[i] = fw::TruncToInt64(fw::Val(field->Text()));
        if (df[i] < kFewestDf || df[i] > kMostDf) {
            fw::MsgBox(checks.dfMessages[i]);
            return;
        }
    }
    if (zEdit()->Text().empty()) {
        fw::MsgBox(checks.emptyMessage);
        return;
    }
    const double value = fw::Val(zEdit()->Text());
    if (!(value >= checks.lowest && value <= checks.highest)) {
        fw::MsgBox(checks.rangeMessage);
        return;
    }

    double p = 0;
    switch (test) {
        case kZ:
            p = ProbModule::zprob(value);
            break;
        case kT:
            p = ProbModule::tprob(value, static_cast<double>(df[0]));
            break;
        case kF:
            p = ProbModule::fprob(value, static_cast<double>(df[0]), static_cast<double>(df[1]));
            break;
        default:
            p = ProbModule::x2prob(value, static_cast<double>(df[0]));
            break;
    }

    const std::string result = fw::Format(p, ".0000");
    pEdit()->Visible(true);
    pText()->Visible(true);
    pEdit()->Text(result);
    if (checks.twoTailed) {
        TailText()->Visible(true);
    }
}

void MainWnd::ClearBtn_Action(fw::Ref<fw::PushButton> /*sender*/) {
    pEdit()->Text("");
    zEdit()->Text("");
    Ntext()->Visible(false);
    Dtext()->Visible(false);
    df1Text()->Visible(false);
    df2Text()->Visible(false);
    df1Edit()->Visible(false);
    df2Edit()->Visible(false);
    TailText()->Visible(false);
    pText()->Visible(false);
    pEdit()->Visible(false);
    ZBtn()->Value(false);
    TBtn()->Value(false);
    FBtn()->Value(false);
    XBtn()->Value(false);
    zEdit()->Visible(false);
    StaticText1()->Visible(false);
    zEdit()->SetFocus();
    btn = kNoTest;
}
