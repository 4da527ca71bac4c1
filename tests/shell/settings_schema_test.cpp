#include "shell/settings_schema.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "base/source_text.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

// Remembers the order of the writes as well as the values.
class RecordingStore : public MemorySettingsStore {
public:
    void setValue(std::string_view name, std::string_view value) override {
        written.emplace_back(name);
        MemorySettingsStore::setValue(name, value);
    }
    std::vector<std::string> written;
};

// ---- packing and parsing ------------------------------------------------

struct PairCase {
    PackedPair pair;
    std::int32_t packed;
    PackedPair back;  // what unpacking the packed value gives
};

class PairPacking : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairPacking, PacksAndUnpacks) {
    EXPECT_EQ(packPair(GetParam().pair), GetParam().packed);
    EXPECT_EQ(unpackPair(GetParam().packed), GetParam().back);
}

INSTANTIATE_TEST_SUITE_P(Cases, PairPacking, ::testing::Values(
    PairCase{{164, 298}, 164 * 65536 + 298, {164, 298}},
    PairCase{{0, 0}, 0, {0, 0}},
    PairCase{{-1200, 550}, -1200 * 65536 + 550, {-1200, 550}},  // negative left kept
    PairCase{{-1, 65535}, -1, {-1, 65535}},
    PairCase{{-32768, 0}, INT32_MIN, {-32768, 0}},
    PairCase{{32767, 65535}, INT32_MAX, {32767, 65535}},
    // Halves out of range are clamped, never carried into the other half.
    PairCase{{40000, 70000}, INT32_MAX, {32767, 65535}},
    PairCase{{-40000, -5}, INT32_MIN, {-32768, 0}},
    PairCase{{10, -1}, 10 * 65536, {10, 0}}));

TEST(PairPacking, EveryStoredIntegerSurvivesUnpackAndPack) {
    for (std::int32_t v : {INT32_MIN, INT32_MAX, -1, 0, 1, 0x12345678, -0x12345678, 65535, 65536, -65536}) {
        EXPECT_EQ(packPair(unpackPair(v)), v) << v;
    }
}

