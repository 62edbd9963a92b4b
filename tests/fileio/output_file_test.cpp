#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/output_file.h"

namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/output_file_XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~Folder() { fs::remove_all(path_); }
    std::string path(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Every name in the folder, hidden ones included, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(path_)) {
            all.push_back(entry.path().filename().string());
        }
        std::sort(all.begin(), all.end());
        return all;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// An output file whose bytes stop reaching the disk at the given call.
class FailingOutputFile : public fileio::OutputFile {
public:
    explicit FailingOutputFile(int failingCall) : failingCall_(failingCall) {}

protected:
    bool writeOut(int fd, const char* data, std::size_t size) override {
        if (++calls_ == failingCall_) return false;
        return OutputFile::writeOut(fd, data, size);
    }

private:
    int failingCall_;
    int calls_ = 0;
};

unsigned modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return static_cast<unsigned>(info.st_mode) & 07777;
}

// Content large enough to pass through the buffer several times.
const std::string kLarge = [] {
    std::string text;
    for (int i = 0; text.size() < 300000; ++i) text += std::to_string(i) + "\n";
    return text;
}();

enum class Ending { Close, WriteError, LateWriteError, Failed, Discard, Abandon };

struct EndingCase {
    const char* name;
    Ending ending;
    bool replaced;  // the new content is in place afterwards
};

const EndingCase kEndings[] = {
    {"closed after every write", Ending::Close, true},
    {"write error at the first bytes out", Ending::WriteError, false},
    {"write error after bytes reached the file", Ending::LateWriteError, false},
    {"failed by the caller", Ending::Failed, false},
    {"discarded", Ending::Discard, false},
    {"dropped without close", Ending::Abandon, false},
};

// Runs one writing of kLarge to `path`, ended as the case says; returns close()'s answer.
bool runEnding(const std::string& path, Ending ending) {
    const int failingCall = ending == Ending::WriteError       ? 1
                            : ending == Ending::LateWriteError ? 3
                                                               : 0;
    FailingOutputFile file(failingCall);
    EXPECT_TRUE(file.open(path));
    // In pieces, as a writer does, so that the buffer goes out several times.
    for (std::size_t at = 0; at < kLarge.size(); at += 1000) file.write(kLarge.substr(at, 1000));
    switch (ending) {
        case Ending::Failed:
            file.fail();
            break;
        case Ending::Discard:
            file.discard();
            return false;
        case Ending::Abandon:
            return false;
        default:
            break;
    }
    return file.close();
}

TEST(OutputFile, AnExistingTargetIsReplacedOnlyByACompleteFile) {
    for (const EndingCase& c : kEndings) {
        SCOPED_TRACE(c.name);
        Folder folder;
        folder.write("map.txt", "previous\n");
        EXPECT_EQ(runEnding(folder.path("map.txt"), c.ending), c.replaced);
        EXPECT_TRUE(folder.read("map.txt") == (c.replaced ? kLarge : "previous\n"));
        EXPECT_EQ(folder.names(), std::vector<std::string>{"map.txt"});
    }
}

TEST(OutputFile, ANewTargetExistsOnlyAfterACompleteFile) {
    for (const EndingCase& c : kEndings) {
        SCOPED_TRACE(c.name);
        Folder folder;
        EXPECT_EQ(runEnding(folder.path("new.met"), c.ending), c.replaced);
        EXPECT_EQ(folder.names(),
                  c.replaced ? std::vector<std::string>{"new.met"} : std::vector<std::string>{});
    }
}

TEST(OutputFile, TheTargetIsUntouchedWhileTheFileIsOpen) {
    Folder folder;
    folder.write("map.ai", "previous\n");
    fileio::OutputFile file;
    ASSERT_TRUE(file.open(folder.path("map.ai")));
    file.write(kLarge);
    EXPECT_EQ(folder.read("map.ai"), "previous\n");
    // The temporary file is hidden and lives beside the target.
    const std::vector<std::string> names = folder.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].rfind(".map.ai.", 0), 0u);
    EXPECT_TRUE(file.close());
    EXPECT_TRUE(folder.read("map.ai") == kLarge);
}

struct ModeCase {
    const char* name;
    mode_t umask;
    int existingMode;  // -1: no file before
    unsigned expected;
};

