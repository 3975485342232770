// The program's own pictures, drawn with QPainter (no art files): start panel, toolbar, about box.
#pragma once
#include <QIcon>
#include <QPixmap>

namespace dz::pictures {

// The picture of start-panel button n (1: E1, 2: E2, 3: new-version check), `size` pixels.
QPixmap StartButton(int n, QSize size);

// Toolbar icons.
QIcon SaveIcon();
QIcon PrintIcon();
QIcon ComputeIcon();
QIcon CertificatesIcon();
// Curved arrows back (undo) and forward (redo).
QIcon UndoIcon();
QIcon RedoIcon();

// Small clickable badges of the toolbar and the about box: the maker's and the distributor's.
QPixmap MakerBadge(QSize size);
QPixmap DistributorBadge(QSize size);

// The product's cover (about box) and the window icon.
QPixmap Cover(QSize size);
QIcon AppIcon();

}  // namespace dz::pictures
