// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file in the Windows profile format.
#include "time/Profile.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace zarn {

namespace {
std::string lower(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string keyOf(const std::string& section, const std::string& key)
{
    return lower(section) + '\n' + lower(key);
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

bool isBlank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

Profile Profile::parse(const std::string& text)
{
    Profile profile;
    profile.m_sections.emplace_back();  // the lines before the first header
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(start, end - start);
        start = end + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string line = trimmed(raw);
        const auto close = line.find(']');
        if (!line.empty() && line.front() == '[' && close != std::string::npos) {
            profile.m_sections.push_back({trimmed(line.substr(1, close - 1)), raw, false, {}});
            continue;
        }
        Section& current = profile.m_sections.back();
        Line entry{raw, {}, {}};
        const auto equal = line.find('=');
        if (!current.header.empty() && equal != std::string::npos && equal > 0 && line.front() != ';') {
            entry.key = trimmed(line.substr(0, equal));
            entry.value = trimmed(line.substr(equal + 1));
        }
        current.lines.push_back(std::move(entry));
    }
    profile.reindex();
    return profile;
}

void Profile::reindex()
{
    m_index.clear();
    m_keys.clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (section.header.empty())
            continue;
        m_index.try_emplace(lower(section.name), i);
        for (std::size_t j = 0; j < section.lines.size(); ++j)
            if (!section.lines[j].key.empty())
                // The first occurrence of a key wins, as with the profile functions.
                m_keys.try_emplace(keyOf(section.name, section.lines[j].key), Place{i, j});
    }
}

std::string Profile::serialize() const
{
    std::string out;
    for (const Section& section : m_sections) {
        if (section.header.empty() && section.lines.empty())
            continue;
        // A section of our own starts after a blank line, as the profile
        // functions write it; the sections read keep their own spacing.
        const bool blankBefore = out.empty() || out.ends_with("\r\n\r\n");
        if (section.added && !blankBefore)
            out += "\r\n";
        if (!section.header.empty())
            out += section.header + "\r\n";
        for (const Line& line : section.lines)
            out += line.text + "\r\n";
    }
    return out;
}

const Profile::Line* Profile::findLine(const std::string& section, const std::string& key) const
{
    const auto it = m_keys.find(keyOf(section, key));
    return it == m_keys.end() ? nullptr : &m_sections[it->second.section].lines[it->second.line];
}

std::optional<std::string> Profile::value(const std::string& section, const std::string& key) const
{
    const Line* line = findLine(section, key);
    return line ? std::optional<std::string>(line->value) : std::nullopt;
}

std::optional<int> Profile::intValue(const std::string& section, const std::string& key) const
{
    const auto text = value(section, key);
    if (!text || text->empty())
        return std::nullopt;
    char* end = nullptr;
    const long v = std::strtol(text->c_str(), &end, 10);
    if (end == text->c_str() || *end != '\0' || v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}

std::optional<std::vector<std::uint8_t>> Profile::binaryValue(const std::string& section,
                                                              const std::string& key) const
{
    const auto text = value(section, key);
    if (!text)
        return std::nullopt;
    return decodeBinary(*text);
}

std::size_t Profile::sectionForWriting(const std::string& name)
{
    const auto it = m_index.find(lower(name));
    if (it != m_index.end())
        return it->second;
    m_sections.push_back({name, "[" + name + "]", true, {}});
    m_index.emplace(lower(name), m_sections.size() - 1);
    return m_sections.size() - 1;
}

void Profile::setValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (const auto it = m_keys.find(keyOf(section, key)); it != m_keys.end()) {
        Line& line = m_sections[it->second.section].lines[it->second.line];
        line.value = value;
        line.text = line.key + "=" + value;
        return;
    }
    const std::size_t index = sectionForWriting(section);
    std::vector<Line>& lines = m_sections[index].lines;
    // A new key goes after the section's last line that is not blank.
    std::size_t at = lines.size();
    while (at > 0 && isBlank(lines[at - 1].text))
        --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{key + "=" + value, key, value});
    if (at + 1 == lines.size())
        m_keys.emplace(keyOf(section, key), Place{index, at});
    else
        reindex();
}

void Profile::setInt(const std::string& section, const std::string& key, int value)
{
    setValue(section, key, std::to_string(value));
}

void Profile::setBinary(const std::string& section, const std::string& key,
                        const std::vector<std::uint8_t>& bytes)
{
    setValue(section, key, encodeBinary(bytes));
}

void Profile::removeSection(const std::string& section)
{
    const std::string name = lower(section);
    std::erase_if(m_sections, [&](const Section& s) { return !s.header.empty() && lower(s.name) == name; });
    reindex();
}

bool Profile::hasSection(const std::string& section) const { return m_index.contains(lower(section)); }

std::string encodeBinary(const std::vector<std::uint8_t>& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += static_cast<char>('A' + (b & 0x0F));
        out += static_cast<char>('A' + (b >> 4));
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> decodeBinary(const std::string& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> out;
    out.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int low = text[i] - 'A';
        const int high = text[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
            return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(low | (high << 4)));
    }
    return out;
}

}  // namespace zarn
