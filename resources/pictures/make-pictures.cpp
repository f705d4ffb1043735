// Draws the program's pictures and writes them as PNG files, and the icon also as SVG:
// make-pictures OUTPUT_FOLDER
//
// Every picture is drawn in its own design units (one unit = one pixel of the normal-density file)
// and rendered at 1x and, but for the larger icons, at 2x ("@2x"). One-unit lines sit on half
// units so that they fall exactly on pixels at both densities.

#include "resources/pictures/IconSizes.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

namespace colour {
const QColor Ink(0x26, 0x26, 0x2e);
const QColor Navy(0x12, 0x22, 0x7a);
const QColor NavyLight(0x3a, 0x55, 0xb8);
const QColor BoardYellow(0xf6, 0xd0, 0x3c);
const QColor BoardEdge(0x8a, 0x62, 0x08);
const QColor FolderBack(0xd9, 0xa2, 0x1c);
const QColor FolderFront(0xf7, 0xcf, 0x4a);
const QColor FolderEdge(0x7a, 0x55, 0x08);
const QColor Paper(0xff, 0xff, 0xff);
const QColor PaperFold(0xd6, 0xd9, 0xe0);
const QColor PaperLine(0x9a, 0xa0, 0xac);
const QColor DiskBody(0x2e, 0x4c, 0xa4);
const QColor DiskEdge(0x12, 0x1e, 0x52);
const QColor Metal(0xd2, 0xd6, 0xde);
const QColor PrinterBody(0xc9, 0xcc, 0xd2);
const QColor PrinterShade(0x8e, 0x93, 0x9c);
const QColor Lamp(0x2c, 0xc0, 0x4a);
const QColor HelpGreen(0x1f, 0x9a, 0x3a);
const QColor HelpGreenEdge(0x0e, 0x62, 0x22);
const QColor Magenta(0xd0, 0x1c, 0xb4);
const QColor MarkGreen(0x00, 0xa0, 0x00);
const QColor GridBlack(0x00, 0x00, 0x00);
} // namespace colour

using DrawFn = std::function<void(QPainter&)>;

