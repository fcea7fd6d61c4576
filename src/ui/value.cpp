#include <string>

#include "ui/toolkit.h"

namespace ui {

int AsInt(const Value& v) {
  if (const int* i = std::get_if<int>(&v)) return *i;
  if (const double* d = std::get_if<double>(&v)) return static_cast<int>(*d);
  try {
    return std::stoi(std::get<std::string>(v));
  } catch (...) {
    return 0;
  }
}

double AsDouble(const Value& v) {
  if (const double* d = std::get_if<double>(&v)) return *d;
  if (const int* i = std::get_if<int>(&v)) return *i;
  try {
    return std::stod(std::get<std::string>(v));
  } catch (...) {
    return 0;
  }
}

std::string AsText(const Value& v) {
  if (const std::string* s = std::get_if<std::string>(&v)) return *s;
  if (const int* i = std::get_if<int>(&v)) return std::to_string(*i);
  return std::to_string(std::get<double>(v));
}

}  // namespace ui
