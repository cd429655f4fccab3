#include "dialogs/city_code_search_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "dialog_golden.h"

namespace {

using namespace dialog_test;

// Each case's message and the field it focuses (code 1, name 2, reading 3), in the golden
// file; a failed check is shown as a warning.
TEST(CityCodeSearchDialog, ChecksInOrderWithTheirFields) {
    using D = CCityCodeSearchDialog;
    const std::pair<const char*, void (*)(D&)> cases[] = {
        {"empty code", [](D& d) { d.SetCode(true, ""); }},
        {"empty name", [](D& d) { d.SetName(true, ""); }},
        {"empty reading", [](D& d) { d.SetReading(true, ""); }},
        {"code before name",
         [](D& d) {
             d.SetName(true, "");
             d.SetCode(true, "");
         }},
        {"a text of a box that is off is not checked",
         [](D& d) {
             d.SetCode(false, "");
             d.SetReading(true, "x");
         }},
        {"worked multipliers alone", [](D& d) { d.SetWorkedMultipliers(true); }},
    };
    std::ostringstream seen;
    for (const auto& [name, setup] : cases) {
        D dialog;
        setup(dialog);
        const auto result = dialog.OnSearchStart();
        seen << name << ": focus " << static_cast<int>(result.focus) << " " << U(result.message)
             << "\n";
    }
    CScriptedOperator op;
    D dialog;
    dialog.SetName(true, "");
    seen << "shown: " << dialog.OnSearchStart(op) << " " << Told(op);
    dialog.SetName(true, J("札幌"));
    seen << "shown: " << dialog.OnSearchStart(op) << " " << Told(op);
    ExpectGolden("dialogs/city_code_search_checks", seen.str());
}

}  // namespace
