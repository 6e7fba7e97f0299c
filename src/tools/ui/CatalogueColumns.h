// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of the catalogue browser's list: each line holds its columns
// separated by "*", drawn at fixed positions measured from sample texts in
// the list's font.
#include <QStyledItemDelegate>

#include <vector>

class QFontMetrics;

namespace zarn {

struct CatalogueColumns {
    std::vector<int> lefts;  // left edge of each column, pixels
    int width = 0;           // right edge of the last column
    int shown = 1;           // columns drawn (the further ones after "details")
    int numericFrom = 99;    // first right-aligned column

    // The layout of a list kind (0 to 3) in a font.
    static CatalogueColumns forKind(int kind, const QFontMetrics& metrics);
    // Right edge of the shown columns.
    int shownWidth() const { return shown < static_cast<int>(lefts.size()) ? lefts[static_cast<std::size_t>(shown)] : width; }
};

class CatalogueLineDelegate : public QStyledItemDelegate {
public:
    CatalogueLineDelegate(const CatalogueColumns& columns, QObject* parent)
        : QStyledItemDelegate(parent), m_columns(columns)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CatalogueColumns& m_columns;
};

}  // namespace zarn
