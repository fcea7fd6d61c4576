#pragma once
// The per-user store of named values, in the registry's terms: keys hold
// values of a type (text, binary, 32-bit integer). One SQLite database per
// user; its table layout is a public interface other programs may use.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

namespace platform {

enum RegType : uint32_t { REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4 };

// The key of the program's settings and queue.
inline constexpr const char* kQuandrellKey = "HKEY_CURRENT_USER\\Software\\Quandrell";

enum class ReadStatus { Ok, Missing, TooLong, Unavailable };

enum class StoreAccess { ReadWrite, ReadOnly };

class RegistryStore {
 public:
  // ${XDG_CONFIG_HOME:-$HOME/.config}/Quandrell/registry.db
  static std::string DefaultPath();

  explicit RegistryStore(std::string path);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // Opens or creates the database. On failure (unreadable or damaged
  // file, a table of another shape) returns false with a message; the
  // store then reads nothing and writes nothing, so the file is left as it
  // is. ReadOnly opens an existing file for reading only and creates
  // nothing: a missing file reads as an empty store.
  bool Open(std::string& error, StoreAccess access = StoreAccess::ReadWrite);
  bool Available() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }

  // Another program holding the write lock is waited for at most `wait`
  // per write; `notice` hears once per wait that it is waited for.
  static constexpr std::chrono::milliseconds kDefaultLockWait{5000};
  void SetLockWait(std::chrono::milliseconds wait, std::function<void(const std::string&)> notice);
  // Why the last write, delete or transaction failed.
  std::string LastError() const;

  bool KeyExists(const std::string& key);
  // Reads as the registry does with a buffer of `capacity` bytes: a value
  // longer than the buffer fails with TooLong and nothing is returned.
  ReadStatus Read(const std::string& key, const std::string& name, size_t capacity,
                  std::vector<uint8_t>& data, uint32_t* type = nullptr);
  // Text values are stored with their terminator; `capacity` counts it.
  ReadStatus ReadString(const std::string& key, const std::string& name, size_t capacity,
                        std::string& out);
  ReadStatus ReadDword(const std::string& key, const std::string& name, int32_t& out);

  bool Write(const std::string& key, const std::string& name, uint32_t type,
             const void* data, size_t size);
  bool WriteString(const std::string& key, const std::string& name, const std::string& text);
  bool WriteDword(const std::string& key, const std::string& name, int32_t value);
  // Deleting a value that does not exist is not an error.
  bool Delete(const std::string& key, const std::string& name);

  // All writes between Begin and Commit land together or not at all.
  class Transaction {
   public:
    explicit Transaction(RegistryStore& store);
    ~Transaction();  // rolls back unless committed
    // False when the transaction could not begin: write nothing then, or
    // the writes would land one by one.
    bool Ok() const { return open_; }
    bool Commit();

   private:
    RegistryStore& store_;
    std::unique_lock<std::recursive_mutex> lock_;
    bool open_ = false;
  };

 private:
  bool Exec(const char* sql);
  bool Fail(const std::string& why);
  bool Done(int rc);
  static int OnBusy(void* store, int attempt);

  std::string path_;
  sqlite3* db_ = nullptr;
  mutable std::recursive_mutex mutex_;
  std::string lastError_;
  std::chrono::milliseconds lockWait_ = kDefaultLockWait;
  std::function<void(const std::string&)> lockNotice_;
  std::chrono::steady_clock::time_point busySince_;
};

}  // namespace platform
