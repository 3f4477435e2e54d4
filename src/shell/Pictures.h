#pragma once
// The pictures of the start screen and the about box, drawn by the program itself.
#include <QPixmap>
#include <QSize>

namespace talur::pictures {

QPixmap publisherLogo(int height);   // imgORB: the publisher's emblem
QPixmap institutionLogo(int height); // imgZANT: the institution's emblem with its short name
QPixmap diagram(QSize size);         // imgDIA: a framed compression diagram

} // namespace talur::pictures
