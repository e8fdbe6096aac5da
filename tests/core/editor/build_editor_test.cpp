#include <gtest/gtest.h>

#include <stdexcept>

#include "editor_fixture.hpp"
#include "framework/conversion_error.hpp"
#include "framework/editor/dependency_timer.hpp"

using namespace vertanum;
using namespace vertanum::testing;

namespace {

// A model whose loading can be made to fail and which counts what is called.
class FakeModel : public TDevices {
  public:
    FakeModel() : TDevices(DeviceContext{}) { EepromImage.assign(4, 0); }
    std::string ClassName() const override { return "TFake"; }
    std::int32_t LoadFactoryImage() override {
        ++factory_loads;
        EepromImage[0] = 7;
        return factory_result;
    }
    std::int32_t LoadConfig() override {
        ++config_loads;
        return config_result;
    }
    std::int32_t SaveConfig() override { return 0; }

    int factory_loads = 0;
    int config_loads = 0;
    std::int32_t factory_result = 0;
    std::int32_t config_result = 0;
};

// A map of two rows that notes whether the host was disabled while it built them.
class FakeEditor : public TInsDevices {
  public:
    FakeEditor() : TInsDevices("FAKE") {}
    bool fail = false;
    int rules_after_build = 0;
    RecordingHost* host = nullptr;
    bool host_enabled_while_building = true;

  protected:
    void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) override {
        host_enabled_while_building = host->enabled;
        rows.AddCategory("Head", "Заголовок");
        progress.SetPosition(progress.Position() + 10);
        if (fail) throw ConversionError("FFFF");
        rows.AddText("Value", "Значение", std::to_string(model.EepromImage[0]), rows.Find("Head"));
    }
    void ApplyValue(const std::string& name, const std::string& text, std::string& error,
                    TDevices& model) override {
        if (name == "Value") {
            const std::int32_t v = StrToInt(text);  // may throw the conversion error
            if (v > 9) {
                error = kCheckInputText;
                return;
            }
            model.EepromImage[0] = static_cast<std::uint8_t>(v);
        }
    }
    int RuleSetAfterBuild() const override { return rules_after_build; }
};

struct Fixture {
    FakeModel model;
    FakeEditor editor;
    RecordingHost host;
    Fixture() { editor.host = &host; }
};

}  // namespace

TEST(BuildEditor, FollowsTheCommonSequenceWithTheHostDisabled) {
    Fixture f;
    ASSERT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    EXPECT_FALSE(f.editor.host_enabled_while_building);
    EXPECT_TRUE(f.host.enabled);
    EXPECT_EQ(f.host.events, (std::vector<std::string>{"disable", "status 'Загрузка параметров'",
                                                       "repaint", "percentage on", "status '   '",
                                                       "percentage off", "show rows", "enable"}));
    EXPECT_EQ(f.host.positions, (std::vector<int>{0, 10, 100, 0}));
    ASSERT_NE(f.editor.Rows(), nullptr);
    EXPECT_EQ(f.host.shown, f.editor.Rows());
    EXPECT_EQ(f.editor.Rows()->Find("Value")->Value(), "7");
    // A new document reads no file.
    EXPECT_EQ(f.model.factory_loads, 1);
    EXPECT_EQ(f.model.config_loads, 0);
}

TEST(BuildEditor, ADocumentWithAFileLoadsItOverTheFactoryImage) {
    Fixture f;
    f.model.FileName = "/nowhere/x.qcf";
    ASSERT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    EXPECT_EQ(f.model.config_loads, 1);
}

TEST(BuildEditor, ALoadingFailureIsReturnedBeforeTheScreenChanges) {
    struct Case {
        std::int32_t factory, config;
        bool has_file;
        std::int32_t expected;
    } cases[] = {{-10, 0, false, -10}, {0, -11, true, -11}, {-10, 0, true, -10}};
    for (const auto& c : cases) {
        Fixture f;
        f.model.factory_result = c.factory;
        f.model.config_result = c.config;
        if (c.has_file) f.model.FileName = "/nowhere/x.qcf";
        EXPECT_EQ(f.editor.BuildEditor(f.host, f.model), c.expected);
        EXPECT_TRUE(f.host.events.empty());
        EXPECT_EQ(f.editor.Rows(), nullptr);
    }
}

