#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "WholeFile.h"

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
    ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
    --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// "[name]" → name; anything else → false.
bool SectionName(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// "key=value" → key and raw value; comments and other lines → false.
bool KeyLine(const std::string& line, std::string& key, std::string& value) {
  std::string t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return false;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(t.substr(0, eq));
  value = t.substr(eq + 1);
  return true;
}

}  // namespace

bool IniFile::Load(const std::filesystem::path& file, std::string* error) {
  Parse("");
  std::error_code ec;
  if (!std::filesystem::exists(file, ec) && !ec) return true;  // a missing file is empty
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    if (error) *error = std::generic_category().message(errno ? errno : EIO);
    return false;
  }
  Parse(text);
  return true;
}

bool IniFile::Save(const std::filesystem::path& file, std::string* error) const {
  return WriteFileWhole(PathText(file), Text(), error);
}

std::string PathText(const std::filesystem::path& file) {
  const std::u8string utf8 = file.u8string();
  return std::string(utf8.begin(), utf8.end());
}

void IniFile::Parse(const std::string& text) {
  lines_.clear();
#ifdef _WIN32
  eol_ = "\r\n";
#else
  eol_ = "\n";
#endif
  if (text.find("\r\n") != std::string::npos) eol_ = "\r\n";
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(line);
  }
}

std::string IniFile::Text() const {
  std::string text;
  for (const std::string& line : lines_)
    text += line + eol_;
  return text;
}

int IniFile::FindSection(const std::string& section) const {
  std::string name;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (SectionName(lines_[i], name) && SameName(name, section)) return static_cast<int>(i);
  }
  return -1;
}

int IniFile::FindKey(int header, const std::string& key) const {
  std::string name, k, v;
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i], name)) break;
    if (KeyLine(lines_[i], k, v) && SameName(k, key)) return static_cast<int>(i);
  }
  return -1;
}

int IniFile::SectionEnd(int header) const {
  std::string name, k, v;
  int end = header + 1;
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i], name)) break;
    if (KeyLine(lines_[i], k, v)) end = static_cast<int>(i) + 1;
  }
  return end;
}

std::string IniFile::Get(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
  int header = FindSection(section);
  if (header < 0) return fallback;
  int at = FindKey(header, key);
  if (at < 0) return fallback;
  std::string k, value;
  KeyLine(lines_[at], k, value);
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  int header = FindSection(section);
  if (header < 0) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + value);
    return;
  }
  int at = FindKey(header, key);
  if (at >= 0) {
    lines_[at] = key + "=" + value;
    return;
  }
  lines_.insert(lines_.begin() + SectionEnd(header), key + "=" + value);
}

void IniFile::Remove(const std::string& section, const std::string& key) {
  const int header = FindSection(section);
  if (header < 0) return;
  // A key written more than once reads as its first line; none of them may stay.
  for (int at = FindKey(header, key); at >= 0; at = FindKey(header, key))
    lines_.erase(lines_.begin() + at);
}
