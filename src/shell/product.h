#pragma once
// The product's name and version, as the title, the store key and the
// online services name them.

inline constexpr const char* kProductName = "Quandrell";
inline constexpr const char* kProductVersion = QUANDRELL_VERSION;
