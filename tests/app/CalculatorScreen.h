#pragma once
// What the calculator window's suites share: its messages, and its controls as a
// person reads them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/Gui.h"
#include "windows/MainWnd.h"

inline constexpr const char* kNoTest = "No test statistic selected. Select Z, t, F, or Chi-Square";
inline constexpr const char* kEnterZ = "Enter a Z value.";
inline constexpr const char* kZRange = "Z values should range from -9 to 9.";
inline constexpr const char* kDfRange = "Degrees of freedom should range from 1 to 9999.";
inline constexpr const char* kEnterT = "Enter a t value.";
inline constexpr const char* kTRange = "t values should range from 0 to 999.";
inline constexpr const char* kNumerator =
    "Numerator degrees of freedom should range from 1 to 9999.";
inline constexpr const char* kDenominator =
    "Denominator degrees of freedom should range from 1 to 9999.";
inline constexpr const char* kEnterF = "Enter an F value.";
inline constexpr const char* kFRange = "F values should range from 1 to 9999";
inline constexpr const char* kEnterChi = "Enter a Chi-Square value.";
inline constexpr const char* kChiRange = "Chi-Square values should range from 0 to 9999.";
// Everything the calculator ever says.
inline const std::set<std::string> kMessages = {kNoTest, kEnterZ, kZRange,    kDfRange,
                                                kEnterT, kTRange, kNumerator, kDenominator,
                                                kEnterF, kFRange, kEnterChi,  kChiRange};

// The test choice and the controls that come and go, in the order a person reads them;
// the first kEntries are the choice and the entry controls.
inline constexpr const char* kComingAndGoing[] = {
    "ZBtn",  "TBtn",    "FBtn",    "XBtn",        "dfBox", "Ntext", "df1Text", "df1Edit",
    "Dtext", "df2Text", "df2Edit", "StaticText1", "zEdit", "pText", "pEdit",   "TailText"};
inline constexpr int kEntries = 13;
// By btn: the radio button of each test, and the entry controls it shows, as Seen reads them.
inline constexpr const char* kTests[] = {"", "ZBtn", "TBtn", "FBtn", "XBtn"};
inline constexpr const char* kScreenOf[] = {
    "Z t F Chi-Square", "*Z t F Chi-Square Value []", "Z *t F Chi-Square frame df [] Value []",
    "Z t *F Chi-Square frame N df [] D df [] Value []", "Z t F *Chi-Square frame df [] Value []"};

class CalculatorScreen : public testing::Test {
  protected:
    fw::Ref<class MainWnd> w = MainWnd();

    QWidget* Widget(std::string_view name) const { return testsupport::Control(*w, name); }
    QLineEdit* Field(std::string_view name) const { return qobject_cast<QLineEdit*>(Widget(name)); }
    std::string Text(std::string_view name) const { return Field(name)->text().toStdString(); }
    bool Shown(std::string_view name) const { return Widget(name)->isVisible(); }

    // The named controls that are on screen, each as a person reads it: a caption
    // (a selected test marked "*"), a field in brackets (with its text when texts),
    // a bare frame, or else the control's name.
    std::string Seen(const std::vector<std::string>& names, bool texts = true) const {
        std::string seen;
        for (const std::string& name : names) {
            QWidget* widget = Widget(name);
            if (!widget->isVisible()) {
                continue;
            }
            QString text = QString::fromStdString(name);
            if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                text = box->title().isEmpty() ? "frame" : box->title();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                text = (button->isChecked() ? "*" : "") + button->text();
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
            } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
                text = "[" + (texts ? field->text() : "") + "]";
            }
            // Appended in two steps: GCC 12 at -O3 takes "" + std::string for an
            // overlapping copy (a false -Werror=restrict).
            if (!seen.empty()) {
                seen += ' ';
            }
            seen += text.toStdString();
        }
        return seen;
    }
    // The controls that come and go from the given one on (4: without the test choice).
    std::string Seen(int from = 0, int to = std::size(kComingAndGoing), bool texts = true) const {
        return Seen({std::begin(kComingAndGoing) + from, std::begin(kComingAndGoing) + to}, texts);
    }
};
