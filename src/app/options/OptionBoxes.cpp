// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/OptionBoxes.h"

#include <QCheckBox>
#include <QLayout>

namespace zarn {

std::vector<QCheckBox*> addOptionBoxes(SheetBox::Group group, SkyToggles& values, QWidget* parent,
                                       QLayout& layout, const std::function<void()>& toggled)
{
    std::vector<QCheckBox*> boxes;
    for (const DisplayOption& o : displayOptions()) {
        if (o.box.group != group || !*o.box.text)
            continue;
        auto* box = new QCheckBox(QString::fromUtf8(o.box.text), parent);
        box->setChecked(o.inDocument.get(values) != 0);
        const IntField<SkyToggles> option = o.inDocument;
        QObject::connect(box, &QCheckBox::toggled, parent, [&values, option, toggled](bool on) {
            option.set(values, on ? 1 : 0);
            if (toggled)
                toggled();
        });
        layout.addWidget(box);
        boxes.push_back(box);
    }
    return boxes;
}

}  // namespace zarn
