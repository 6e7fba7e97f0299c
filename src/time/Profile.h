#pragma once
// The settings file in the Windows profile format: "[Section]" header lines
// followed by "key=value" lines. Section and key names compare without regard
// to case, as the profile functions do. Values are kept as raw bytes
// (Windows-1252 in the file); binary values use two letters per byte.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

class Profile {
public:
    // Parses the text of a settings file. Lines that are neither a section
    // header nor a key=value pair, and pairs before any section, are ignored.
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
    void removeSection(const std::string& section);
    bool hasSection(const std::string& section) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* find(const std::string& name);
    const Section* find(const std::string& name) const;

    std::vector<Section> m_sections;
};

// Two letters per byte: "A" + low four bits, then "A" + high four bits
// (the byte 0x3F becomes "PD").
std::string encodeBinary(const std::vector<std::uint8_t>& bytes);
// Nothing when the text has an odd length or a letter outside "A".."P".
std::optional<std::vector<std::uint8_t>> decodeBinary(const std::string& text);

}  // namespace zarn
