// The settings file in the Windows profile format.
#include "time/Profile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace zarn {

namespace {
bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}
}  // namespace

Profile Profile::parse(const std::string& text)
{
    Profile profile;
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close == std::string::npos)
                continue;
            const std::string name = trimmed(line.substr(1, close - 1));
            current = profile.find(name);
            if (current == nullptr) {
                profile.m_sections.push_back({name, {}});
                current = &profile.m_sections.back();
            }
            continue;
        }
        const auto equal = line.find('=');
        if (current == nullptr || equal == std::string::npos || equal == 0)
            continue;
        const std::string key = trimmed(line.substr(0, equal));
        const std::string value = trimmed(line.substr(equal + 1));
        // The first occurrence of a key wins, as with the profile functions.
        const bool known = std::any_of(current->entries.begin(), current->entries.end(),
                                       [&](const Entry& e) { return sameName(e.key, key); });
        if (!known)
            current->entries.push_back({key, value});
    }
    return profile;
}

std::string Profile::serialize() const
{
    std::string out;
    for (const Section& section : m_sections) {
        out += "[" + section.name + "]\r\n";
        for (const Entry& entry : section.entries)
            out += entry.key + "=" + entry.value + "\r\n";
        out += "\r\n";
    }
    return out;
}

Profile::Section* Profile::find(const std::string& name)
{
    for (Section& section : m_sections)
        if (sameName(section.name, name))
            return &section;
    return nullptr;
}

const Profile::Section* Profile::find(const std::string& name) const
{
    return const_cast<Profile*>(this)->find(name);
}

std::optional<std::string> Profile::value(const std::string& section, const std::string& key) const
{
    const Section* s = find(section);
    if (s == nullptr)
        return std::nullopt;
    for (const Entry& entry : s->entries)
        if (sameName(entry.key, key))
            return entry.value;
    return std::nullopt;
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

void Profile::setValue(const std::string& section, const std::string& key, const std::string& value)
{
    Section* s = find(section);
    if (s == nullptr) {
        m_sections.push_back({section, {}});
        s = &m_sections.back();
    }
    for (Entry& entry : s->entries)
        if (sameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    s->entries.push_back({key, value});
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
    m_sections.erase(std::remove_if(m_sections.begin(), m_sections.end(),
                                    [&](const Section& s) { return sameName(s.name, section); }),
                     m_sections.end());
}

bool Profile::hasSection(const std::string& section) const { return find(section) != nullptr; }

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
