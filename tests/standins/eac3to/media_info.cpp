#include "media_info.h"

#include <dlfcn.h>

#include <cstdlib>
#include <stdexcept>

namespace eac3to::test {
namespace {

using NewFn = void* (*)();
using OpenFn = std::size_t (*)(void*, const char*);
using GetFn = const char* (*)(void*, int, std::size_t, const char*, int, int);
using HandleFn = void (*)(void*);

constexpr int kInfoText = 1;
constexpr int kSearchByName = 0;

template <typename Fn>
Fn Symbol(void* library, const char* name) {
  void* symbol = dlsym(library, name);
  if (!symbol) throw std::runtime_error(std::string("libmediainfo lacks ") + name);
  return reinterpret_cast<Fn>(symbol);
}

}  // namespace

MediaInfo::MediaInfo(const std::filesystem::path& file) {
  library_ = dlopen("libmediainfo.so.0", RTLD_NOW);
  if (!library_) throw std::runtime_error("libmediainfo.so.0 can't be loaded");
  handle_ = Symbol<NewFn>(library_, "MediaInfoA_New")();
  if (Symbol<OpenFn>(library_, "MediaInfoA_Open")(handle_, file.c_str()) == 0)
    throw std::runtime_error("libmediainfo can't open " + file.string());
}

MediaInfo::~MediaInfo() {
  Symbol<HandleFn>(library_, "MediaInfoA_Close")(handle_);
  Symbol<HandleFn>(library_, "MediaInfoA_Delete")(handle_);
  dlclose(library_);
}

int MediaInfo::Count(Kind kind) const {
  return std::atoi(Get(kind, 0, "StreamCount").c_str());
}

std::string MediaInfo::Get(Kind kind, int index, const std::string& parameter) const {
  const char* value = Symbol<GetFn>(library_, "MediaInfoA_Get")(
      handle_, kind, static_cast<std::size_t>(index), parameter.c_str(), kInfoText, kSearchByName);
  return value ? value : "";
}

}  // namespace eac3to::test
