#include "shell/document_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/temp_folder.h"
#include "base/utf8.h"
#include "shell/text_encoding.h"
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

namespace zentra {
namespace {

// Every half-width katakana, as UTF-8 text and as its one Shift-JIS byte.
struct HalfWidthKatakana {
    std::string text;
    char byte;
};

std::vector<HalfWidthKatakana> halfWidthKatakana() {
    std::vector<HalfWidthKatakana> all;
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        const int code = 0xFF61 + (byte - 0xA1);  // U+FF61 .. U+FF9F, three UTF-8 bytes each
        all.push_back({{static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                        static_cast<char>(0x80 | (code & 0x3F))},
                       static_cast<char>(byte)});
    }
    return all;
}

TEST(DocumentEncodingMark, StandsAfterTheLastSettingLineWritten) {
    Document d = sampleDocument();  // e = 5
    Lines lines = documentFileLines(d);
    ASSERT_EQ(lines.size(), 5u + 19u);
    EXPECT_EQ(lines[5 + 18], kShiftJisMark);
    EXPECT_EQ(parseDocument(lines), d);  // read past like every line after the graph window

    // Without graph window lines the file stays shorter than e + 18 lines, so
    // the mark is never taken for the graph window's top.
    d.graphWindow.reset();
    lines = documentFileLines(d);
    ASSERT_EQ(lines.size(), 5u + 15u);
    EXPECT_EQ(lines[5 + 14], kShiftJisMark);
    EXPECT_EQ(parseDocument(lines), d);
}

// Some pairs of half-width katakana are valid UTF-8 as Shift-JIS bytes
// ("ﾎｱ" is "α"); a saved document must read back as written all the same.
TEST(DocumentEncodingMark, EveryPairOfHalfWidthKatakanaReadsBackAsWritten) {
    const auto katakana = halfWidthKatakana();
    int bothEncodings = 0;
    for (const auto& first : katakana) {
        for (const auto& second : katakana) {
            Document d = sampleDocument();
            d.parameterLines = {"a = 1, 2 ... 5;"};  // ASCII but for the pair
            d.programLines = {"b = a*2; // " + first.text + second.text};
            std::string bytes;
            ASSERT_EQ(encodeTextLines(documentFileLines(d), bytes), "");
            ASSERT_NE(bytes.find(std::string{first.byte, second.byte}), std::string::npos);
            if (isValidUtf8(bytes)) ++bothEncodings;
            const DocumentReading back = decodeDocument(bytes);
            ASSERT_EQ(back.document, d) << first.text << second.text << ": " << back.problem;
        }
    }
    EXPECT_EQ(bothEncodings, 30 * 31);  // lead bytes C2..DF, continuation bytes A1..BF
}

TEST(DocumentEncodingMark, AnUnmarkedUtf8FileWithGreekCommentsIsReadAsUtf8) {
    // The Greek letters' UTF-8 bytes are valid Shift-JIS too ("ﾎｱ ﾎｲ ﾎｳ").
    const std::string bytes =
        "#parameters\r\n1\r\nr = 2; // α β γ\r\n#program\r\n1\r\ns = r*r; // ω\r\n"
        "#setting\r\n0\r\n12\r\n1000\r\n0\r\n500\r\n0\r\n700\r\n120\r\n300\r\n";
    const DocumentReading reading = decodeDocument(bytes);
    ASSERT_TRUE(reading.document.has_value()) << reading.problem;
    EXPECT_EQ(reading.document->parameterLines, Lines{"r = 2; // α β γ"});
    EXPECT_EQ(reading.document->programLines, Lines{"s = r*r; // ω"});
}

// Only the line after the settings is the mark; the same text inside an
// area is the user's text and decides nothing.
TEST(DocumentEncodingMark, TheMarkTextInsideAnAreaDecidesNothing) {
    const std::string bytes =
        "#parameters\r\n1\r\n// encoding: cp932\r\n#program\r\n1\r\ns = 1; // α\r\n"
        "#setting\r\n0\r\n12\r\n1000\r\n0\r\n500\r\n0\r\n700\r\n120\r\n300\r\n";
    const DocumentReading reading = decodeDocument(bytes);
    ASSERT_TRUE(reading.document.has_value()) << reading.problem;
    EXPECT_EQ(reading.document->programLines, Lines{"s = 1; // α"});
}

struct Refusal {
    const char* what;
    std::size_t line;        // replaced in documentLines(sampleDocument()), or
    const char* text;        // nullptr: the file is cut to `line` lines
    const char* problem;
};

class DocumentRefusalReason : public ::testing::TestWithParam<Refusal> {};

// sampleDocument: N = 3, M = 2, e = 5, 23 lines.
TEST_P(DocumentRefusalReason, NamesTheLineAndWhatItShouldHold) {
    Lines lines = documentLines(sampleDocument());
    if (GetParam().text) lines[GetParam().line] = GetParam().text;
    else lines.resize(GetParam().line);
    std::string problem;
    EXPECT_FALSE(parseDocument(lines, &problem).has_value());
    EXPECT_EQ(problem, GetParam().problem) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentRefusalReason, ::testing::Values(
    Refusal{"empty file", 0, nullptr, "1 行目に \"#parameters\" が必要ですが、ファイルが空です"},
    Refusal{"first line", 0, "#parameter", "1 行目に \"#parameters\" が必要ですが、\"#parameter\" です"},
    Refusal{"count", 1, "3x", "2 行目にパラメータエリアの行数（0 以上の整数）が必要ですが、\"3x\" です"},
    Refusal{"negative count", 1, "-1", "2 行目にパラメータエリアの行数（0 以上の整数）が必要ですが、\"-1\" です"},
    Refusal{"count past the file", 1, "99999",
            "100002 行目に \"#program\" が必要ですが、ファイルは 23 行で終わっています（パラメータエリアは 99999 行）"},
    Refusal{"program mark", 5, "#program ",
            "6 行目に \"#program\" が必要ですが、\"#program \" です（パラメータエリアは 3 行）"},
    Refusal{"program count", 6, "two",
            "7 行目にプログラムエリアの行数（0 以上の整数）が必要ですが、\"two\" です（パラメータエリアは 3 行）"},
    Refusal{"precision", 11, "12.5",
            "12 行目に表示桁数（整数）が必要ですが、\"12.5\" です（パラメータエリア 3 行、プログラムエリア 2 行）"},
    Refusal{"graph width", 22, "+-5",
            "23 行目にグラフウィンドウの幅（整数）が必要ですが、\"+-5\" です（パラメータエリア 3 行、プログラムエリア 2 行）"},
    Refusal{"missing panel width", 18, nullptr,
            "19 行目にエディタパネルの幅（整数）が必要ですが、ファイルは 18 行で終わっています"
            "（パラメータエリア 3 行、プログラムエリア 2 行）"},
    Refusal{"long line", 0, "0123456789012345678901234567890123456789αβγ",
            "1 行目に \"#parameters\" が必要ですが、\"0123456789012345678901234567890123456789…\" です"}));

TEST(DocumentRefusalText, TheSystemMessageComesFirstAndTheReasonAfterIt) {
    EXPECT_EQ(documentRefusal("2 行目に…"), "指定されたファイルのデータが正しくありません\n2 行目に…");
}

TEST_F(DocumentFile, ASavedDocumentEndsWithTheMarkAndReadsBackThroughTheFile) {
    const auto path = folder / "katakana.qbxsrc";
    Document d = sampleDocument();
    d.programLines = {"b = a*2; // ﾎｱ"};
    ASSERT_EQ(saveDocument(path, d), "");
    const std::string bytes = testing::readBytes(path);
    EXPECT_TRUE(bytes.ends_with("\r\n300\r\n40\r\n500\r\n// encoding: cp932\r\n"));
    EXPECT_NE(bytes.find("// \xCE\xB1\r\n"), std::string::npos);
    EXPECT_EQ(loadDocument(path), d);
}

TEST_F(DocumentFile, AnUnreadableOrUndecodableDocumentSaysWhy) {
    const auto missing = folder / "missing.qbxsrc";
    EXPECT_EQ(readDocument(missing).problem, "ファイル \"" + missing.string() + "\" を読み込めません");
    const auto bad = folder / "bad.qbxsrc";
    testing::writeBytes(bad, "#parameters\r\n0\r\n#program\r\n1\r\nx = 1; // \x82\r\n");
    const DocumentReading reading = readDocument(bad);
    EXPECT_FALSE(reading.document.has_value());
    EXPECT_EQ(reading.problem, "UTF-8 としては 5 行目が、Shift-JIS としては 5 行目が読めません");
}

}  // namespace
}  // namespace zentra
