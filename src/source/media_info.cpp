#include "source/media_info.h"

#include <dlfcn.h>
#include <locale.h>

#include <mutex>

namespace {

constexpr int kInfoName = 0;
constexpr int kInfoText = 1;
constexpr int kSearchByName = 0;

using NewFn = void* (*)();
using DeleteFn = void (*)(void*);
using OpenFn = size_t (*)(void*, const char*);
using CloseFn = void (*)(void*);
using GetFn = const char* (*)(void*, int, size_t, const char*, int, int);
using GetIFn = const char* (*)(void*, int, size_t, size_t, int);
using OptionFn = const char* (*)(void*, const char*, const char*);

struct Library {
  std::mutex mutex;
  int users = 0;
  void* module = nullptr;
  NewFn create = nullptr;
  DeleteFn destroy = nullptr;
  OpenFn open = nullptr;
  CloseFn close = nullptr;
  GetFn get = nullptr;
  GetIFn getI = nullptr;
  OptionFn option = nullptr;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

template <typename Fn>
bool Resolve(void* module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(dlsym(module, name));
  return fn != nullptr;
}

bool LoadLocked(Library& lib) {
  lib.module = dlopen("libmediainfo.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!lib.module) return false;
  const bool complete = Resolve(lib.module, "MediaInfoA_New", lib.create) &&
                        Resolve(lib.module, "MediaInfoA_Delete", lib.destroy) &&
                        Resolve(lib.module, "MediaInfoA_Open", lib.open) &&
                        Resolve(lib.module, "MediaInfoA_Close", lib.close) &&
                        Resolve(lib.module, "MediaInfoA_Get", lib.get) &&
                        Resolve(lib.module, "MediaInfoA_GetI", lib.getI) &&
                        Resolve(lib.module, "MediaInfoA_Option", lib.option);
  if (!complete) {
    dlclose(lib.module);
    lib.module = nullptr;
    return false;
  }
  return true;
}

bool Acquire() {
  Library& lib = TheLibrary();
  std::lock_guard<std::mutex> lock(lib.mutex);
  if (lib.users == 0 && !LoadLocked(lib)) return false;
  ++lib.users;
  return true;
}

void Release() {
  Library& lib = TheLibrary();
  std::lock_guard<std::mutex> lock(lib.mutex);
  if (--lib.users > 0) return;
  dlclose(lib.module);
  lib.module = nullptr;
}

std::string Text(const char* value) { return value ? std::string(value) : std::string(); }

// The library passes file names to the C library in the thread's
// multibyte encoding: while it opens a file, this thread reads UTF-8
// (and writes numbers the C way) whatever the user's locale is.
class Utf8ThreadLocale {
 public:
  Utf8ThreadLocale() : utf8_(newlocale(LC_ALL_MASK, "C.UTF-8", locale_t{})) {
    if (utf8_) previous_ = uselocale(utf8_);
  }
  ~Utf8ThreadLocale() {
    if (!utf8_) return;
    uselocale(previous_);
    freelocale(utf8_);
  }
  Utf8ThreadLocale(const Utf8ThreadLocale&) = delete;
  Utf8ThreadLocale& operator=(const Utf8ThreadLocale&) = delete;

 private:
  locale_t utf8_;
  locale_t previous_{};
};

}  // namespace

MediaInfoFile::MediaInfoFile(const std::string& path) {
  loaded_ = Acquire();
  if (!loaded_) return;
  Library& lib = TheLibrary();
  handle_ = lib.create();
  if (!handle_) return;
  // Our texts, paths included, are UTF-8.
  lib.option(handle_, "CharSet", "UTF-8");
  Utf8ThreadLocale utf8;
  open_ = lib.open(handle_, path.c_str()) != 0;
}

MediaInfoFile::~MediaInfoFile() {
  if (!loaded_) return;
  Library& lib = TheLibrary();
  if (handle_) {
    if (open_) lib.close(handle_);
    lib.destroy(handle_);
  }
  Release();
}

std::string MediaInfoFile::Get(MediaStreamKind kind, size_t stream, const char* parameter) const {
  if (!open_) return {};
  return Text(TheLibrary().get(handle_, kind, stream, parameter, kInfoText, kSearchByName));
}

std::string MediaInfoFile::NameAt(MediaStreamKind kind, size_t stream, size_t position) const {
  if (!open_) return {};
  return Text(TheLibrary().getI(handle_, kind, stream, position, kInfoName));
}

int MediaInfoUseCount() {
  Library& lib = TheLibrary();
  std::lock_guard<std::mutex> lock(lib.mutex);
  return lib.users;
}
