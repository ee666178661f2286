#include "json_text.h"

#include <windows.h>

#include <cstdio>

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
  return result;
}

std::string JsonString(const std::wstring& text) {
  std::string quoted = "\"";
  for (const char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

JsonObject& JsonObject::AddJson(const char* key, const std::string& json) {
  if (!members_.empty()) members_ += ",";
  members_ += "\"";
  members_ += key;
  members_ += "\":" + json;
  return *this;
}

JsonObject& JsonObject::Add(const char* key, const std::wstring& text) {
  return AddJson(key, JsonString(text));
}

JsonObject& JsonObject::Add(const char* key, long long number) {
  return AddJson(key, std::to_string(number));
}

JsonObject& JsonObject::AddBool(const char* key, bool value) {
  return AddJson(key, value ? "true" : "false");
}

JsonArray& JsonArray::Add(const std::wstring& text) {
  if (!elements_.empty()) elements_ += ",";
  elements_ += JsonString(text);
  return *this;
}