const ModeCase kModes[] = {
    {"new file, umask 022", 022, -1, 0644},
    {"new file, umask 027", 027, -1, 0640},
    {"new file, umask 0", 0, -1, 0666},
    {"existing 0600 keeps it", 022, 0600, 0600},
    {"existing 0664 keeps it under umask 077", 077, 0664, 0664},
    {"existing executable keeps it", 022, 0755, 0755},
};

TEST(OutputFile, TheReplacementHasTheModeOfTheFileItReplacesOrOfANewFile) {
    for (const ModeCase& c : kModes) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const std::string path = folder.path("grid.txt");
        if (c.existingMode >= 0) {
            folder.write("grid.txt", "old");
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.existingMode)), 0);
        }
        const mode_t previous = ::umask(c.umask);
        fileio::OutputFile file;
        const bool opened = file.open(path);
        file.write("new");
        const bool closed = file.close();
        ::umask(previous);
        ASSERT_TRUE(opened && closed);
        EXPECT_EQ(modeOf(path), c.expected);
    }
}

TEST(OutputFile, ALinkStaysALinkAndTheFileBehindItIsReplaced) {
    Folder folder;
    folder.write("real.txt", "old");
    ASSERT_EQ(::symlink("real.txt", folder.path("link.txt").c_str()), 0);
    fileio::OutputFile file;
    ASSERT_TRUE(file.open(folder.path("link.txt")));
    file.write("new");
    ASSERT_TRUE(file.close());
    EXPECT_TRUE(fs::is_symlink(folder.path("link.txt")));
    EXPECT_EQ(folder.read("real.txt"), "new");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.txt", "real.txt"}));
}

TEST(OutputFile, AFileThatMayNotBeOpenedForWritingIsNotReplaced) {
    Folder folder;
    folder.write("locked.txt", "old");
    const std::string path = folder.path("locked.txt");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    // Whatever opening it for writing says (a superuser may), replacing says the same.
    const int probe = ::open(path.c_str(), O_WRONLY);
    const bool writable = probe >= 0;
    if (probe >= 0) ::close(probe);
    fileio::OutputFile file;
    EXPECT_EQ(file.open(path), writable);
    file.discard();
    EXPECT_EQ(folder.read("locked.txt"), "old");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"locked.txt"});
}

TEST(OutputFile, ADirectoryOrAMissingFolderDoesNotOpen) {
    Folder folder;
    fileio::OutputFile file;
    EXPECT_FALSE(file.open(folder.path("")));
    EXPECT_FALSE(file.open(folder.path("missing/map.txt")));
    EXPECT_TRUE(folder.names().empty());
}

TEST(OutputFile, DevicesAreWrittenDirectly) {
    fileio::OutputFile full;
    ASSERT_TRUE(full.open("/dev/full"));
    full.write(kLarge);
    EXPECT_FALSE(full.close());
    fileio::OutputFile null;
    ASSERT_TRUE(null.open("/dev/null"));
    null.write(kLarge);
    EXPECT_TRUE(null.close());
    for (const auto& entry : fs::directory_iterator("/dev")) {
        const std::string name = entry.path().filename().string();
        EXPECT_NE(name.rfind(".full.", 0), 0u) << name;
        EXPECT_NE(name.rfind(".null.", 0), 0u) << name;
    }
}

TEST(OutputFile, ANamedPipeIsWrittenDirectlyAndOnlyWithAReader) {
    Folder folder;
    const std::string pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fileio::OutputFile withoutReader;
    EXPECT_FALSE(withoutReader.open(pipe));

    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fileio::OutputFile file;
    ASSERT_TRUE(file.open(pipe));
    file.write("through the pipe\n");
    EXPECT_TRUE(file.close());
    char bytes[64] = {};
    EXPECT_EQ(::read(reader, bytes, sizeof bytes), 17);
    EXPECT_STREQ(bytes, "through the pipe\n");
    ::close(reader);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"pipe"});
}

TEST(OutputFile, DashIsStandardOutputAndStaysOpen) {
    Folder folder;
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int capture = ::open(folder.path("captured").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(capture, 0);
    ::dup2(capture, STDOUT_FILENO);
    ::close(capture);
    bool written = false;
    {
        fileio::OutputFile file;
        if (file.open("-")) {
            file.write("first\n");
            written = file.close();
        }
    }
    const bool stillOpen = ::write(STDOUT_FILENO, "second\n", 7) == 7;
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    EXPECT_TRUE(written);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(folder.read("captured"), "first\nsecond\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"captured"});
}

}  // namespace
