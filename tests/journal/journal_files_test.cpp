#include "journal/journal_path.h"
#include "journal/schema.h"
#include "journal/statement.h"
#include "tests/journal/journal_test_support.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace tavolin::journal {
namespace {

void runSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK) << message;
    sqlite3_free(message);
    sqlite3_close(db);
}

// A journal with enough answers to fill several pages, closed so that everything is in the main file.
void makeJournal(const std::string& path) {
    const auto journal = openOrFail(path);
    const auto session = journal->startSession(1000, "test");
    for (int pot = 1; pot <= 40; ++pot)
        journal->record(session, journal->spotId(sampleSpot(pot)),
                        sampleAnswer("outs", pot % 2 == 0, 1000 + pot));
}

TEST(JournalFile, BadFilesAreReportedAndLeftByteForByte) {
    TempFolder folder;
    struct Case {
        std::string Name;
        OpenProblem Problem;
        std::string Says;
    };
    const std::vector<Case> cases{{"text", OpenProblem::kNotAJournal, "is not a Tavolin journal"},
                                  {"other", OpenProblem::kNotAJournal, "another program"},
                                  {"damaged", OpenProblem::kDamaged, "is damaged"},
                                  {"newer", OpenProblem::kNewerVersion, "newer Tavolin (journal version 99"},
                                  {"readonly", OpenProblem::kReadOnly, "is read-only"},
                                  {"folder", OpenProblem::kNotAJournal, "is not a file"}};
    std::ofstream(folder.file("text")) << "hand 1: Ah Kh\n" + std::string(5000, 'x');
    runSql(folder.file("other"), "CREATE TABLE notes (text); INSERT INTO notes VALUES ('mine')");
    makeJournal(folder.file("damaged"));
    std::string bytes = bytesOf(folder.file("damaged"));
    for (std::size_t at = 4096; at < bytes.size(); at += 4096)
        bytes.replace(at + 8, 200, std::string(200, '\x5a'));
    std::ofstream(folder.file("damaged"), std::ios::binary) << bytes;
    makeJournal(folder.file("newer"));
    runSql(folder.file("newer"), "PRAGMA user_version = 99");
    makeJournal(folder.file("readonly"));
    chmod(folder.file("readonly").c_str(), 0444);
    std::filesystem::create_directory(folder.file("folder"));

    for (const Case& bad : cases) {
        const std::string path = folder.file(bad.Name);
        const std::string before = bytesOf(path);
        const OpenResult opened = Journal::open(path);
        EXPECT_FALSE(opened.Opened) << bad.Name;
        EXPECT_EQ(opened.Problem, bad.Problem) << bad.Name << ": " << opened.Message;
        EXPECT_NE(opened.Message.find(path + " "), std::string::npos) << opened.Message;
        EXPECT_NE(opened.Message.find(bad.Says), std::string::npos) << opened.Message;
        EXPECT_NE(opened.Message.find("left as it is"), std::string::npos) << opened.Message;
        EXPECT_EQ(bytesOf(path), before) << bad.Name;
    }
    // A read-only journal can still be read, and reading writes nothing.
    const std::string before = bytesOf(folder.file("readonly"));
    const OpenResult reader = Journal::open(folder.file("readonly"), Access::kReadOnly);
    ASSERT_TRUE(reader.Opened) << reader.Message;
    std::ostringstream lines;
    EXPECT_TRUE(reader.Opened->exportAnswers(lines));
    EXPECT_EQ(lineCount(lines.str()), 40);
    EXPECT_EQ(bytesOf(folder.file("readonly")), before);
    EXPECT_EQ(Journal::open(folder.file("absent"), Access::kReadOnly).Problem, OpenProblem::kMissing);
    EXPECT_EQ(Journal::open(folder.file("no/such/folder/j")).Problem, OpenProblem::kCannotWrite);
}

