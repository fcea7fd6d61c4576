#include "platform/registry_store.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace platform {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// A prepared statement that finalises itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  explicit operator bool() const { return stmt_ != nullptr; }
  sqlite3_stmt* get() const { return stmt_; }
  void Text(int index, const std::string& text) {
    sqlite3_bind_text(stmt_, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

const char* kSchema =
    "CREATE TABLE IF NOT EXISTS registry_values ("
    " key TEXT NOT NULL, name TEXT NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL,"
    " PRIMARY KEY (key, name))";

// Other programs may make the table: without one value per key and name
// every save would add rows beside the old ones.
const char* kShapeCheck =
    "SELECT (SELECT count(*) FROM pragma_table_info('registry_values')"
    "        WHERE name IN ('key', 'name', 'type', 'data')) = 4"
    " AND (SELECT count(*) FROM pragma_index_list('registry_values') AS i"
    "      WHERE i.\"unique\" AND NOT i.partial AND"
    "      (SELECT group_concat(name) FROM (SELECT name FROM pragma_index_info(i.name) ORDER BY seqno))"
    "      IN ('key,name', 'name,key')) > 0";

const char* kTableExists = "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'registry_values'";

bool Answers(sqlite3* db, const char* sql) {
  Statement s(db, sql);
  return s && sqlite3_step(s.get()) == SQLITE_ROW && sqlite3_column_int(s.get(), 0) == 1;
}

std::string Seconds(std::chrono::milliseconds wait) {
  const auto tenths = (wait.count() + 50) / 100;
  return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + " s";
}

}  // namespace

std::string RegistryStore::DefaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (config && *config) {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home ? home : ".") / ".config";
  }
  return (base / "Quandrell" / "registry.db").string();
}

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {}

RegistryStore::~RegistryStore() {
  if (db_) sqlite3_close(db_);
}

bool RegistryStore::Exec(const char* sql) {
  return Done(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr));
}

bool RegistryStore::Fail(const std::string& why) {
  lastError_ = why;
  return false;
}

// Notes why a statement failed; a lock held past the wait says so.
bool RegistryStore::Done(int rc) {
  if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW) return true;
  if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
    return Fail("another program holds it locked (waited " + Seconds(lockWait_) + ")");
  return Fail(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
}

int RegistryStore::OnBusy(void* context, int attempt) {
  auto* store = static_cast<RegistryStore*>(context);
  const auto now = std::chrono::steady_clock::now();
  if (attempt == 0) {
    store->busySince_ = now;
    if (store->lockNotice_)
      store->lockNotice_("The settings store " + store->path_ + " is locked by another program; waiting up to " +
                         Seconds(store->lockWait_) + ".");
  }
  if (now - store->busySince_ >= store->lockWait_) return 0;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return 1;
}

void RegistryStore::SetLockWait(std::chrono::milliseconds wait, std::function<void(const std::string&)> notice) {
  Lock lock(mutex_);
  lockWait_ = wait;
  lockNotice_ = std::move(notice);
}

std::string RegistryStore::LastError() const {
  Lock lock(mutex_);
  return db_ ? lastError_ : "it is not in use";
}

bool RegistryStore::Open(std::string& error, StoreAccess access) {
  Lock lock(mutex_);
  const bool readOnly = access == StoreAccess::ReadOnly;
  std::error_code ec;
  if (readOnly && !std::filesystem::exists(path_, ec)) return true;  // nothing stored yet
  if (!readOnly) std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
  sqlite3* db = nullptr;
  const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) | SQLITE_OPEN_FULLMUTEX;
  int rc = sqlite3_open_v2(path_.c_str(), &db, flags, nullptr);
  if (rc == SQLITE_OK && !readOnly && sqlite3_db_readonly(db, "main") == 1) rc = SQLITE_READONLY;
  db_ = db;
  std::string why;
  if (rc == SQLITE_OK) sqlite3_busy_handler(db_, &RegistryStore::OnBusy, this);
  // A table of another shape is refused before anything is changed; the
  // first statements after are where a damaged file shows itself.
  if (rc == SQLITE_OK && Answers(db_, kTableExists) && !Answers(db_, kShapeCheck))
    why = "its table registry_values is not of the expected shape: it needs the columns key, name, type and "
          "data, and the primary key (key, name)";
  else if (rc == SQLITE_OK && !readOnly &&
           !(Exec("PRAGMA journal_mode=WAL") && Exec("PRAGMA synchronous=FULL") && Exec(kSchema)))
    why = lastError_;
  if (rc != SQLITE_OK) why = sqlite3_errstr(rc);
  if (why.empty()) return true;
  error = "The settings store " + path_ + " cannot be used (" + why +
          "). Quandrell runs with default settings and will not change that file; the queue is kept only "
          "while Quandrell runs.";
  sqlite3_close(db_);
  db_ = nullptr;
  return false;
}