QPen Outline(const QColor& colour, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPen Stroke(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void FillPolygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill,
                 const QColor& edge) {
    p.setPen(Outline(edge));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void Stone(QPainter& p, QPointF centre, double radius, bool white, double outline = 1.0) {
    p.setPen(Outline(colour::Navy, outline));
    p.setBrush(white ? colour::Paper : colour::Navy);
    p.drawEllipse(centre, radius, radius);
}

// The program's icon: the corner of a board, its lines at `first`, first + pitch, ... running off
// the right and bottom edges, and two stones of each colour in a square off the corner. Every
// size has its own numbers so that the lines fall on whole pixels; the larger sizes are the 32 px
// design scaled.
struct IconDesign {
    int size;
    double first;
    double pitch;
    double line;
    double radius;
    double stoneLine;

    // Stepped by a whole count: every figure of a design is exact in binary, so first + i * pitch
    // is the very offset that adding pitch i times reaches.
    std::vector<double> LineOffsets() const {
        std::vector<double> offsets;
        for (int i = 0; first + i * pitch < size; ++i)
            offsets.push_back(first + i * pitch);
        return offsets;
    }
    std::array<QPointF, 4> StoneCentres() const {
        const double near = first + pitch;
        const double far = first + 2 * pitch;
        return {QPointF(near, near), QPointF(far, near), QPointF(near, far), QPointF(far, far)};
    }
    // Navy (false) or white (true), in the order of StoneCentres.
    static constexpr std::array<bool, 4> StoneWhite{false, true, true, false};
};

constexpr IconDesign ScaledIcon(int size) {
    const double k = size / 32.0;
    return {size, 5.5 * k, 8 * k, k, 3.5 * k, k};
}

constexpr IconDesign IconDesigns[] = {
    {16, 3.5, 5, 1, 2.3, 0.8}, ScaledIcon(32),  {48, 8.5, 12, 1, 5.25, 1.5}, ScaledIcon(64),
    ScaledIcon(128),           ScaledIcon(256),
};
static_assert(std::ranges::equal(IconDesigns, pentavo::IconSizes, {}, &IconDesign::size),
              "the icon sizes of the build and the designs here differ");

void DrawIcon(QPainter& p, const IconDesign& d) {
    p.fillRect(QRectF(0, 0, d.size, d.size), colour::BoardYellow);
    p.setPen(Outline(colour::Navy, d.line));
    for (const double at : d.LineOffsets()) {
        p.drawLine(QPointF(at, d.first), QPointF(at, d.size));
        p.drawLine(QPointF(d.first, at), QPointF(d.size, at));
    }
    p.setPen(Outline(colour::BoardEdge, d.line));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(d.line / 2, d.line / 2, d.size - d.line, d.size - d.line));
    for (std::size_t k = 0; k < 4; ++k)
        Stone(p, d.StoneCentres()[k], d.radius, IconDesign::StoneWhite[k], d.stoneLine);
}

// The same drawing as DrawIcon, as SVG for the icon theme's scalable size.
QString IconSvg(const IconDesign& d) {
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
    const auto name = [](const QColor& colour) { return colour.name(); };
    QString lines;
    for (const double at : d.LineOffsets()) {
        lines += QString("M%1 %2V%3").arg(number(at), number(d.first), number(d.size));
        lines += QString("M%1 %2H%3").arg(number(d.first), number(at), number(d.size));
    }
    QString svg = QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
                      .arg(d.size);
    svg += QString("  <rect width=\"%1\" height=\"%1\" fill=\"%2\"/>\n")
               .arg(number(d.size), name(colour::BoardYellow));
    // Qt's default pen caps are square, SVG's are not.
    svg += QString("  <path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                   "stroke-linecap=\"square\"/>\n")
               .arg(lines, name(colour::Navy), number(d.line));
    svg += QString("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" fill=\"none\" "
                   "stroke=\"%3\" stroke-width=\"%4\"/>\n")
               .arg(number(d.line / 2), number(d.size - d.line), name(colour::BoardEdge),
                    number(d.line));
    for (std::size_t k = 0; k < 4; ++k) {
        const QPointF c = d.StoneCentres()[k];
        svg += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"%5\" "
                       "stroke-width=\"%6\"/>\n")
                   .arg(number(c.x()), number(c.y()), number(d.radius),
                        name(IconDesign::StoneWhite[k] ? colour::Paper : colour::Navy),
                        name(colour::Navy), number(d.stoneLine));
    }
    svg += "</svg>\n";
    return svg;
}

// The program's larger image: the icon's board corner with a heavier edge and shaded stones.
void DrawAbout(QPainter& p) {
    const double size = 61;
    const double edge = 8;
    const double pitch = 12;
    p.fillRect(QRectF(0, 0, size, size), colour::BoardYellow);
    p.setPen(Outline(colour::Navy));
    for (int k = 1; edge + k * pitch + 0.5 < size; ++k) {
        const double at = edge + k * pitch + 0.5;
        p.drawLine(QPointF(at, edge), QPointF(at, size));
        p.drawLine(QPointF(edge, at), QPointF(size, at));
    }
    p.setPen(Outline(colour::Navy, 2));
    p.drawLine(QPointF(edge, edge), QPointF(size, edge));
    p.drawLine(QPointF(edge, edge), QPointF(edge, size));
    p.setPen(Outline(colour::BoardEdge));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));

    const auto shadedStone = [&p](QPointF centre, bool white) {
        const double radius = 5.2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x60, 0x40, 0x00, 0x50));
        p.drawEllipse(centre + QPointF(1.0, 1.2), radius, radius);
        QRadialGradient shade(centre - QPointF(1.8, 1.8), radius * 1.6);
        shade.setColorAt(0, white ? QColor(0xff, 0xff, 0xff) : colour::NavyLight);
        shade.setColorAt(1, white ? QColor(0xc4, 0xca, 0xd8) : QColor(0x08, 0x12, 0x4a));
        p.setPen(Outline(white ? QColor(0x7a, 0x80, 0x98) : QColor(0x06, 0x0c, 0x38), 0.8));
        p.setBrush(shade);
        p.drawEllipse(centre, radius, radius);
    };
    shadedStone({20.5, 20.5}, false);
    shadedStone({32.5, 20.5}, true);
    shadedStone({20.5, 32.5}, true);
    shadedStone({32.5, 32.5}, false);
    shadedStone({44.5, 20.5}, true);
    shadedStone({44.5, 44.5}, false);
}

