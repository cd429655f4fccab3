#include "dialogs/city_code_search_dialog.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"

namespace {

using namespace doc_test;
using Field = CCityCodeSearchDialog::Field;

TEST(CityCodeSearchDialog, ChecksInOrder) {
    const struct {
        const char* name;
        void (*setup)(CCityCodeSearchDialog& dialog);
        const char* message;
        Field focus;
    } cases[] = {
        {"empty code", [](CCityCodeSearchDialog& d) { d.SetCode(true, ""); },
         "コードの入力に誤りがあります。", Field::code},
        {"empty name", [](CCityCodeSearchDialog& d) { d.SetName(true, ""); },
         "都市名の入力に誤りがあります。", Field::name},
        {"empty reading", [](CCityCodeSearchDialog& d) { d.SetReading(true, ""); },
         "都市名の読みの入力に誤りがあります。", Field::reading},
        {"code before name",
         [](CCityCodeSearchDialog& d) {
             d.SetName(true, "");
             d.SetCode(true, "");
         },
         "コードの入力に誤りがあります。", Field::code},
        {"a text of a box that is off is not checked",
         [](CCityCodeSearchDialog& d) {
             d.SetCode(false, "");
             d.SetReading(true, "x");
         },
         "", Field::none},
        {"worked multipliers alone", [](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); },
         "", Field::none},
    };
    for (const auto& c : cases) {
        CCityCodeSearchDialog dialog;
        c.setup(dialog);
        const auto result = dialog.OnSearchStart();
        EXPECT_EQ(result.message, J(c.message)) << c.name;
        EXPECT_EQ(result.focus, c.focus) << c.name;
    }
}

TEST(CityCodeSearchDialog, FailedCheckIsShownAsAWarning) {
    CScriptedOperator op;
    CCityCodeSearchDialog dialog;
    dialog.SetName(true, "");
    EXPECT_FALSE(dialog.OnSearchStart(op));
    dialog.SetName(true, J("札幌"));
    EXPECT_TRUE(dialog.OnSearchStart(op));
    EXPECT_EQ(
        MessagesOf(op),
        (std::vector<Shown>{{"都市名の入力に誤りがあります。", "クイルマーク - 警告", kWarning}}));
}

}  // namespace