bool RegistryStore::KeyExists(const std::string& key) {
  Lock lock(mutex_);
  if (!db_) return false;
  Statement s(db_, "SELECT 1 FROM registry_values WHERE key = ?1 LIMIT 1");
  if (!s) return false;
  s.Text(1, key);
  return sqlite3_step(s.get()) == SQLITE_ROW;
}

ReadStatus RegistryStore::Read(const std::string& key, const std::string& name, size_t capacity,
                               std::vector<uint8_t>& data, uint32_t* type) {
  Lock lock(mutex_);
  if (!db_) return ReadStatus::Unavailable;
  Statement s(db_, "SELECT type, data FROM registry_values WHERE key = ?1 AND name = ?2");
  if (!s) return ReadStatus::Unavailable;
  s.Text(1, key);
  s.Text(2, name);
  if (sqlite3_step(s.get()) != SQLITE_ROW) return ReadStatus::Missing;
  const auto size = static_cast<size_t>(sqlite3_column_bytes(s.get(), 1));
  if (size > capacity) return ReadStatus::TooLong;
  const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(s.get(), 1));
  data.assign(bytes, bytes + size);
  if (type) *type = static_cast<uint32_t>(sqlite3_column_int64(s.get(), 0));
  return ReadStatus::Ok;
}

ReadStatus RegistryStore::ReadString(const std::string& key, const std::string& name,
                                     size_t capacity, std::string& out) {
  std::vector<uint8_t> data;
  ReadStatus status = Read(key, name, capacity, data);
  if (status != ReadStatus::Ok) return status;
  // The text ends at its terminator; a value stored without one still ends
  // inside the buffer the caller gave.
  size_t length = 0;
  while (length < data.size() && data[length] != 0) ++length;
  if (capacity > 0 && length == capacity) length = capacity - 1;
  out.assign(reinterpret_cast<const char*>(data.data()), length);
  return ReadStatus::Ok;
}

ReadStatus RegistryStore::ReadDword(const std::string& key, const std::string& name, int32_t& out) {
  std::vector<uint8_t> data;
  ReadStatus status = Read(key, name, 4, data);
  if (status != ReadStatus::Ok) return status;
  uint32_t value = 0;
  for (size_t i = 0; i < data.size(); ++i) value |= static_cast<uint32_t>(data[i]) << (8 * i);
  out = static_cast<int32_t>(value);
  return ReadStatus::Ok;
}

bool RegistryStore::Write(const std::string& key, const std::string& name, uint32_t type,
                          const void* data, size_t size) {
  Lock lock(mutex_);
  if (!db_) return Fail("it is not in use");
  Statement s(db_, "INSERT OR REPLACE INTO registry_values (key, name, type, data) VALUES (?1, ?2, ?3, ?4)");
  if (!s) return Done(sqlite3_errcode(db_));
  s.Text(1, key);
  s.Text(2, name);
  sqlite3_bind_int64(s.get(), 3, type);
  // An empty blob still has to be a blob, never NULL.
  static const uint8_t kNothing = 0;
  sqlite3_bind_blob(s.get(), 4, size ? data : &kNothing, static_cast<int>(size), SQLITE_TRANSIENT);
  return Done(sqlite3_step(s.get()));
}

bool RegistryStore::WriteString(const std::string& key, const std::string& name, const std::string& text) {
  return Write(key, name, REG_SZ, text.c_str(), text.size() + 1);
}

bool RegistryStore::WriteDword(const std::string& key, const std::string& name, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                            static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  return Write(key, name, REG_DWORD, bytes, 4);
}

bool RegistryStore::Delete(const std::string& key, const std::string& name) {
  Lock lock(mutex_);
  if (!db_) return Fail("it is not in use");
  Statement s(db_, "DELETE FROM registry_values WHERE key = ?1 AND name = ?2");
  if (!s) return Done(sqlite3_errcode(db_));
  s.Text(1, key);
  s.Text(2, name);
  return Done(sqlite3_step(s.get()));
}

RegistryStore::Transaction::Transaction(RegistryStore& store) : store_(store), lock_(store.mutex_) {
  open_ = store_.db_ && store_.Exec("BEGIN IMMEDIATE");
}

RegistryStore::Transaction::~Transaction() {
  if (open_) store_.Exec("ROLLBACK");
}

bool RegistryStore::Transaction::Commit() {
  if (!open_) return false;
  open_ = false;
  if (store_.Exec("COMMIT")) return true;
  const std::string why = store_.lastError_;
  store_.Exec("ROLLBACK");
  return store_.Fail(why);
}

}  // namespace platform
