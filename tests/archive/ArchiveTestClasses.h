// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two small archive classes for the tests and the fuzzer: a point with two
// doubles, and a group holding a name, an object array (of any registered
// class, groups included) and a word array.
#include <string>
#include <vector>

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn::testing {

class TestPoint : public CSerialisable {
public:
    TestPoint() = default;
    TestPoint(double x, double y) : x(x), y(y) {}
    const char* className() const override { return "TPoint"; }
    void load(CArchiveReader& archive) override
    {
        x = archive.readDouble();
        y = archive.readDouble();
    }
    void store(CArchiveWriter& archive) const override
    {
        archive.writeDouble(x);
        archive.writeDouble(y);
    }
    double x = 0.0;
    double y = 0.0;
};

class TestGroup : public CSerialisable {
public:
    TestGroup() = default;
    explicit TestGroup(std::string name) : name(std::move(name)) {}
    const char* className() const override { return "TGroup"; }
    void load(CArchiveReader& archive) override
    {
        name = archive.readText();
        members = archive.readObjectArray<CSerialisable>();
        figure = archive.readWordArray();
    }
    void store(CArchiveWriter& archive) const override
    {
        archive.writeText(name);
        archive.writeObjectArray(members);
        archive.writeWordArray(figure);
    }
    std::string name;
    std::vector<CSerialisable*> members;  // not owned
    std::vector<std::uint16_t> figure;
};

inline const CClassRegistry& testRegistry()
{
    static const CClassRegistry registry = [] {
        CClassRegistry r;
        r.add<TestPoint>("TPoint");
        r.add<TestGroup>("TGroup");
        return r;
    }();
    return registry;
}

}  // namespace zarn::testing
