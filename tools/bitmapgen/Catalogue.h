#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

// One bitmap resource: its name, exact size and depth, how many equal frames
// its strip holds, the colours that must survive palette reduction exactly,
// and how to draw it.
struct Resource {
    QString name;
    QString group; // style prefix, or "SHARED", for the contact sheet
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int frames = 1;
    QString layout; // what the frames hold, for the listing
    QList<QRgb> keep;
    std::function<QImage()> draw;
};

// Every bitmap the program loads by name, in a stable order.
std::vector<Resource> Catalogue();
