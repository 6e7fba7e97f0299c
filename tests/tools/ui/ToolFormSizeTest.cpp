// SPDX-License-Identifier: GPL-3.0-or-later
// The conjunction and animation windows at a size smaller than their design:
// every control keeps room for its whole text and none covers another, the
// form scrolling instead.
#include "ToolWindowFixture.h"
#include "tools/ui/ProportionalForm.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace zarn;
using zarn::test::ToolWindows;

namespace {

// The visible text controls of the window, apart from the frames of groups.
QList<QWidget*> textControls(QWidget* view)
{
    QList<QWidget*> found;
    for (QWidget* w : view->findChildren<QWidget*>())
        if (w->isVisibleTo(view) && !qobject_cast<QGroupBox*>(w) &&
            (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
             qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) &&
            !qobject_cast<QLineEdit*>(w->parentWidget()) && !qobject_cast<QComboBox*>(w->parentWidget()) &&
            !qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            found << w;
    return found;
}

void expectRoomy(QWidget* view, QSize size)
{
    auto* window = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    ASSERT_NE(window, nullptr);
    window->resize(size);
    QApplication::processEvents();
    const QList<QWidget*> controls = textControls(view);
    ASSERT_GT(controls.size(), 4);
    for (QWidget* w : controls) {
        EXPECT_GE(w->width(), textRoom(*w)) << w->metaObject()->className() << " "
                                                     << w->property("text").toString().toStdString();
        for (QWidget* other : controls) {
            if (other != w && other->parentWidget() == w->parentWidget()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << w->property("text").toString().toStdString() << " / "
                    << other->property("text").toString().toStdString();
            }
        }
    }
    auto* area = view->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible());
}

}  // namespace

TEST_F(ToolWindows, SmallWindowsScrollTheirFormsRatherThanCutTheirTexts)
{
    frame->show();
    auto* animation = open<CAnimationView>(ViewKind::Animation);
    ASSERT_NE(animation, nullptr);
    expectRoomy(animation, {420, 300});

    auto* conjunction = open<CConjonctionView>(ViewKind::Conjonction);
    ASSERT_NE(conjunction, nullptr);
    setDate(1, 1, 2024);
    conjunction->firstList()->setCurrentIndex(conjunction->firstList()->findText(QStringLiteral(" Jupiter")));
    conjunction->secondList()->setCurrentIndex(conjunction->secondList()->findText(QStringLiteral(" Saturne")));
    conjunction->showButton()->click();
    ASSERT_TRUE(conjunction->result().has_value());
    expectRoomy(conjunction, {420, 300});
}
