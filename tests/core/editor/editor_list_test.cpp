#include <gtest/gtest.h>

#include "editor_fixture.hpp"
#include "framework/editor/no_param_editor.hpp"
#include "framework/editor/pending_map_editor.hpp"

using namespace vertanum;
using namespace vertanum::testing;

TEST(EditorList, HasOneEditorPerRegistryPositionInItsOrder) {
    Models models;
    EditorList editors;
    ASSERT_EQ(editors.Count(), models.registry.Count());
    const char* names[] = {"QV710P001",   "QV710P002", "QV710P003",   "QV710U001",  "QV710U002",
                           "QV710U003",   "QV710U004", "KRV",         "Velkar",     "VelkarPT",
                           "Velkar8A",    "Velkar8B",  "Velkar8C",    "Velkar9",    "VelkarIMP",
                           "DORIMEN",     "DORIMEN34", "DORIMENTECH", "FRASTOVENA", "FRASTOVENN",
                           "FRASTOVENPT", "Qirel",     "ZOZVelkar"};
    for (int i = 0; i < editors.Count(); ++i) EXPECT_EQ(editors.At(i)->Name, names[i]) << i;
    EXPECT_EQ(editors.At(-1), nullptr);
    EXPECT_EQ(editors.At(23), nullptr);
}

TEST(EditorList, EveryPositionBuildsOverItsNewDocumentAndEnablesTheHost) {
    for (int position = 0; position < 23; ++position) {
        OpenEditor open(position);
        ASSERT_EQ(open.result, 0) << position;
        EXPECT_TRUE(open.host.enabled) << position;
        EXPECT_FALSE(open.Rows().Empty()) << position;
    }
}

TEST(EditorList, ModelsWithoutParametersShowOneHeadingAndAcceptEverything) {
    for (int position : {1, 2, 3, 4, 5, 6, kQirelPosition}) {
        OpenEditor open(position);
        ASSERT_EQ(open.result, 0);
        ASSERT_EQ(open.Rows().Count(), 1u) << position;
        const Row& row = open.RowNamed(TInsNoParamDevices::kRowName);
        EXPECT_EQ(row.Caption(), "Нет редактируемых параметров");
        EXPECT_TRUE(row.Category());
        const auto flash = open.Model().FirmwareImage;
        const auto eeprom = open.Model().EepromImage;
        EXPECT_EQ(open.Apply("TimeReadyFire_sl1", "60"), "");
        EXPECT_EQ(open.Apply("anything", "abc"), "");
        EXPECT_EQ(open.Model().FirmwareImage, flash);
        EXPECT_EQ(open.Model().EepromImage, eeprom);
    }
}

TEST(EditorList, PositionsWhoseMapIsNotWrittenSayItAndRefuseEdits) {
    // The Velkar, Dorimen and Frastoven maps replace these stand-ins one by one; every position
    // that still has one must say so plainly, and no other position may have one.
    EditorList editors;
    for (int position = 0; position < editors.Count(); ++position) {
        const bool may_wait = (position >= 8 && position <= 20) || position == 22;
        if (!dynamic_cast<TInsPendingMapDevices*>(editors.At(position))) continue;
        ASSERT_TRUE(may_wait) << position;

        OpenEditor open(position);
        ASSERT_EQ(open.result, 0);
        ASSERT_EQ(open.Rows().Count(), 1u);
        const Row& row = open.RowNamed(TInsPendingMapDevices::kRowName);
        EXPECT_NE(row.Caption().find("ещё не доступна"), std::string::npos);
        EXPECT_TRUE(row.Category());
        // The images are loaded all the same: the document can be saved and programmed.
        Models fresh;
        EXPECT_EQ(open.Model().FirmwareImage, fresh.New(position).FirmwareImage) << position;
        const auto flash = open.Model().FirmwareImage;
        EXPECT_EQ(open.Apply("Addr", "1"), TInsPendingMapDevices::kRefusal);
        const EditOutcome outcome = open.Post("Addr", "1");
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(outcome.message, TInsPendingMapDevices::kRefusal);
        EXPECT_EQ(open.Model().FirmwareImage, flash);
    }
}