void DrawNew(QPainter& p) {
    FillPolygon(p, {{2.5, 1.5}, {9.5, 1.5}, {13.5, 5.5}, {13.5, 14.5}, {2.5, 14.5}}, colour::Paper,
                colour::Ink);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::PaperFold);
    p.drawPolygon(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 5.5), QPointF(13.5, 5.5)}));
    p.setPen(Stroke(colour::Ink, 1));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 5.5));
    p.drawLine(QPointF(9.5, 5.5), QPointF(13.5, 5.5));
    p.drawLine(QPointF(9.5, 1.5), QPointF(13.5, 5.5));
}

void DrawOpen(QPainter& p) {
    FillPolygon(p, {{1.5, 4.5}, {5.5, 4.5}, {6.5, 5.5}, {11.5, 5.5}, {11.5, 13.5}, {1.5, 13.5}},
                colour::FolderBack, colour::FolderEdge);
    FillPolygon(p, {{1.5, 13.5}, {4.5, 8.5}, {15.5, 8.5}, {12.5, 13.5}}, colour::FolderFront,
                colour::FolderEdge);

    QPainterPath arc;
    arc.moveTo(7.0, 5.0);
    arc.cubicTo(7.5, 1.2, 11.5, 0.8, 13.0, 3.6);
    p.setPen(Stroke(colour::Navy, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Navy);
    p.drawPolygon(QPolygonF({QPointF(11.0, 3.3), QPointF(15.6, 2.4), QPointF(14.0, 6.6)}));
}

void DrawSave(QPainter& p) {
    FillPolygon(p, {{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}},
                colour::DiskBody, colour::DiskEdge);
    p.setPen(Outline(colour::DiskEdge));
    p.setBrush(colour::Metal);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::DiskEdge);
    p.drawRect(QRectF(9, 2.5, 1.5, 3));
    p.setPen(Outline(colour::DiskEdge));
    p.setBrush(colour::Paper);
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(Outline(colour::PaperLine));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void DrawPrint(QPainter& p) {
    p.setPen(Outline(colour::Ink));
    p.setBrush(colour::Paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    p.setBrush(colour::PrinterBody);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.2, 1.2);
    p.setPen(Outline(colour::PrinterShade));
    p.drawLine(QPointF(3, 10.5), QPointF(13, 10.5));
    p.setPen(Outline(colour::Ink));
    p.setBrush(colour::Paper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Outline(colour::PaperLine));
    p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Lamp);
    p.drawRect(QRectF(12, 8, 1.5, 1.5));
}

