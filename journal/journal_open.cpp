#include "journal/journal.h"
#include "journal/schema.h"
#include "journal/statement.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::journal {
namespace {

constexpr int kBusyMilliseconds = 5000;

OpenResult refused(OpenProblem problem, std::string message) {
    return OpenResult{nullptr, problem, std::move(message)};
}

std::string leftAsItIs(const std::string& path, const std::string& what) {
    return path + " " + what + "; the file is left as it is.";
}

// A connection that only reads, and what reading the schema gave.
struct Probe {
    sqlite3* Db = nullptr;
    int Code = SQLITE_OK;
    std::int64_t Tables = 0;
};

// A journal left by a program that was killed needs its WAL index rebuilt before it can be read, which a
// read-only connection cannot do. When the file may be written, a read-write connection that never
// checkpoints does it, touching only the index file beside the journal.
Probe probe(const std::string& path, bool mayRecover) {
    Probe result;
    for (const int flags : {SQLITE_OPEN_READONLY, SQLITE_OPEN_READWRITE}) {
        sqlite3_close_v2(result.Db);
        result = Probe{};
        result.Code = sqlite3_open_v2(path.c_str(), &result.Db, flags, nullptr);
        if (result.Code != SQLITE_OK) break;
        sqlite3_busy_timeout(result.Db, kBusyMilliseconds);
        sqlite3_db_config(result.Db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        Statement tables(result.Db, "SELECT count(*) FROM sqlite_schema");
        result.Code = tables.step();
        if (result.Code == SQLITE_ROW) result.Tables = tables.integer(0);
        if (!mayRecover || (result.Code != SQLITE_READONLY && result.Code != SQLITE_BUSY)) break;
    }
    return result;
}

// Looks at an existing file without writing to it, so that nothing is written to a file that turns out not
// to be a usable journal. Reading alone skips the integrity check, which reads the whole file: damage it
// meets shows as a read error.
std::optional<OpenResult> inspect(const std::string& path, Access access, bool mayRecover) {
    const Probe looked = probe(path, mayRecover);
    sqlite3* db = looked.Db;
    std::optional<OpenResult> problem;
    const auto applicationId = queryInteger(db, "PRAGMA application_id").value_or(0);
    const auto version = queryInteger(db, "PRAGMA user_version").value_or(0);
    if (looked.Code == SQLITE_NOTADB) {
        problem = refused(OpenProblem::kNotAJournal, leftAsItIs(path, "is not a Tavolin journal"));
    } else if (looked.Code == SQLITE_READONLY) {
        problem = refused(OpenProblem::kReadOnly,
                          leftAsItIs(path, "is read-only and cannot be read before a program that may write "
                                           "to it has opened it again"));
    } else if (looked.Code != SQLITE_ROW) {
        problem = refused(OpenProblem::kDamaged, leftAsItIs(path, "is damaged and cannot be read"));
    } else if (applicationId != kApplicationId && (version != 0 || looked.Tables != 0)) {
        problem =
            refused(OpenProblem::kNotAJournal,
                    leftAsItIs(path, "is an SQLite database of another program, not a Tavolin journal"));
    } else if (version > kSchemaVersion) {
        problem = refused(OpenProblem::kNewerVersion,
                          leftAsItIs(path, "was written by a newer Tavolin (journal version " +
                                               std::to_string(version) + "; this one reads up to " +
                                               std::to_string(kSchemaVersion) + ")"));
    } else if (access == Access::kReadWrite) {
        Statement check(db, "PRAGMA quick_check");
        if (check.step() != SQLITE_ROW || check.text(0) != "ok")
            problem =
                refused(OpenProblem::kDamaged, leftAsItIs(path, "is damaged (its integrity check fails)"));
    }
    sqlite3_close_v2(db);
    return problem;
}

bool writable(const std::string& path, const struct stat& status) {
    // Root may write anywhere; a file without write permission is still meant to stay as it is.
    return (status.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

} // namespace

OpenResult Journal::readOnly(const std::string& path, bool mayRecover) {
    const Probe looked = probe(path, mayRecover);
    if (looked.Code != SQLITE_ROW) {
        sqlite3_close_v2(looked.Db);
        return refused(OpenProblem::kCannotWrite, path + " cannot be read.");
    }
    return OpenResult{std::unique_ptr<Journal>(new Journal(looked.Db, path)), OpenProblem::kNone, {}};
}

std::string writeProblem(int code) {
    switch (code & 0xff) {
    case SQLITE_FULL:
        return "the disk is full";
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return "it cannot be written to";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "another program kept it busy";
    case SQLITE_IOERR:
        return "the disk reported an error";
    default:
        return sqlite3_errstr(code);
    }
}

OpenResult Journal::open(const std::string& path, Access access) {
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (!exists && access == Access::kReadOnly)
        return refused(OpenProblem::kMissing, path + " does not exist: no answers have been recorded there.");
    if (exists) {
        if (!S_ISREG(status.st_mode))
            return refused(OpenProblem::kNotAJournal, leftAsItIs(path, "is not a file"));
        const bool mayWrite = writable(path, status);
        if (auto problem = inspect(path, access, mayWrite)) return std::move(*problem);
        if (access == Access::kReadOnly) return readOnly(path, mayWrite);
        if (!mayWrite) return refused(OpenProblem::kReadOnly, leftAsItIs(path, "is read-only"));
    }
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
    int code = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyMilliseconds);
        Statement wal(db, "PRAGMA journal_mode = WAL");
        code = wal.step();
        if (code == SQLITE_ROW) code = wal.text(0) == "wal" ? SQLITE_OK : SQLITE_CANTOPEN;
    }
    // In WAL mode NORMAL keeps every committed answer when the program is killed or crashes; only a power
    // cut may lose the last few. FULL would sync each commit and take several times as long.
    // Checkpoints sync the disk and make a recording wait: do one now and let the WAL grow to about 16 MB
    // (a thousand answers or so) before the next, so that a session seldom meets one.
    if (code == SQLITE_OK)
        code = execute(
            db, "PRAGMA foreign_keys = ON; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 4000; "
                "PRAGMA wal_checkpoint(PASSIVE)");
    if (code == SQLITE_OK) code = migrate(db);
    if (code != SQLITE_OK) {
        sqlite3_close_v2(db);
        const std::string what = exists ? "cannot be written to (" : "cannot be created (";
        return refused(OpenProblem::kCannotWrite, leftAsItIs(path, what + writeProblem(code) + ")"));
    }
    return OpenResult{std::unique_ptr<Journal>(new Journal(db, path)), OpenProblem::kNone, {}};
}

Journal::~Journal() {
    sqlite3_close_v2(Db);
}

bool Journal::succeeded(int code) {
    LastError = code == SQLITE_OK || code == SQLITE_DONE || code == SQLITE_ROW
                    ? std::string()
                    : "cannot save to " + Path + ": " + writeProblem(code);
    return LastError.empty();
}

} // namespace tavolin::journal
