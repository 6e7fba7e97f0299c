// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constellation map's frame: the map and, under it, a status bar of two
// parts that describes the star under the mouse (the first part 7/10 of the
// width: letter, constellation, magnitudes, spectral types; the second the
// constellation's full name).
#include <QWidget>

class QLabel;

namespace zarn {

class CConstellationsView;
class ConstellationsViewHost;

class CConstellationsFrm : public QWidget {
    Q_OBJECT
public:
    explicit CConstellationsFrm(ConstellationsViewHost& host, QWidget* parent = nullptr);

    CConstellationsView& View() { return *m_view; }
    QString StatusText(int part) const;

private:
    void SetStatus(const QString& first, const QString& second);

    CConstellationsView* m_view;
    QWidget* m_status;
    QLabel* m_parts[2];
};

}  // namespace zarn
