// dpmr-tool given what a careless or hostile user gives it: a folder or an unreadable file as
// the settings document, one file twice in two spellings, named pipes and device nodes, names
// full of terminal escapes, and a file-size limit. Each ends with one clear line and exit 1
// (2 for usage), and no file changes that was not asked to.

#include "link_test_support.h"

#include "../core/fifo_rescue.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dpmr::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::FifoRescue;

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

class ToolOddInput : public ::testing::Test {
protected:
    void SetUp() override {
        plug = dir.File("plug.dat");
        ASSERT_EQ(RunTool({"new", plug}).exitCode, 0);
        before = ReadFileBytes(plug);
    }
    void ExpectPlugUnchanged() const { EXPECT_EQ(ReadFileBytes(plug), before) << plug; }

    TempDir dir;
    std::string plug;
    std::vector<std::uint8_t> before;
};

TEST_F(ToolOddInput, ApplyWithAFolderOrAnUnreadableDocumentAppliesNothing) {
    const std::string folder = dir.File("changes.toml");
    fs::create_directory(folder);
    ToolRun run = RunTool({"apply", plug, folder});
    EXPECT_EQ(run.exitCode, 1) << "a folder applied as an empty document";
    EXPECT_TRUE(Has(run.err, "changes.toml\": Is a directory; " + plug + " unchanged")) << run.err;
    ExpectPlugUnchanged();

    // A read that fails (here at its first byte) applies nothing either.
    run = RunTool({"apply", plug, "/proc/self/mem"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(Has(run.err, "Cannot read \"/proc/self/mem\": Input/output error")) << run.err;
    ExpectPlugUnchanged();
}

TEST_F(ToolOddInput, AFleetReadRefusesOneFileInTwoSpellings) {
    const std::string same = dir.File("same.dat");
    const std::string link = dir.File("link.dat");
    ASSERT_EQ(::symlink("same.dat", link.c_str()), 0);
    const std::vector<std::string> ports{"--port", dir.File("tty-a"), "--port", dir.File("tty-b")};
    for (const std::string &other : {dir.Path() + "/./same.dat", link, same}) {
        std::vector<std::string> args{"read"};
        args.insert(args.end(), ports.begin(), ports.end());
        args.insert(args.end(), {same, other});
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 2) << other << ": " << run.err;
        EXPECT_TRUE(Has(run.err, " is given twice")) << run.err;
    }
    EXPECT_FALSE(fs::exists(same));
}

TEST_F(ToolOddInput, NamedPipesDoNotHangAndAreNotReplaced) {
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    FifoRescue rescue(fifo, 3s);
    for (const std::vector<std::string> &args : {std::vector<std::string>{"info", fifo},
                                                 {"set", fifo, "basic.sql=7"},
                                                 {"import-csv", fifo, fifo}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << args[0] << ": " << run.err;
        EXPECT_TRUE(Has(run.err, "pipe\": a named pipe, not a file")) << args[0] << ": " << run.err;
    }
    // A document or a channel list may come through a pipe, but one nobody writes to is empty.
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"apply", plug, fifo}, {"import-csv", plug, fifo}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << args[0] << ": " << run.err;
        EXPECT_TRUE(Has(run.err, "nothing came through the pipe")) << args[0] << ": " << run.err;
    }
    EXPECT_FALSE(rescue.rescued) << "the tool waited in open() for a writer";
    EXPECT_TRUE(fs::is_fifo(fifo));
    ExpectPlugUnchanged();
}

// As root, "set /dev/zero ..." loaded zeros and renamed a file over the device node. A node
// of our own stands in for it.
TEST_F(ToolOddInput, ADeviceIsNoCodePlug) {
    const std::string node = dir.File("zero");
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 5)) != 0)
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"set", node, "basic.sql=7"},
          {"info", node},
          {"apply", plug, node},
          {"export-csv", plug, node}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << args[0] << ": " << run.err;
        EXPECT_TRUE(Has(run.err, "zero\": a device, not a file")) << args[0] << ": " << run.err;
    }
    EXPECT_TRUE(fs::is_character_file(node)) << "the device node was replaced";
    ExpectPlugUnchanged();
}

TEST_F(ToolOddInput, NamesWithTerminalEscapesAreShownEscapedAndCut) {
    const std::string escape = "\x1B[2J\x1B]0;owned\x07";
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"set", plug, escape + "=1"},
          {"set", plug, "basic." + escape + std::string(100000, 'x') + "=1"},
          {"set", plug, escape},
          {"get", plug, escape},
          {"dump", plug, "--section", escape},
          {"info", dir.File(escape)},
          {"read", "--port", dir.File(escape), dir.File("r.dat")}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << run.err.substr(0, 300);
        EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err.substr(0, 300);
        EXPECT_EQ(run.err.find('\x07'), std::string::npos) << run.err.substr(0, 300);
        EXPECT_TRUE(Has(run.err, "\\x1B[2J\\x1B]0;owned\\x07")) << run.err.substr(0, 300);
        EXPECT_LT(run.err.size(), 1000u) << run.err.substr(0, 300);
    }
    ExpectPlugUnchanged();
}

// Runs the tool with a file-size limit of `bytes`; its stderr and how it ended.
struct LimitedRun {
    bool exited = false;
    int code = -1;
    std::string err;
};

LimitedRun RunToolWithFileSizeLimit(rlim_t bytes, const std::vector<std::string> &args,
                                    const std::string &errFile) {
    std::vector<std::string> words{DPMR_TOOL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (auto &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit limit{bytes, bytes};
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || err < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    LimitedRun run;
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return run;
    run.exited = WIFEXITED(status);
    run.code = run.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    const auto bytesOfErr = ReadFileBytes(errFile);
    run.err.assign(bytesOfErr.begin(), bytesOfErr.end());
    return run;
}

TEST_F(ToolOddInput, AFileSizeLimitIsAWriteErrorAndLeavesNoTemporaryFile) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string fresh = dir.File("fresh.dat");
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"new", fresh}, {"set", plug, "basic.sql=7"}}) {
        const LimitedRun run = RunToolWithFileSizeLimit(4096, args, errFile);
        EXPECT_TRUE(run.exited) << args[0] << ": killed by signal " << run.code;
        EXPECT_EQ(run.code, 1) << args[0];
        EXPECT_TRUE(Has(run.err, "File too large")) << args[0] << ": " << run.err;
    }
    for (const std::string &name : dir.Names())
        EXPECT_EQ(name.find(".dpmr-save-"), std::string::npos) << name << " left behind";
    EXPECT_FALSE(fs::exists(fresh));
    ExpectPlugUnchanged();
}

} // namespace
} // namespace dpmr::test