void DrawUndo(QPainter& p) {
    QPainterPath shaft;
    shaft.moveTo(11.5, 13.5);
    shaft.cubicTo(15.2, 10.5, 14.2, 5.0, 8.5, 5.0);
    shaft.lineTo(5.5, 5.0);
    p.setPen(Stroke(colour::Navy, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Outline(colour::Navy, 0.6));
    p.setBrush(colour::Navy);
    p.drawPolygon(QPolygonF({QPointF(1.0, 5.0), QPointF(6.5, 0.8), QPointF(6.5, 9.2)}));
}

void DrawHelp(QPainter& p) {
    p.setPen(Outline(colour::HelpGreenEdge));
    p.setBrush(colour::HelpGreen);
    p.drawEllipse(QPointF(8, 8), 7, 7);

    QPainterPath hook;
    hook.moveTo(5.6, 6.0);
    hook.cubicTo(5.6, 2.6, 10.6, 2.6, 10.6, 5.6);
    hook.cubicTo(10.6, 7.4, 8.0, 7.6, 8.0, 9.6);
    p.setPen(Stroke(colour::Paper, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Paper);
    p.drawEllipse(QPointF(8.0, 12.3), 1.25, 1.25);
}

// Part of a board as the game draws it: crosses and circles in the cells of a plain black grid.
void DrawSplash(QPainter& p) {
    const double size = 146;
    const double first = 12.5;
    const double pitch = 20;
    p.fillRect(QRectF(0, 0, size, size), colour::Paper);
    p.setPen(Outline(colour::GridBlack));
    for (int k = 0; first + k * pitch < size; ++k) {
        const double at = first + k * pitch;
        p.drawLine(QPointF(at, 0), QPointF(at, size));
        p.drawLine(QPointF(0, at), QPointF(size, at));
    }
    const auto centre = [&](int col, int row) {
        return QPointF(first + pitch * col + pitch / 2, first + pitch * row + pitch / 2);
    };
    p.setPen(Stroke(colour::Magenta, 3));
    for (const auto& [col, row] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 4}, {2, 4}, {4, 1}}) {
        const QPointF c = centre(col, row);
        p.drawLine(c + QPointF(-5.5, -5.5), c + QPointF(5.5, 5.5));
        p.drawLine(c + QPointF(5.5, -5.5), c + QPointF(-5.5, 5.5));
    }
    p.setPen(Stroke(colour::MarkGreen, 3));
    p.setBrush(colour::Paper);
    for (const auto& [col, row] : {std::pair{0, 0}, {5, 5}, {3, 2}, {1, 3}, {3, 4}, {5, 2}}) {
        p.drawEllipse(centre(col, row), 6.2, 6.2);
    }
}

// Writes NAME.png, and NAME@2x.png at twice the density unless `single`.
bool Render(const QDir& folder, const QString& name, int size, const DrawFn& draw, bool single) {
    for (const int scale : {1, 2}) {
        if (scale == 2 && single)
            break;
        QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            draw(painter);
        }
        const QString file = folder.filePath(name + (scale == 2 ? "@2x.png" : ".png"));
        if (!image.save(file, "PNG")) {
            (void)std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

bool WriteText(const QDir& folder, const QString& name, const QString& text) {
    QFile file(folder.filePath(name));
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        (void)std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        (void)std::fprintf(stderr, "usage: make-pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name;
        int size;
        DrawFn draw;
    } pictures[] = {
        {"new", 16, DrawNew},        {"open", 16, DrawOpen},   {"save", 16, DrawSave},
        {"print", 16, DrawPrint},    {"undo", 16, DrawUndo},   {"help", 16, DrawHelp},
        {"splash", 146, DrawSplash}, {"about", 61, DrawAbout},
    };
    for (const auto& picture : pictures) {
        if (!Render(folder, picture.name, picture.size, picture.draw, false))
            return 1;
    }
    // The icon in every size the window and the icon theme take; the two small ones also at twice
    // the density, where they would otherwise be scaled from a drawing of another size.
    for (const IconDesign& design : IconDesigns) {
        const auto draw = [&design](QPainter& p) { DrawIcon(p, design); };
        if (!Render(folder, QString("icon%1").arg(design.size), design.size, draw,
                    design.size > 32))
            return 1;
    }
    if (!WriteText(folder, "icon.svg", IconSvg(IconDesigns[std::size(IconDesigns) - 1])))
        return 1;
    return 0;
}
