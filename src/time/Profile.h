// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file in the Windows profile format: "[Section]" header lines
// followed by "key=value" lines. Section and key names compare without regard
// to case, as the profile functions do. Values are kept as raw bytes
// (Windows-1252 in the file); binary values use two letters per byte.
//
// Like the profile functions, the store edits the file rather than rebuilding
// it: a changed key keeps its place, and comment lines, blank lines and the
// sections and keys this program does not know come back unchanged. Lookups
// go through hash indexes, so reading a file of n lines takes time in n.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zarn {

class Profile {
public:
    // Parses the text of a settings file. Lines that are neither a section
    // header nor a key=value pair, and pairs before any section, are kept for
    // writing but never read.
    static Profile parse(const std::string& text);
    std::string serialize() const;  // "\r\n" line ends, as the format wants

    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::optional<int> intValue(const std::string& section, const std::string& key) const;
    std::optional<std::vector<std::uint8_t>> binaryValue(const std::string& section,
                                                         const std::string& key) const;
    void setValue(const std::string& section, const std::string& key, const std::string& value);
    void setInt(const std::string& section, const std::string& key, int value);
    void setBinary(const std::string& section, const std::string& key,
                   const std::vector<std::uint8_t>& bytes);
    // Removes the section with every line under its header, comments included.
    void removeSection(const std::string& section);
    bool hasSection(const std::string& section) const;

private:
    struct Line {
        std::string text;   // the line as read or as last written
        std::string key;    // empty for a line that is not a pair
        std::string value;
    };
    struct Section {
        std::string name;
        std::string header;  // the header line; empty before the first header
        bool added = false;  // created by this program, not read
        std::vector<Line> lines;
    };
    struct Place {
        std::size_t section;
        std::size_t line;
    };
    const Line* findLine(const std::string& section, const std::string& key) const;
    std::size_t sectionForWriting(const std::string& name);
    void reindex();

    std::vector<Section> m_sections;
    // Lower-case section name -> index of its first header.
    std::unordered_map<std::string, std::size_t> m_index;
    // Lower-case "section\nkey" -> its first occurrence. A section whose
    // header comes twice is one section, as the profile functions read it.
    std::unordered_map<std::string, Place> m_keys;
};

// Two letters per byte: "A" + low four bits, then "A" + high four bits
// (the byte 0x3F becomes "PD").
std::string encodeBinary(const std::vector<std::uint8_t>& bytes);
// Nothing when the text has an odd length or a letter outside "A".."P".
std::optional<std::vector<std::uint8_t>> decodeBinary(const std::string& text);

}  // namespace zarn
