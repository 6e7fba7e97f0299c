// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The update hints the document broadcasts after a change; each view decides
// from them what to recompute and redraw.
namespace zarn::hint {

constexpr unsigned Date = 1;
constexpr unsigned Place = 2;
constexpr unsigned UserObjects = 8;
constexpr unsigned WholeSky = 16;
constexpr unsigned Zenith = 32;
constexpr unsigned Horizon = 64;
constexpr unsigned Resized = 128;
constexpr unsigned Figures = 256;
constexpr unsigned Options = 512;
constexpr unsigned AltitudeScale = 1024;
constexpr unsigned Catalogue = 4096;
constexpr unsigned Animation = 8192;
constexpr unsigned Grid = 16384;

}  // namespace zarn::hint
