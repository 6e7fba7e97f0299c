// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: version, purpose and the credits of the data.
#include <QDialog>

namespace zarn {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
    static QString creditsText();
};

}  // namespace zarn
