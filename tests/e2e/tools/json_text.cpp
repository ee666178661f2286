#include "json_text.h"

#include <cstdio>

#include "base/win32/utf8.h"

std::string JsonString(const std::wstring& text) {
  std::string quoted = "\"";
  for (const char c : base::win32::Utf8FromUtf16(text)) {
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
