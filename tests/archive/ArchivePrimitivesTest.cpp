// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zarn;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes written(const std::function<void(CArchiveWriter&)>& write)
{
    CArchiveWriter writer;
    write(writer);
    return writer.bytes();
}

ArchiveErrorKind errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ArchiveError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no ArchiveError";
    return ArchiveErrorKind::Other;
}

}  // namespace

TEST(ArchivePrimitives, LittleEndianLayout)
{
    const Bytes bytes = written([](CArchiveWriter& w) {
        w.writeByte(0xAB);
        w.writeWord(0x1234);
        w.writeLong(-2);
        w.writeDouble(1.0);
    });
    const Bytes expected = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF,
                            0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(bytes, expected);

    CArchiveReader reader(bytes);
    EXPECT_EQ(reader.readByte(), 0xAB);
    EXPECT_EQ(reader.readWord(), 0x1234);
    EXPECT_EQ(reader.readLong(), -2);
    EXPECT_EQ(reader.readDouble(), 1.0);
    EXPECT_TRUE(reader.atEnd());
}

TEST(ArchivePrimitives, ExtremeValuesRoundTrip)
{
    const double values[] = {-0.0, 6.283185308, std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(), -1e308};
    const Bytes bytes = written([&](CArchiveWriter& w) {
        w.writeLong(std::numeric_limits<std::int32_t>::min());
        w.writeLong(std::numeric_limits<std::int32_t>::max());
        w.writeUnsigned32(0xFFFFFFFF);
        for (double v : values) w.writeDouble(v);
    });
    CArchiveReader reader(bytes);
    EXPECT_EQ(reader.readLong(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(reader.readLong(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(reader.readUnsigned32(), 0xFFFFFFFFu);
    for (double v : values) {
        const double back = reader.readDouble();
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    const Bytes nan = written([](CArchiveWriter& w) { w.writeDouble(std::nan("")); });
    EXPECT_TRUE(std::isnan(CArchiveReader(nan).readDouble()));
}

TEST(ArchivePrimitives, CountForms)
{
    struct Case { std::uint32_t count; Bytes head; };
    const Case cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        Bytes bytes = written([&](CArchiveWriter& w) { w.writeCount(c.count); });
        EXPECT_EQ(bytes, c.head) << c.count;
        bytes.resize(bytes.size() + c.count);  // the elements, one byte each
        CArchiveReader reader(bytes);
        EXPECT_EQ(reader.readCount(), c.count);
        EXPECT_EQ(reader.remaining(), c.count);
    }
    // The long form is also read for a small value.
    CArchiveReader longForm(Bytes{0xFF, 0xFF, 0x02, 0, 0, 0, 'a', 'b'});
    EXPECT_EQ(longForm.readCount(), 2u);
}

TEST(ArchivePrimitives, CountLargerThanTheFileCanHoldIsDamage)
{
    // Four billion elements announced in a ten-byte file: damage, not an allocation.
    const Bytes huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4};
    EXPECT_EQ(errorOf([&] { CArchiveReader(huge).readCount(); }), ArchiveErrorKind::Damaged);
    // Four elements of two bytes do not fit in six bytes.
    const Bytes words = {0x04, 0x00, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(errorOf([&] { CArchiveReader(words).readCount(2); }), ArchiveErrorKind::Damaged);
    EXPECT_EQ(CArchiveReader(words).readCount(1), 4u);
}

TEST(ArchivePrimitives, TextLengthForms)
{
    struct Case { std::size_t length; Bytes head; };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text(c.length, 'x');
        const Bytes bytes = written([&](CArchiveWriter& w) { w.writeText(text); });
        ASSERT_EQ(bytes.size(), c.head.size() + c.length);
        EXPECT_TRUE(std::equal(c.head.begin(), c.head.end(), bytes.begin())) << c.length;
        CArchiveReader reader(bytes);
        EXPECT_EQ(reader.readText(), text);
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(ArchivePrimitives, TextIsStoredInWindows1252)
{
    const Bytes bytes = written([](CArchiveWriter& w) { w.writeText("Dénébola"); });
    const Bytes expected = {8, 'D', 0xE9, 'n', 0xE9, 'b', 'o', 'l', 'a'};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(CArchiveReader(bytes).readText(), "Dénébola");
    // A 255-character text in UTF-8 takes more bytes, but the length counts file bytes.
    std::string accents;
    for (int i = 0; i < 255; ++i) accents += "é";
    const Bytes long255 = written([&](CArchiveWriter& w) { w.writeText(accents); });
    EXPECT_EQ(long255.size(), 3u + 255u);
    EXPECT_EQ(CArchiveReader(long255).readText(), accents);
}

TEST(ArchivePrimitives, ReservedTextLengthIsDamage)
{
    const Bytes bytes = {0xFF, 0xFE, 0xFF, 0x01, 0x00, 0x00, 0x00, 'a'};
    EXPECT_EQ(errorOf([&] { CArchiveReader(bytes).readText(); }), ArchiveErrorKind::Damaged);
}

TEST(ArchivePrimitives, TruncationAtEveryByteIsDamage)
{
    const auto writeAll = [](CArchiveWriter& w) {
        w.writeByte(7);
        w.writeWord(0xBEEF);
        w.writeLong(-123456);
        w.writeDouble(3.25);
        w.writeCount(70000);
        w.writeText("court");
        w.writeText(std::string(300, 'm'));
        w.writeText(std::string(70000, 'l'));
    };
    const auto readAll = [](CArchiveReader& r) {
        EXPECT_EQ(r.readByte(), 7);
        EXPECT_EQ(r.readWord(), 0xBEEF);
        EXPECT_EQ(r.readLong(), -123456);
        EXPECT_EQ(r.readDouble(), 3.25);
        EXPECT_EQ(r.readCount(0), 70000u);
        EXPECT_EQ(r.readText(), "court");
        EXPECT_EQ(r.readText().size(), 300u);
        EXPECT_EQ(r.readText().size(), 70000u);
    };
    const Bytes full = written(writeAll);
    {
        CArchiveReader reader(full);
        readAll(reader);
        EXPECT_TRUE(reader.atEnd());
    }
    for (std::size_t size = 0; size < full.size(); ++size) {
        CArchiveReader reader(Bytes(full.begin(), full.begin() + size));
        try {
            readAll(reader);
            ADD_FAILURE() << "prefix of " << size << " bytes read as complete";
        } catch (const ArchiveError& e) {
            ASSERT_EQ(e.kind(), ArchiveErrorKind::Damaged) << size;
        }
    }
}
