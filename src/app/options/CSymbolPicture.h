// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of one user-object symbol beside its radio button, drawn as
// the charts draw it.
#include <QWidget>

namespace zarn {

class CSymbolPicture : public QWidget {
    Q_OBJECT
public:
    CSymbolPicture(int symbol, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_symbol;
};

}  // namespace zarn
