#pragma once
// The game's artwork, drawn by code: option capsules, lifelines, the
// emblem, the question panel and the dialogs' pictures. A picture is named
// by the form and the control that holds it at design time ("Game.ImgGreen").

#include <QIcon>
#include <QPainter>
#include <QRect>
#include <string>

namespace zv::art {

// Draws the named picture stretched over `r`. Unknown names draw nothing.
void drawPicture(QPainter& p, const QRect& r, const std::string& form, const std::string& picture);

// The program's icon: the emblem, at the usual sizes.
QIcon programIcon();

// The board's backdrop: a dark stage behind the controls.
void drawStage(QPainter& p, const QRect& r);

}  // namespace zv::art
