#pragma once

#include <string>

// What the tools print and log is read by the Python tests, so it is JSON in UTF-8.

// The text as a quoted JSON string.
std::string JsonString(const std::wstring& text);

// Builds one JSON object, one member at a time, in the order they are added.
class JsonObject {
 public:
  JsonObject& Add(const char* key, const std::wstring& text);
  JsonObject& Add(const char* key, long long number);
  JsonObject& AddBool(const char* key, bool value);
  // `json` is already JSON: an array, an object or null.
  JsonObject& AddJson(const char* key, const std::string& json);
  std::string Text() const { return "{" + members_ + "}"; }

 private:
  std::string members_;
};

// Builds one JSON array of texts.
class JsonArray {
 public:
  JsonArray& Add(const std::wstring& text);
  bool empty() const { return elements_.empty(); }
  std::string Text() const { return "[" + elements_ + "]"; }

 private:
  std::string elements_;
};