// A full disk, as a child process whose files may not grow past a limit: the failed write is reported,
// and every answer recorded before it is in a sound file.
TEST(JournalFile, AFullDiskIsReportedAndLosesNothingRecorded) {
    TempFolder folder;
    const std::string path = folder.file("j");
    openOrFail(path);
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512 * 1024, 512 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto journal = Journal::open(path).Opened;
        const auto session = journal ? journal->startSession(1000, "test") : 0;
        for (int pot = 1; session != 0 && pot < 250; ++pot) {
            const auto spot = journal->spotId(sampleSpot(pot));
            if (spot == 0 ||
                journal->record(session, spot, sampleAnswer("outs", false, 1000)) != Recorded::kNew)
                _exit(journal->lastError().starts_with("cannot save to " + path + ": ") ? pot - 1 : 254);
        }
        _exit(255);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_LT(WEXITSTATUS(status), 250);
    std::ostringstream lines;
    openOrFail(path)->exportAnswers(lines);
    EXPECT_EQ(lineCount(lines.str()), WEXITSTATUS(status));
    EXPECT_GT(WEXITSTATUS(status), 0);
}

TEST(JournalFile, FirstVersionMigratesKeepingItsAnswers) {
    TempFolder folder;
    const std::string path = folder.file("v1.sqlite3");
    runSql(path, bytesOf(std::string(TAVOLIN_TEST_SOURCE_DIR) + "/first_version.sql"));
    {
        const auto journal = openOrFail(path);
        std::ostringstream lines;
        ASSERT_TRUE(journal->exportAnswers(lines));
        EXPECT_TRUE(
            lines.str().starts_with(R"({"time":"2025-10-09T08:55:00Z","session":1,"spot":{"hole":"Ad 7d")"))
            << lines.str();
        EXPECT_EQ(journal->dueCount(1760000100), 1);
        EXPECT_TRUE(journal->saveRange("tight", "TT+", 1));
        EXPECT_TRUE(journal->setSetting("preflop", "nit"));
    }
    const auto again = openOrFail(path);
    EXPECT_EQ(again->loadRange("tight"), "TT+");
    EXPECT_EQ(again->setting("preflop"), "nit");
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    EXPECT_EQ(queryInteger(db, "PRAGMA user_version"), kSchemaVersion);
    EXPECT_EQ(queryInteger(db, "SELECT count(*) FROM sqlite_schema WHERE name = 'reviews_by_due'"), 1);
    sqlite3_close(db);
}

TEST(JournalFile, NamedRangesAndSettingsKeepTheirLatestValue) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    EXPECT_TRUE(journal->saveRange("wide", "22+", 1));
    EXPECT_TRUE(journal->saveRange("wide", "33+", 2));
    EXPECT_TRUE(journal->saveRange("tight", "QQ+", 3));
    EXPECT_FALSE(journal->renameRange("wide", "tight"));
    EXPECT_TRUE(journal->renameRange("wide", "loose"));
    EXPECT_FALSE(journal->removeRange("wide"));
    EXPECT_TRUE(journal->removeRange("tight"));
    ASSERT_EQ(journal->namedRanges().size(), 1u);
    EXPECT_EQ(journal->namedRanges()[0].Name + " " + journal->namedRanges()[0].Text, "loose 33+");
    EXPECT_TRUE(journal->setSetting("table", "Ah Kh"));
    EXPECT_TRUE(journal->setSetting("table", "Ad 7d"));
    EXPECT_EQ(journal->setting("table"), "Ad 7d");
}

TEST(JournalFile, TheDefaultPlaceFollowsXdgDataHomeOrHomeAndIsMade) {
    TempFolder folder;
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
    EXPECT_EQ(defaultJournalPath(), folder.file("data/tavolin/journal.sqlite3"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("data/tavolin")));
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", folder.file("home").c_str(), 1);
    EXPECT_EQ(defaultJournalPath(), folder.file("home/.local/share/tavolin/journal.sqlite3"));
    setenv("HOME", home.c_str(), 1);
}

} // namespace
} // namespace tavolin::journal
