#include "journal/statement.h"

namespace tavolin::journal {

Statement::Statement(sqlite3* db, std::string_view sql) {
    PrepareCode = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &Handle, nullptr);
    if (PrepareCode != SQLITE_OK) {
        sqlite3_finalize(Handle);
        Handle = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(Handle);
}

Statement& Statement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(Handle, index, value);
    return *this;
}

Statement& Statement::bind(int index, double value) {
    sqlite3_bind_double(Handle, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
    sqlite3_bind_text(Handle, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<double>& value) {
    if (value) return bind(index, *value);
    sqlite3_bind_null(Handle, index);
    return *this;
}

int Statement::step() {
    return Handle == nullptr ? PrepareCode : sqlite3_step(Handle);
}

void Statement::reset() {
    sqlite3_reset(Handle);
    sqlite3_clear_bindings(Handle);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(Handle, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(Handle, column);
}

std::optional<double> Statement::optionalReal(int column) const {
    if (sqlite3_column_type(Handle, column) == SQLITE_NULL) return std::nullopt;
    return real(column);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(Handle, column);
    if (bytes == nullptr) return {};
    return std::string(reinterpret_cast<const char*>(bytes),
                       static_cast<std::size_t>(sqlite3_column_bytes(Handle, column)));
}

int execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

std::optional<std::int64_t> queryInteger(sqlite3* db, std::string_view sql) {
    Statement query(db, sql);
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return query.integer(0);
}

} // namespace tavolin::journal
