// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarn {

QString CAboutDlg::creditsText()
{
    return QStringLiteral(
        "<p><b>ZARN</b> version 6.0</p>"
        "<p>Le ciel visible à l'œil nu : Soleil, Lune, planètes, étoiles, "
        "constellations et objets du ciel profond, pour votre observatoire, "
        "à la date et à l'heure de votre choix.</p>"
        "<p><b>Étoiles</b> : D. Hoffleit et W. H. Warren Jr., <i>The Bright Star "
        "Catalogue</i>, 5<sup>e</sup> édition révisée, Yale University Observatory, "
        "1991 (CDS, catalogue V/50).</p>"
        "<p><b>Figures, limites et noms des constellations, objets de Messier</b> : "
        "d3-celestial, © 2015 Olaf Frohn, licence BSD (3 clauses).</p>"
        "<p>Zarn est un logiciel libre : vous pouvez le redistribuer et le modifier "
        "selon les termes de la licence publique générale GNU, version 3 ou "
        "ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</p>");
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de ZARN"));
    auto* text = new QLabel(creditsText(), this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setMinimumWidth(380);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

}  // namespace zarn
