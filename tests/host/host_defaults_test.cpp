// A host that supplies only the text areas, the status texts and message
// boxes: every other window is optional, and Exec runs as a headless build needs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

class TextOnlyHost : public Host {
public:
    TextArea& programArea() override { return program; }
    TextArea& parameterArea() override { return parameters; }
    OutputModel& outputArea() override { return output; }
    TextArea& monitorTokens() override { return tokens; }
    TextArea& monitorSymbols() override { return symbols; }
    TextArea& monitorMessages() override { return messages; }
    void setStatusText(int panel, std::string_view text) override {
        if (panel == 0) status = text;
    }
    void messageBox(std::string_view text) override { boxes.emplace_back(text); }

    MemoryTextArea program, parameters, tokens, symbols, messages;
    OutputModel output;
    std::string status;
    std::vector<std::string> boxes;
};

TEST(HostDefaults, ASweepWithAGraphRunsWithoutAnyWindow) {
    TextOnlyHost host;
    Session session(host);
    host.parameters.setLines({"x = 1, 2;"});
    host.program.setLines({"y = x * 10", "graph(y)"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(host.output.lines(), (std::vector<std::string>{"【 x=1 】", "y = 10", "【 x=2 】", "y = 20"}));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(session.programHistory, (std::vector<std::string>{"y=x*10", "graph(y)"}));
}

TEST(HostDefaults, AnErrorInAUserFunctionIsReportedWithoutAnEditorWindow) {
    TextOnlyHost host;
    Session session(host);
    session.functionStore = FunctionStore({"#f", "f(x)", "{", "return x * ;", "}"});
    host.program.setLines({"y = f(2)"});
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    const std::vector<std::string> out = host.output.lines();
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0].rfind("error ", 0), 0u) << out[0];
    EXPECT_EQ(host.status, "ユーザ関数の記述にエラーがあります");
}

}  // namespace
}  // namespace zentra
