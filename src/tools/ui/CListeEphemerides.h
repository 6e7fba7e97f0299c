// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the ephemerides dialog: one fixed-width text per day, drawn in
// three right-aligned columns (date, first value, second value). A second
// rise or set of the day is written after a slash in the small font. Ctrl+C
// copies the selected rows, or the whole table, as tab-separated text.
#include <QListWidget>

#include <string>
#include <vector>

namespace zarn {

class CListeEphemerides : public QListWidget {
    Q_OBJECT
public:
    explicit CListeEphemerides(QWidget* parent = nullptr);

    // Column widths in pixels, measured in the list's font.
    int dateColumn() const { return m_dateColumn; }
    int firstColumn() const { return m_firstColumn; }
    int secondColumn() const { return m_secondColumn; }
    // The width that shows the three columns beside the scroll bar.
    int tableWidth() const;

    void setRows(const std::vector<std::string>& rows);
    // The first line of a copied table: the body and the two headings.
    void setCopyHeadings(const QStringList& headings) { m_copyHeadings = headings; }
    QString copyText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measureColumns();

    int m_dateColumn = 0;
    int m_firstColumn = 0;
    int m_secondColumn = 0;
    QStringList m_copyHeadings;
};

}  // namespace zarn