struct IntCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class StoredInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(StoredInt, ParsesOnlyWhole32BitIntegers) {
    EXPECT_EQ(parseStoredInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredInt, ::testing::Values(
    IntCase{"0", 0}, IntCase{"15", 15}, IntCase{"-65536", -65536}, IntCase{"+7", 7},
    IntCase{"2147483647", INT32_MAX}, IntCase{"-2147483648", INT32_MIN},
    IntCase{"2147483648", std::nullopt}, IntCase{"4294967295", std::nullopt},
    IntCase{"-2147483649", std::nullopt}, IntCase{"99999999999999999999", std::nullopt},
    IntCase{"", std::nullopt}, IntCase{"abc", std::nullopt}, IntCase{"12abc", std::nullopt},
    IntCase{" 12", std::nullopt}, IntCase{"12 ", std::nullopt}, IntCase{"1.5", std::nullopt},
    IntCase{"-", std::nullopt}, IntCase{"+", std::nullopt}, IntCase{"++1", std::nullopt},
    IntCase{"+-1", std::nullopt}, IntCase{"0x10", std::nullopt}));

TEST(StoredLines, JoinPutsLfAfterEveryLine) {
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(joinLines({""}), "\n");
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\n\nb\n");
    const Lines lines{"x = 1;", "", "// 係数", "\t{"};
    EXPECT_EQ(splitLines(joinLines(lines), LineEnds::Lf), lines);
}

// ---- reading and writing ------------------------------------------------

Lines constantsWithoutBlanks() {
    Lines lines;
    for (auto line : kConstantLines) lines.push_back(removeBlanks(line));
    return lines;
}

AppSettings sampleSettings() {
    AppSettings s;
    s.mainWindow = {-300, 600, -1200, 800};
    s.monitorWindow = {10, 500, 20, 700};
    s.functionWindow = {30, 350, 40, 510};
    s.graphWindow = {-50, 380, 60, 420};
    s.historyWindowHeight = 400;
    s.historyWindowWidth = 250;
    s.parameterAreaHeight = 150;
    s.editorPanelWidth = 300;
    s.functionListWidth = 190;
    s.fontName = "IPAGothic";
    s.fontSize = 14;
    s.programLines = {"b = a*2;", "", "\tout(b); // 結果"};
    s.parameterLines = {"a = 1, 2 ... 5;"};
    s.lastDirectory = "/home/user/calc/";
    s.programHistory = {"b=a*2;", "out(b);//結果"};
    s.parameterHistory = constantsWithoutBlanks();
    s.parameterHistory.insert(s.parameterHistory.begin(), "a=1,2...5;");
    s.functionStore = {"#f", "f(x)", "{", "\treturn x;", "}"};
    s.precision = 7;
    s.radian = 1;
    s.loops = 5000;
    s.recallOff = true;
    s.recentFiles = {"/home/user/b.qbxsrc", "/home/user/a.qbxsrc"};
    s.currentFile = "/home/user/c.qbxsrc";
    s.debug = "Kelo";
    return s;
}

MemorySettingsStore storeOf(const AppSettings& settings) {
    MemorySettingsStore store;
    writeSettings(settings, store);
    store.setValue("debug", settings.debug);
    return store;
}

TEST(Settings, FirstStartGivesDefaultsAndTheConstants) {
    const AppSettings s = readSettings(MemorySettingsStore{});
    EXPECT_EQ(s.precision, 15);
    EXPECT_EQ(s.radian, 0);
    EXPECT_EQ(s.loops, 1000);
    EXPECT_FALSE(s.recallOff);
    EXPECT_EQ(s.mainWindow, kMainWindowDesigned);
    EXPECT_EQ(s.graphWindow, kGraphWindowDesigned);
    EXPECT_EQ(s.parameterAreaHeight, 102);
    EXPECT_EQ(s.editorPanelWidth, 244);
    EXPECT_EQ(s.functionListWidth, 233);
    EXPECT_EQ(s.fontName, "ＭＳ ゴシック");
    EXPECT_TRUE(s.programLines.empty());
    EXPECT_TRUE(s.parameterLines.empty());
    EXPECT_TRUE(s.programHistory.empty());
    EXPECT_FALSE(s.debugMonitorAtStart());
    ASSERT_EQ(s.parameterHistory.size(), 17u);
    EXPECT_EQ(s.parameterHistory.front(), "BLZ=5.670373E-8;//ボルツマン定数");
    EXPECT_EQ(s.parameterHistory[13], "PI=3.141592653589793;//円周率");
    EXPECT_EQ(s.parameterHistory.back(), "SFE=12.1E-6;//鋼鉄の線膨張率");
}

TEST(Settings, ConstantsAreMergedOnceAfterTheStoredHistory) {
    MemorySettingsStore store;
    store.setValue("musr", "x=12345;\nPI=3.141592653589793;//円周率\n");
    const AppSettings s = readSettings(store);
    ASSERT_EQ(s.parameterHistory.size(), 18u);
    EXPECT_EQ(s.parameterHistory[0], "x=12345;");
    EXPECT_EQ(s.parameterHistory[1], "PI=3.141592653589793;//円周率");
    EXPECT_EQ(s.parameterHistory[2], "BLZ=5.670373E-8;//ボルツマン定数");
    // Reading what was written adds nothing more.
    MemorySettingsStore again;
    writeSettings(s, again);
    EXPECT_EQ(readSettings(again).parameterHistory, s.parameterHistory);
}

TEST(Settings, WhatIsWrittenReadsBackEqual) {
    const AppSettings s = sampleSettings();
    EXPECT_EQ(readSettings(storeOf(s)), s);
}

TEST(Settings, WritesEveryValueInOrderAndNeverDebug) {
    RecordingStore store;
    store.setValue("debug", "Kelo");
    store.written.clear();
    writeSettings(sampleSettings(), store);
    EXPECT_EQ(store.written, std::vector<std::string>(kSettingsWriteOrder.begin(), kSettingsWriteOrder.end()));
    EXPECT_EQ(store.value("debug"), "Kelo");
    EXPECT_EQ(store.value("fchar"), "128");
    EXPECT_EQ(store.value("file"), "/home/user/c.qbxsrc");
    EXPECT_EQ(store.value("LastFile"), "/home/user/c.qbxsrc");
    EXPECT_EQ(store.value("left_width"), std::to_string(-1200 * 65536 + 800));
    EXPECT_EQ(store.value("rheit_width"), std::to_string(400 * 65536 + 250));
    EXPECT_EQ(store.value("src"), "b = a*2;\n\n\tout(b); // 結果\n");
    EXPECT_EQ(store.value("reuse"), "1");
}

TEST(Settings, FontCharacterSetIsNotRead) {
    MemorySettingsStore store = storeOf(sampleSettings());
    store.setValue("fchar", "0");
    EXPECT_EQ(readSettings(store), sampleSettings());
    MemorySettingsStore out;
    writeSettings(readSettings(store), out);
    EXPECT_EQ(out.value("fchar"), "128");
}

TEST(Settings, MissingLoopsLosesNothingElse) {
    MemorySettingsStore store = storeOf(sampleSettings());
    store.remove("loops");
    const AppSettings s = readSettings(store);
    AppSettings expected = sampleSettings();
    expected.loops = 1000;
    EXPECT_EQ(s, expected);  // precision 7, radians, recall off, recent list and debug all kept
}

// Any one value missing: that value takes its default, every other value is
// read, and writing back changes nothing else in the store.
class OneValueMissing : public ::testing::TestWithParam<std::string_view> {};

TEST_P(OneValueMissing, OthersAreReadAndWrittenBackUnchanged) {
    const MemorySettingsStore full = storeOf(sampleSettings());
    MemorySettingsStore store = full;
    store.remove(GetParam());
    MemorySettingsStore out = store;
    writeSettings(readSettings(store), out);
    for (const auto& [name, value] : full.values()) {
        if (name == GetParam()) continue;
        if (name == "file" && GetParam() == "LastFile") continue;  // both hold the current name
        EXPECT_EQ(out.value(name), value) << name;
    }
    MemorySettingsStore firstStart;
    writeSettings(readSettings(MemorySettingsStore{}), firstStart);
    if (GetParam() != "file") {  // "file" is written from "LastFile"
        EXPECT_EQ(out.value(GetParam()), firstStart.value(GetParam())) << "default of " << GetParam();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryValue, OneValueMissing, ::testing::ValuesIn(kSettingsWriteOrder));

struct BadValueCase {
    const char* name;
    const char* text;
    int AppSettings::*field;
    int expected;
};

class BadValue : public ::testing::TestWithParam<BadValueCase> {};

TEST_P(BadValue, TakesItsOwnDefaultOrIsBroughtIntoRange) {
    MemorySettingsStore store = storeOf(sampleSettings());
    store.setValue(GetParam().name, GetParam().text);
    const AppSettings s = readSettings(store);
    EXPECT_EQ(s.*(GetParam().field), GetParam().expected);
    // The other values are still those stored.
    EXPECT_EQ(s.programLines, sampleSettings().programLines);
    EXPECT_EQ(s.recentFiles, sampleSettings().recentFiles);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadValue, ::testing::Values(
    BadValueCase{"precision", "abc", &AppSettings::precision, 15},
    BadValueCase{"precision", "", &AppSettings::precision, 15},
    BadValueCase{"precision", "99999999999", &AppSettings::precision, 15},
    BadValueCase{"precision", "99", &AppSettings::precision, 15},
    BadValueCase{"precision", "0", &AppSettings::precision, 1},
    BadValueCase{"precision", "-3", &AppSettings::precision, 1},
    BadValueCase{"radian", "x", &AppSettings::radian, 0},
    BadValueCase{"radian", "7", &AppSettings::radian, 1},
    BadValueCase{"radian", "-1", &AppSettings::radian, 1},
    BadValueCase{"loops", "1e3", &AppSettings::loops, 1000},
    BadValueCase{"loops", "4294967296", &AppSettings::loops, 1000},
    BadValueCase{"loops", "-5", &AppSettings::loops, -5},
    BadValueCase{"fsize", "0", &AppSettings::fontSize, kDefaultFontSize},
    BadValueCase{"fsize", "100000", &AppSettings::fontSize, kDefaultFontSize},
    BadValueCase{"fsize", "-12", &AppSettings::fontSize, kDefaultFontSize},
    BadValueCase{"fSplit", "wide", &AppSettings::functionListWidth, 233},
    BadValueCase{"stop_sleft", "4294967295", &AppSettings::editorPanelWidth, 244},
    BadValueCase{"rheit_width", "-1", &AppSettings::historyWindowWidth, 65535}));

TEST(Settings, LaterWindowsKeepTheirStoredIntegersExactly) {
    MemorySettingsStore store;
    const char* values[][2] = {{"mtop_height", "-5308216"}, {"mleft_width", "2147483647"},
                               {"rheit_width", "-2147483648"}, {"ftop_height", "-1"},
                               {"fleft_width", "0"}, {"gtop_height", "123456789"},
                               {"gleft_width", "-65536"}, {"fSplit", "-40"}};
    for (auto& [name, value] : values) store.setValue(name, value);
    MemorySettingsStore out;
    writeSettings(readSettings(store), out);
    for (auto& [name, value] : values) EXPECT_EQ(out.value(name), value) << name;
}

TEST(Settings, MegabyteTextsAreKeptWhole) {
    std::string text;
    Lines lines;
    for (int i = 0; i < 50000; ++i) {
        lines.push_back("x" + std::to_string(i) + " = " + std::string(static_cast<std::size_t>(i % 160), 'y') + ";");
        text += lines.back() + "\n";
    }
    text += "tail without end";
    lines.push_back("tail without end");
    ASSERT_GT(text.size(), 4'000'000u);
    MemorySettingsStore store;
    store.setValue("src", text);
    store.setValue("mfunc", text);
    const AppSettings s = readSettings(store);
    EXPECT_EQ(s.programLines, lines);
    EXPECT_EQ(s.functionStore, lines);
    MemorySettingsStore out;
    writeSettings(s, out);
    EXPECT_EQ(out.value("src"), text + "\n");
}

TEST(Settings, DebugMonitorOpensOnlyForTheExactWord) {
    for (auto [word, opens] : {std::pair{"Kelo", true}, {"kelo", false}, {"Kelo ", false}, {"", false}}) {
        MemorySettingsStore store;
        store.setValue("debug", word);
        EXPECT_EQ(readSettings(store).debugMonitorAtStart(), opens) << word;
    }
}

// ---- windows on screens -------------------------------------------------

struct ScreenCase {
    const char* what;
    WindowGeometry window;  // top, height, left, width
    std::vector<ScreenRect> screens;
    WindowGeometry placed;
};

class OnScreens : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(OnScreens, StaysOrComesBack) {
    EXPECT_EQ(keepOnScreens(GetParam().window, GetParam().screens), GetParam().placed) << GetParam().what;
}

const std::vector<ScreenRect> kOne{{0, 0, 1920, 1080}};
const std::vector<ScreenRect> kTwo{{-1920, 0, 1920, 1080}, {0, 0, 1920, 1080}};

INSTANTIATE_TEST_SUITE_P(Cases, OnScreens, ::testing::Values(
    ScreenCase{"inside", {164, 298, 142, 550}, kOne, {164, 298, 142, 550}},
    ScreenCase{"screen on the left", {100, 300, -1500, 550}, kTwo, {100, 300, -1500, 550}},
    ScreenCase{"across two screens", {100, 300, -200, 550}, kTwo, {100, 300, -200, 550}},
    ScreenCase{"partly off, reachable", {100, 300, 1800, 550}, kOne, {100, 300, 1800, 550}},
    ScreenCase{"screen gone", {100, 300, -1500, 550}, kOne, {100, 300, 0, 550}},
    ScreenCase{"far right", {500, 300, 5000, 550}, kOne, {500, 300, 1370, 550}},
    ScreenCase{"sliver only", {100, 300, 1900, 550}, kOne, {100, 300, 1370, 550}},
    ScreenCase{"top above", {-200, 300, 100, 550}, kOne, {0, 300, 100, 550}},
    ScreenCase{"below", {1075, 300, 100, 550}, kOne, {780, 300, 100, 550}},
    ScreenCase{"too big", {-10, 5000, 3000, 9000}, kOne, {0, 1080, 0, 1920}},
    ScreenCase{"nearest screen", {100, 300, -9000, 550}, kTwo, {100, 300, -1920, 550}},
    ScreenCase{"extremes", {INT_MIN, INT_MAX, INT_MAX, INT_MAX}, kOne, {0, 1080, 0, 1920}},
    ScreenCase{"no screens", {-9000, 300, -9000, 550}, {}, {-9000, 300, -9000, 550}}));

}  // namespace
}  // namespace zentra