TEST(BuildEditor, AFailureWhileBuildingLeavesNothingBuiltAndTheHostEnabled) {
    Fixture f;
    f.editor.fail = true;
    EXPECT_EQ(f.editor.BuildEditor(f.host, f.model), kEditorBuildFailed);
    EXPECT_TRUE(f.host.enabled);
    EXPECT_EQ(f.host.events.back(), "enable");
    EXPECT_EQ(f.host.shown, nullptr);
    EXPECT_EQ(f.editor.Rows(), nullptr);
    EXPECT_EQ(f.host.positions.back(), 0);
    EXPECT_EQ(f.editor.BuildFailure(), "'FFFF' - неверное целое значение");

    // The same editor builds again once the cause is gone.
    f.editor.fail = false;
    EXPECT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    EXPECT_TRUE(f.editor.BuildFailure().empty());
}

TEST(BuildEditor, CloseEditorLetsTheHostGoFirstAndForgetsPendingRules) {
    Fixture f;
    DependencyTimer timer;
    f.editor.AttachTimer(&timer);
    f.editor.rules_after_build = 2;
    ASSERT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    EXPECT_TRUE(timer.Armed());
    EXPECT_EQ(timer.Tag(), 2);
    f.editor.CloseEditor();
    EXPECT_EQ(f.host.events.back(), "remove rows");
    EXPECT_EQ(f.host.shown, nullptr);
    EXPECT_EQ(f.editor.Rows(), nullptr);
    EXPECT_FALSE(timer.Armed());
    f.editor.CloseEditor();  // closing twice is harmless
}

TEST(ApplyEditor, RefusesANonNumberWithTheConversionErrorAndStoresNothing) {
    Fixture f;
    ASSERT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    struct Case {
        const char* text;
        const char* error;
        std::uint8_t stored;
    } cases[] = {
        {"abc", "'abc' - неверное целое значение", 7}, {"12", kCheckInputText, 7}, {"5", "", 5}};
    for (const auto& c : cases) {
        std::string error = "stale";
        f.editor.ApplyEditor("Value", c.text, error, f.model);
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(f.model.EepromImage[0], c.stored) << c.text;
    }
    // A row name the map does not handle is accepted without change.
    std::string error = "stale";
    f.editor.ApplyEditor("Unknown", "abc", error, f.model);
    EXPECT_EQ(error, "");
}

TEST(PostRowValue, TakesOnlyWhatTheGridWouldLetThrough) {
    Fixture f;
    ASSERT_EQ(f.editor.BuildEditor(f.host, f.model), 0);
    f.model.Modified = false;
    RowModel& rows = *f.editor.Rows();
    rows.AddCheck("Flag", "Флажок", false);
    rows.AddPick("Pick", "Выбор", NumberItems(1, 4), "1");
    rows.AddText("Short", "Короткий", "", nullptr, 3);

    struct Case {
        const char* name;
        const char* text;
        bool accepted;
        const char* message_part;
    } cases[] = {
        {"Nothing", "1", false, "Нет параметра с именем «Nothing»"},
        {"Head", "1", false, "не изменяется"},
        {"Flag", "2", false, "только «1» или «0»"},
        {"Pick", "5", false, "не входит в список"},
        {"Short", "абвг", false, "длиннее 3 символов"},
        {"Value", "12", false, kCheckInputText},
        {"Value", "x", false, "'x' - неверное целое значение"},
    };
    for (const auto& c : cases) {
        const EditOutcome outcome = PostRowValue(f.editor, f.model, c.name, c.text);
        EXPECT_EQ(outcome.accepted, c.accepted) << c.name;
        EXPECT_NE(outcome.message.find(c.message_part), std::string::npos) << outcome.message;
    }
    EXPECT_FALSE(f.model.Modified);
    EXPECT_EQ(rows.Find("Value")->Value(), "7");

    for (auto [name, text] :
         {std::pair{"Value", "3"}, {"Flag", "1"}, {"Pick", "4"}, {"Short", "абв"}}) {
        EXPECT_TRUE(PostRowValue(f.editor, f.model, name, text).accepted) << name;
        EXPECT_EQ(rows.Find(name)->Value(), text);
    }
    EXPECT_EQ(f.model.EepromImage[0], 3);
    EXPECT_TRUE(f.model.Modified);

    // A row the rules switched off takes no value.
    rows.Find("Value")->SetCategory(true);
    EXPECT_FALSE(PostRowValue(f.editor, f.model, "Value", "4").accepted);
    EXPECT_EQ(f.model.EepromImage[0], 3);
}
