// A profile (INI) file kept as its lines, so that writing one key leaves every other
// section, key, comment and the order of the file as they were.
//
//   [MorvaneDlg]
//   Port=3
//   RangeZero=-6.000000
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class IniFile {
 public:
  // A missing file reads as empty. A file that is there but cannot be read reads as empty
  // too, and then Load returns false with the system's reason.
  bool Load(const std::filesystem::path& file, std::string* error = nullptr);
  // Replaces the file whole (or leaves it as it was): false with the system's reason.
  bool Save(const std::filesystem::path& file, std::string* error = nullptr) const;

  void Parse(const std::string& text);
  std::string Text() const;

  // The value of `key` in `section` (names match without regard to case), or `fallback`
  // when there is none. Blanks around the value and one pair of enclosing quotes are
  // dropped.
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& fallback) const;
  // Replaces the value in place, or adds the key at the end of its section (the section at
  // the end of the file when it is new).
  void Set(const std::string& section, const std::string& key, const std::string& value);
  // Takes the key's lines out of the section; nothing else moves.
  void Remove(const std::string& section, const std::string& key);

 private:
  // Index of the section's header line, or -1.
  int FindSection(const std::string& section) const;
  // Index of the key's line inside the section starting after `header`, or -1.
  int FindKey(int header, const std::string& key) const;
  // One past the last key or blank line that belongs to the section of `header`.
  int SectionEnd(int header) const;

  std::vector<std::string> lines_;
  std::string eol_ = "\n";
};

// A path as the whole-file writer takes it: UTF-8.
std::string PathText(const std::filesystem::path& file);
