// The program runs on one thread: nothing it does in a normal run inserts a Time Manager task,
// the only thing that would start another.
#include "ProgramRun.h"

using namespace endtoend;

namespace {

long ThreadsOf(pid_t pid) {
    std::error_code error;
    const std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task",
                                                    error);
    return error ? -1 : std::distance(begin(tasks), end(tasks));
}

} // namespace

TEST_F(ProgramTest, OneThreadWhileWaitingForInputInTheListAndTheEditor) {
    const std::string listShown = domains.temp() / "list-shown",
                      editorShown = domains.temp() / "editor-shown";
    Started run = Start("print\nawait " + Quoted(listShown) + "\nclick item 14\nprint\nawait " +
                        Quoted(editorShown) + "\nquit\n");
    ASSERT_TRUE(AwaitScreens(run, 1));
    EXPECT_EQ(ThreadsOf(run.pid), 1) << "with the list shown";
    WriteFile(listShown, "");
    ASSERT_TRUE(AwaitScreens(run, 2));
    EXPECT_EQ(ThreadsOf(run.pid), 1) << "with the editor open";
    WriteFile(editorShown, "");
    RunResult result = Finish(run);
    EXPECT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(result.screens.size(), 2u) << result.out;
    EXPECT_EQ(result.screens[1].front().title, kEditorTitle) << result.out;
}
