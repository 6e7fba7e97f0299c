// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveTestClasses.h"
#include "archive/ArchiveFile.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zarn;
using namespace zarn::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& out, std::initializer_list<int> bytes)
{
    for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
}

void appendName(Bytes& out, const std::string& name)
{
    append(out, {static_cast<int>(name.size()), 0});
    out.insert(out.end(), name.begin(), name.end());
}

// A point (1.0, 2.0) as its sixteen bytes of fields.
void appendPointFields(Bytes& out)
{
    append(out, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0x00, 0x40});
}

ArchiveErrorKind readFails(const Bytes& bytes, const std::function<void(CArchiveReader&)>& read)
{
    const ArchiveLoad load = loadArchive(bytes, read, testRegistry());
    if (load.ok()) {
        ADD_FAILURE() << "read without error";
        return ArchiveErrorKind::Other;
    }
    return load.error->kind();
}

const auto kReadPoints = [](CArchiveReader& r) { r.readObjectArray<TestPoint>(); };

}  // namespace

TEST(ArchiveObjects, NewClassKnownClassAndBackReferenceBytes)
{
    TestPoint p(1.0, 2.0);
    TestPoint q(1.0, 2.0);
    CArchiveWriter writer;
    writer.writeObjectArray(std::vector<TestPoint*>{&p, &p, &q, nullptr});

    Bytes expected;
    append(expected, {4, 0});
    append(expected, {0xFF, 0xFF, 0, 0});  // new class, schema 0: index 1
    appendName(expected, "TPoint");
    appendPointFields(expected);           // p: index 2
    append(expected, {2, 0});              // p again: its index only
    append(expected, {0x01, 0x80});        // q, of class 1: index 3
    appendPointFields(expected);
    append(expected, {0, 0});              // null
    EXPECT_EQ(writer.bytes(), expected);

    CArchiveReader reader(expected, testRegistry());
    EXPECT_EQ(reader.readCount(), 4u);
    auto* p1 = reader.readObjectOf<TestPoint>();
    EXPECT_EQ(reader.readObjectOf<TestPoint>(), p1);
    auto* q1 = reader.readObjectOf<TestPoint>();
    EXPECT_NE(q1, p1);
    EXPECT_EQ(q1->y, 2.0);
    EXPECT_EQ(reader.readObject(), nullptr);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.takeObjects().size(), 2u);
}

TEST(ArchiveObjects, SharedObjectIsOneObjectAcrossArrays)
{
    // A star drawn in two constellations: written once, then by index.
    TestPoint a(1, 1), shared(2, 2), c(3, 3);
    TestGroup first("Pégase"), second("Andromède");
    first.members = {&a, &shared};
    second.members = {&shared, &c};
    first.figure = {0x0100};
    CArchiveWriter writer;
    writer.writeObjectArray(std::vector<TestGroup*>{&first, &second});
    // Indices: TGroup 1, first 2, TPoint 3, a 4, shared 5; second 6, c 7.
    const Bytes& bytes = writer.bytes();
    const Bytes secondMembers = {2, 0, 5, 0, 0x03, 0x80};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), secondMembers.begin(), secondMembers.end()), bytes.end());

    CArchiveReader reader(bytes, testRegistry());
    const auto groups = reader.readObjectArray<TestGroup>();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]->name, "Pégase");
    EXPECT_EQ(groups[0]->figure, std::vector<std::uint16_t>{0x0100});
    EXPECT_EQ(groups[0]->members[1], groups[1]->members[0]);
    EXPECT_EQ(static_cast<TestPoint*>(groups[1]->members[1])->x, 3.0);
    // Five objects, each owned once by whoever takes them.
    EXPECT_EQ(reader.takeObjects().size(), 5u);
    EXPECT_TRUE(reader.takeObjects().empty());
}

