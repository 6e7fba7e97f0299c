// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart drawn now compared with an image committed under
// tests/charts/reference. ZARN_WRITE_REFERENCES=1 writes the images again
// (only on purpose).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace zarn::test {

inline QString referencePath(const QString& name)
{
    return QString::fromUtf8(ZARN_SOURCE_DIR) + QStringLiteral("/tests/charts/reference/") + name + QStringLiteral(".png");
}

// Antialiased edges may move by a shade; a changed layer moves many pixels.
inline void expectLikeReference(const QImage& image, const QString& name)
{
    if (std::getenv("ZARN_WRITE_REFERENCES")) {
        ASSERT_TRUE(image.save(referencePath(name)));
        return;
    }
    QImage reference(referencePath(name));
    ASSERT_FALSE(reference.isNull()) << name.toStdString();
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), image.size());
    int different = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y);
            const QColor b = reference.pixelColor(x, y);
            const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())});
            different += d > 40;
        }
    const bool alike = different <= image.width() * image.height() / 5000;
    // The picture drawn now, beside the temporary files, to look at.
    const QString drawn = QDir::temp().filePath(name + QStringLiteral("-drawn.png"));
    if (!alike)
        image.save(drawn);
    EXPECT_TRUE(alike) << name.toStdString() << ": " << different << " pixels differ; drawn now: " << drawn.toStdString();
}

}  // namespace zarn::test
