#include "shell/document_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/temp_folder.h"
#include "shell/text_file.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

Document sampleDocument() {
    Document d;
    d.parameterLines = {"a = 1, 2 ... 5;", "#program", "// 係数"};  // verbatim, even a mark
    d.programLines = {"b = a*2;", ""};
    d.radian = 1;
    d.precision = 12;
    d.loops = 5000;
    d.mainWindow = {10, 600, -20, 800};
    d.parameterAreaHeight = 150;
    d.editorPanelWidth = 400;
    d.graphWindow = WindowGeometry{30, 300, 40, 500};
    return d;
}

TEST(DocumentFormat, EmptyAreasAreWrittenAsZeroCounts) {
    Document d;
    d.mainWindow = {1, 2, 3, 4};
    EXPECT_EQ(documentLines(d), (Lines{"#parameters", "0", "#program", "0", "#setting", "0", "15", "1000",
                                       "1", "2", "3", "4", "0", "0"}));
    const auto back = parseDocument(documentLines(d));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->parameterLines.empty());
    EXPECT_TRUE(back->programLines.empty());
    EXPECT_EQ(*back, d);
}

TEST(DocumentFormat, LinesRoundTripWithAndWithoutTheGraphWindow) {
    Document d = sampleDocument();
    Lines lines = documentLines(d);
    ASSERT_EQ(lines.size(), 3u + 2u + 18u);
    EXPECT_EQ(lines[5], "#program");
    EXPECT_EQ(lines[15], "-20");  // e + 10: main window left
    EXPECT_EQ(parseDocument(lines), d);

    lines.resize(lines.size() - 4);  // e + 14 lines: the graph window stays where it was
    d.graphWindow.reset();
    EXPECT_EQ(parseDocument(lines), d);
    lines.resize(lines.size() + 2, "7");  // e + 16: still no graph geometry
    EXPECT_EQ(parseDocument(lines), d);
}

TEST(DocumentFormat, LinesPastTheGraphWindowAreIgnored) {
    Lines lines = documentLines(sampleDocument());
    lines.push_back("anything");
    EXPECT_EQ(parseDocument(lines), sampleDocument());
}

TEST(DocumentFormat, TheSettingMarkIsNotChecked) {
    Lines lines = documentLines(sampleDocument());
    lines[3 + 2 + 4] = "#something else";
    EXPECT_EQ(parseDocument(lines), sampleDocument());
}

struct Damage {
    const char* what;
    std::size_t line;
    const char* text;
};

class DocumentRejected : public ::testing::TestWithParam<Damage> {};

// sampleDocument: N = 3, M = 2, e = 5; "#program" on line 5, M on line 6.
TEST_P(DocumentRejected, WrongMarksCountsAndValues) {
    Lines lines = documentLines(sampleDocument());
    lines[GetParam().line] = GetParam().text;
    EXPECT_FALSE(parseDocument(lines).has_value()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentRejected, ::testing::Values(
    Damage{"first line", 0, "#parameter"},
    Damage{"first line with a blank", 0, "#parameters "},
    Damage{"program mark with a trailing blank", 5, "#program "},
    Damage{"count not an integer", 1, "3x"},
    Damage{"count with a blank", 1, " 3"},
    Damage{"count empty", 1, ""},
    Damage{"count as a real", 1, "3.0"},
    Damage{"count negative", 1, "-1"},
    Damage{"count past the file", 1, "99999"},
    Damage{"count past int", 1, "99999999999999999999"},
    Damage{"count pointing elsewhere", 1, "2"},
    Damage{"program count", 6, "two"},
    Damage{"program count too large", 6, "18"},
    Damage{"precision", 11, "12.5"},
    Damage{"panel width", 18, "wide"},
    Damage{"graph width", 22, "+-5"}));

TEST(DocumentFormat, MissingLinesAreRejected) {
    Lines lines = documentLines(sampleDocument());
    lines.resize(3 + 2 + 13);  // one short of the panel width
    EXPECT_FALSE(parseDocument(lines).has_value());
    EXPECT_FALSE(parseDocument({}).has_value());
    EXPECT_FALSE(parseDocument({"#parameters"}).has_value());
    EXPECT_FALSE(parseDocument({"#parameters", "0", "#program"}).has_value());
}

TEST(DocumentFormat, SignedIntegersAreRead) {
    Lines lines = documentLines(sampleDocument());
    lines[13] = "+15";
    const auto d = parseDocument(lines);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->mainWindow.top, 15);
}

class DocumentFile : public ::testing::Test {
protected:
    testing::TempFolder folder;
};

TEST_F(DocumentFile, SavesAndLoadsThroughCp932) {
    const auto path = folder / "sample.qbxsrc";
    ASSERT_EQ(saveDocument(path, sampleDocument()), "");
    EXPECT_EQ(loadDocument(path), sampleDocument());
    EXPECT_EQ(testing::readBytes(path).substr(0, 15), "#parameters\r\n3\r");
}

TEST_F(DocumentFile, AFileFromTheWindowsProgramLoads) {
    const auto path = folder / "windows.qbxsrc";
    testing::writeBytes(path,
                        "#parameters\r\n1\r\nr = 2; // \x94\xBC\x8C\x61\r\n#program\r\n1\r\ns = r*r;\r\n"
                        "#setting\r\n0\r\n12\r\n1000\r\n0\r\n500\r\n0\r\n700\r\n120\r\n300\r\n");
    const auto d = loadDocument(path);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->parameterLines, (Lines{"r = 2; // 半径"}));
    EXPECT_EQ(d->programLines, (Lines{"s = r*r;"}));
    EXPECT_FALSE(d->graphWindow.has_value());
    EXPECT_EQ(d->editorPanelWidth, 300);
}

TEST_F(DocumentFile, UnreadableOrUnsavableDocumentsFail) {
    EXPECT_FALSE(loadDocument(folder / "missing.qbxsrc").has_value());
    Document d = sampleDocument();
    d.programLines.push_back("x = 1; // €");
    const auto path = folder / "sample.qbxsrc";
    EXPECT_EQ(saveDocument(path, d), "文字 \"€\" はShift-JISで保存できません");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(folder.entryCount(), 0);
}

}  // namespace
}  // namespace zentra