TEST(ArchiveObjects, WideIndicesUseThe32BitForms)
{
    // 70 000 points: the count takes its long form and the indices pass 0x7FFF.
    std::vector<std::unique_ptr<TestPoint>> points;
    std::vector<TestPoint*> array;
    for (int i = 0; i < 70000; ++i) {
        points.push_back(std::make_unique<TestPoint>(i, -i));
        array.push_back(points.back().get());
    }
    TestGroup late("tardif"), later("plus tardif");
    CArchiveWriter writer;
    writer.writeObjectArray(array);
    const std::size_t tail = writer.bytes().size();
    writer.writeObject(points[0].get());      // index 2: one word
    writer.writeObject(points[69999].get());  // index 70001: 0x7FFF + 32 bits
    writer.writeObject(points[0x7FFC].get()); // index 0x7FFE: the last one-word form
    writer.writeObject(points[0x7FFD].get()); // index 0x7FFF: already the long form
    writer.writeObject(&late);                // new class 70002, object 70003
    writer.writeObject(&later);               // class 70002 in the 32-bit class form
    const Bytes& bytes = writer.bytes();

    const Bytes head = {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    Bytes expectedTail = {0x02, 0x00, 0xFF, 0x7F, 0x71, 0x11, 0x01, 0x00, 0xFE, 0x7F,
                          0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00, 0xFF, 0xFF, 0, 0};
    appendName(expectedTail, "TGroup");
    EXPECT_TRUE(std::equal(expectedTail.begin(), expectedTail.end(), bytes.begin() + tail));
    const std::size_t lateSize = 1 + 6 + 2 + 2;  // name, empty arrays
    const Bytes classForm = {0xFF, 0x7F, 0x72, 0x11, 0x01, 0x80};
    EXPECT_TRUE(std::equal(classForm.begin(), classForm.end(), bytes.begin() + tail + expectedTail.size() + lateSize));

    CArchiveReader reader(bytes, testRegistry());
    const auto read = reader.readObjectArray<TestPoint>();
    ASSERT_EQ(read.size(), 70000u);
    EXPECT_EQ(read[69999]->y, -69999.0);
    EXPECT_EQ(reader.readObjectOf<TestPoint>(), read[0]);
    EXPECT_EQ(reader.readObjectOf<TestPoint>(), read[69999]);
    EXPECT_EQ(reader.readObjectOf<TestPoint>(), read[0x7FFC]);
    EXPECT_EQ(reader.readObjectOf<TestPoint>(), read[0x7FFD]);
    EXPECT_EQ(reader.readObjectOf<TestGroup>()->name, "tardif");
    EXPECT_EQ(reader.readObjectOf<TestGroup>()->name, "plus tardif");
    EXPECT_TRUE(reader.atEnd());
}

TEST(ArchiveObjects, ContainersRoundTrip)
{
    CArchiveWriter writer;
    writer.writeWordArray({0x0102, 0xFFFF, 0});
    writer.writeTextMap({{"Véga", "2"}, {"Altaïr", "14"}});
    CArchiveReader reader(writer.bytes(), testRegistry());
    EXPECT_EQ(reader.readWordArray(), (std::vector<std::uint16_t>{0x0102, 0xFFFF, 0}));
    EXPECT_EQ(reader.readTextMap(), (TextMap{{"Véga", "2"}, {"Altaïr", "14"}}));

    // On reading, a later pair with the same key replaces the earlier one.
    CArchiveWriter twice;
    twice.writeCount(3);
    for (const char* text : {"Rigel", "1", "Deneb", "5", "Rigel", "7"}) twice.writeText(text);
    CArchiveReader again(twice.bytes(), testRegistry());
    EXPECT_EQ(again.readTextMap(), (TextMap{{"Deneb", "5"}, {"Rigel", "7"}}));
}

TEST(ArchiveObjects, SelfReferenceNeitherLoopsNorCopies)
{
    TestGroup group("boucle");
    group.members = {&group};
    CArchiveWriter writer;
    writer.writeObject(&group);
    CArchiveReader reader(writer.bytes(), testRegistry());
    auto* back = reader.readObjectOf<TestGroup>();
    ASSERT_EQ(back->members.size(), 1u);
    EXPECT_EQ(back->members[0], back);
    EXPECT_EQ(reader.takeObjects().size(), 1u);
}

TEST(ArchiveObjects, BadClassesAndIndicesAreDamage)
{
    const auto withClass = [](const std::string& name, int schema) {
        Bytes bytes = {1, 0, 0xFF, 0xFF, static_cast<std::uint8_t>(schema), 0};
        appendName(bytes, name);
        appendPointFields(bytes);
        return bytes;
    };
    EXPECT_NO_THROW(CArchiveReader(withClass("TPoint", 0), testRegistry()).readObjectArray<TestPoint>());
    EXPECT_EQ(readFails(withClass("TPoint", 1), kReadPoints), ArchiveErrorKind::Damaged);
    EXPECT_EQ(readFails(withClass("CComete", 0), kReadPoints), ArchiveErrorKind::Damaged);
    EXPECT_EQ(readFails(withClass("TPoin", 0), kReadPoints), ArchiveErrorKind::Damaged);
    EXPECT_EQ(readFails(withClass("TGroup", 0), kReadPoints), ArchiveErrorKind::Damaged);  // wrong class

    const std::vector<Bytes> badReferences = {
        {1, 0, 0x01, 0x80},                          // class 1 before any class
        {1, 0, 0x01, 0x00},                          // object 1 before any object
        {1, 0, 0xFF, 0x7F, 0x05, 0, 0, 0x80},        // 32-bit class index 5
        {1, 0, 0xFF, 0x7F, 0x00, 0, 0, 0x80},        // 32-bit class index 0
        {1, 0, 0xFF, 0x7F, 0x09, 0, 0, 0x00},        // 32-bit object index 9
        {1, 0, 0, 0},                                // null where a point is needed
    };
    for (const Bytes& bytes : badReferences)
        EXPECT_EQ(readFails(bytes, kReadPoints), ArchiveErrorKind::Damaged) << bytes.size();

    // Index 1 is the class, not an object.
    Bytes classAsObject = withClass("TPoint", 0);
    classAsObject[0] = 2;
    append(classAsObject, {1, 0});
    EXPECT_EQ(readFails(classAsObject, kReadPoints), ArchiveErrorKind::Damaged);
}

TEST(ArchiveObjects, NestingIsBounded)
{
    // Groups nested within groups beyond the depth limit: damage, not a stack overflow.
    const auto nested = [](int depth) {
        std::vector<std::unique_ptr<TestGroup>> groups;
        for (int i = 0; i < depth; ++i) groups.push_back(std::make_unique<TestGroup>("g"));
        for (int i = 0; i + 1 < depth; ++i) groups[i]->members = {groups[i + 1].get()};
        CArchiveWriter writer;
        writer.writeObject(groups[0].get());
        return writer.bytes();
    };
    const auto readOne = [](CArchiveReader& r) { r.readObject(); };
    EXPECT_TRUE(loadArchive(nested(CArchiveReader::kMaxDepth), readOne, testRegistry()).ok());
    EXPECT_EQ(readFails(nested(CArchiveReader::kMaxDepth + 1), readOne), ArchiveErrorKind::Damaged);
}

TEST(ArchiveObjects, TruncationAtEveryByteIsDamageAndKeepsWhatWasRead)
{
    TestPoint a(1, 1), b(2, 2);
    TestGroup first("Orion"), second("Taureau");
    first.members = {&a, &b};
    second.members = {&b};
    second.figure = {1, 2, 3};
    CArchiveWriter writer;
    writer.writeObjectArray(std::vector<TestGroup*>{&first, &second});
    writer.writeTextMap({{"Bételgeuse", "3"}});
    const Bytes& full = writer.bytes();
    const auto readAll = [](CArchiveReader& r) {
        r.readObjectArray<TestGroup>();
        r.readTextMap();
    };
    EXPECT_TRUE(loadArchive(full, readAll, testRegistry()).ok());
    for (std::size_t size = 0; size < full.size(); ++size) {
        const ArchiveLoad load = loadArchive(Bytes(full.begin(), full.begin() + size), readAll, testRegistry());
        ASSERT_FALSE(load.ok()) << size;
        EXPECT_EQ(load.error->kind(), ArchiveErrorKind::Damaged) << size;
        EXPECT_LE(load.objects.size(), 4u);
    }
}

TEST(ArchiveObjects, LoadTurnsFailuresIntoErrorKinds)
{
    const Bytes empty;
    EXPECT_EQ(readFails(empty, [](CArchiveReader&) { throw std::bad_alloc(); }), ArchiveErrorKind::OutOfMemory);
    EXPECT_EQ(readFails(empty, [](CArchiveReader&) { throw std::runtime_error("x"); }), ArchiveErrorKind::Other);

    // An object whose loading runs out of memory: OutOfMemory, and the
    // objects already read are handed over.
    struct Hungry : TestPoint {
        const char* className() const override { return "THungry"; }
        void load(CArchiveReader&) override { throw std::bad_alloc(); }
    };
    CClassRegistry registry;
    registry.add<TestPoint>("TPoint");
    registry.add<Hungry>("THungry");
    TestPoint p(1, 2);
    Hungry h;
    CArchiveWriter writer;
    writer.writeObjectArray(std::vector<TestPoint*>{&p, &h});
    const ArchiveLoad load = loadArchive(writer.bytes(), kReadPoints, registry);
    ASSERT_FALSE(load.ok());
    EXPECT_EQ(load.error->kind(), ArchiveErrorKind::OutOfMemory);
    ASSERT_EQ(load.objects.size(), 2u);
    EXPECT_EQ(static_cast<TestPoint*>(load.objects[0].get())->y, 2.0);
}
