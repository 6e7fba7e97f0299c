// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FramePlaces.h"

namespace zarn {

namespace {
int leftColumnWidth(QSize client) { return skyFrameRect(client).x(); }

// Fraction of the column's height the Sun and the Moon take.
constexpr int kSunMoonShare = 55;
}  // namespace

QRect skyFrameRect(QSize client)
{
    const int x = (client.width() + 2) * 10 / 37;
    return QRect(x, 0, client.width() - x, client.height());
}

QRect sunMoonFrameRect(QSize client)
{
    return QRect(0, 0, leftColumnWidth(client), client.height() * kSunMoonShare / 100);
}

QRect searchFrameRect(QSize client)
{
    const int top = client.height() * kSunMoonShare / 100;
    return QRect(0, top, leftColumnWidth(client), client.height() - top);
}

}  // namespace zarn
